#pragma once

#include "wikitext/EditorState.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class RegEx;

namespace Ui {
class TFootnotesForm;
}

// Adds a footnote to the entry under the caret: its reference where the caret stood
// when the dialog opened, its note line in the entry's footnotes section, every
// reference of the entry renumbered. A tool window kept on top.
class FootnotesDialog : public QDialog
{
    Q_OBJECT

public:
    // The editor: its state, where its view starts (the first visible line's first
    // character) and how a result goes back with that view restored.
    struct Target
    {
        RegEx *regEx = nullptr;
        std::function<EditorState()> state;
        std::function<int()> viewStart;
        std::function<void(const EditorState &result, int viewStart)> apply;
    };

    explicit FootnotesDialog(QWidget *parent = nullptr);
    ~FootnotesDialog() override;

    void setTarget(Target target) { m_target = std::move(target); }

    QLineEdit *footName() const;
    QPlainTextEdit *footText() const;

    void justify();
    void addFootnote();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::TFootnotesForm> m_ui;
    Target m_target;
    int m_caret = 0;
    int m_viewStart = 0;
};
