#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class EntryGuideDialog;
}

// A read-only guide to the sections of an entry: their order, how much each is
// wanted, and how to write it. A tool window on top of its owner, modeless.
class EntryGuideDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EntryGuideDialog(QWidget *parent = nullptr);
    ~EntryGuideDialog() override;

    // Shows the dialog in the middle of the screen, or brings it forward.
    void showGuide();
    // The guideline of the section listed as `name`, or an empty explanation.
    void explain(const QString &name);
    // Back to the prompt, with the focus away from the list.
    void clearExplanation();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::EntryGuideDialog> m_ui;
};
