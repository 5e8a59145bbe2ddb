#pragma once

#include "check/EntryCheck.h"
#include "dialogs/check/ProblemListModel.h"

#include <QDockWidget>

#include <memory>

namespace Ui {
class CheckPanel;
}

// The problems of the text beside the editor. A double click or Enter on a row asks
// for the caret on the problem; where a command of the program mends the problem,
// the row's context menu and the button below the list ask for that command.
class CheckPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit CheckPanel(QWidget *parent = nullptr);
    ~CheckPanel() override;

    // A new result, with the place in the editor of each problem; the row that was
    // current stays so when the problem is still there.
    void showResult(const EntryCheck::Result &result, const QList<int> &places);
    // An empty list while the text is being checked.
    void showChecking();
    const ProblemListModel &problems() const { return m_model; }

signals:
    // `place` as showResult() was handed it.
    void problemActivated(int place);
    void mendRequested(int place, EntryCheck::Mend mend);
    // The close button was pressed.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void activate(const QModelIndex &index);
    void mend(int row);
    void currentRowChanged();
    void showContextMenu(const QPoint &at);

    std::unique_ptr<Ui::CheckPanel> m_ui;
    ProblemListModel m_model;
};
