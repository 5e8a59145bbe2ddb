#include "app/commands/FindCommands.h"

#include "app/EditorAdapter.h"
#include "dialogs/find/FindDialog.h"
#include "dialogs/stats/StatisticsDialog.h"
#include "gui/HebrewMessageBox.h"

FindCommands::FindCommands(EditorAdapter &editor, RegEx &regEx, FindDialog &findDialog,
                           StatisticsDialog &statisticsDialog)
    : m_editor(editor)
    , m_regEx(regEx)
    , m_findDialog(findDialog)
    , m_statisticsDialog(statisticsDialog)
{
    connect(&m_findDialog, &FindDialog::searchRequested, this, &FindCommands::find);
}

void FindCommands::find(const QString &query, FindMode mode)
{
    const FindResult result = FindSearch::findFirst(m_regEx, m_editor.state(), query, mode, m_lastFindQuery);
    if (result.outcome != FindResult::Outcome::Found) {
        HebrewMessageBox::notice(result.message);
        return;
    }
    m_editor.apply(result.state);
    m_findDialog.hide();
}

void FindCommands::search()
{
    const RepeatResult result = FindSearch::findNext(m_regEx, m_editor.state(), m_lastFindQuery);
    switch (result.outcome) {
    case RepeatResult::Outcome::ShowDialog:
        m_findDialog.showForQuery();
        break;
    case RepeatResult::Outcome::Found:
        m_editor.apply(result.state);
        break;
    case RepeatResult::Outcome::BadPattern:
        HebrewMessageBox::notice(result.message);
        break;
    case RepeatResult::Outcome::Nothing:
        break;
    }
}

void FindCommands::showStatistics()
{
    m_statisticsDialog.showFigures(m_editor.text());
}
