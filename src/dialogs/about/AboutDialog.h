#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

// Who made the program, with links to their pages. While it is open the main window
// is in its About mode; closing it ends that.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    void showAbout();

    // Where each credit line leads.
    static const QString AuthorAddress;
    static const QString IconSetAddress;
    static const QString RegexAddress;

signals:
    void closed();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    std::unique_ptr<Ui::AboutDialog> m_ui;
};
