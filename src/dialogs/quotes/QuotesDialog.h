#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class QuotesDialog;
}

// Searches the web for literary quotations of the entry in Project Ben-Yehuda's
// works, with a query its owner builds from the entry. A tool window on top of its
// owner, modeless; searching leaves it open.
class QuotesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QuotesDialog(QWidget *parent = nullptr);
    ~QuotesDialog() override;

    // Shows the dialog in the middle of the screen, or brings it forward, with the query.
    void showQuotes(const QString &query);
    void setQuery(const QString &query);

signals:
    // The inflections box was clicked: the owner sets the query again.
    void inflectionsToggled(bool withInflections);

private:
    void search();

    std::unique_ptr<Ui::QuotesDialog> m_ui;
};
