#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TQuotesForm;
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

    QString query() const;
    void setQuery(const QString &query);
    bool withInflections() const;

    // Shows the dialog in the middle of the screen, or brings it forward.
    void showQuotes();
    void search();

signals:
    // The inflections box was clicked: the owner sets the query again.
    void inflectionsToggled(bool withInflections);

private:
    std::unique_ptr<Ui::TQuotesForm> m_ui;
};
