#pragma once

#include "dialogs/find/logic/FindSearch.h"

#include <QDialog>

#include <memory>

namespace Ui {
class FindDialog;
}

// Asks what to search in the main editor's text and how: plain, pattern or root. Its
// owner searches the editor as it stands at the click; the main window's Ctrl+F
// repeats the search. A tool window kept on top.
class FindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FindDialog(QWidget *parent = nullptr);
    ~FindDialog() override;

    FindMode mode() const;

    // Shows the dialog, or brings it to the front, with the query ready to type over.
    void showForQuery();

signals:
    // "חפש" with a query.
    void searchRequested(const QString &query, FindMode mode);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void queryChanged();
    void find();

    std::unique_ptr<Ui::FindDialog> m_ui;
};
