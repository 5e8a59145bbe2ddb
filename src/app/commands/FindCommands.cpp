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
    m_findDialog.setTarget({&m_regEx, &m_lastFindQuery, [this] { return m_editor.state(); },
                            [this](const EditorState &state) { m_editor.apply(state); }});
    m_statisticsDialog.setTarget(&m_regEx, [this] { return m_editor.text(); });
}

FindCommands::~FindCommands()
{
    // The dialogs outlive this group by a moment while the window goes.
    m_findDialog.setTarget({});
    m_statisticsDialog.setTarget(nullptr, {});
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
    m_statisticsDialog.showFigures();
}
