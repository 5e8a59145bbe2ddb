#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class LinksDialog;
}

// Reference sites on the Hebrew language, each opened in the browser by a click.
class LinksDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LinksDialog(QWidget *parent = nullptr);
    ~LinksDialog() override;

    void showLinks();

    // The address behind a link label, by the label's name; empty for the headings.
    static QString addressOf(const QString &label);

private:
    std::unique_ptr<Ui::LinksDialog> m_ui;
};
