#pragma once

#include "dialogs/find/logic/FindSearch.h"

#include <QObject>
#include <QString>

class EditorAdapter;
class FindDialog;
class RegEx;
class StatisticsDialog;

// Search (Ctrl+F) and Statistics of the main window: the find window's search, its
// repeat, and the figures, all on the shared regular-expression object.
class FindCommands : public QObject
{
    Q_OBJECT

public:
    FindCommands(EditorAdapter &editor, RegEx &regEx, FindDialog &findDialog, StatisticsDialog &statisticsDialog);

    // "חפש": the first match in the whole text is selected and the window goes; a
    // search that finds nothing is said, and the window stays.
    void find(const QString &query, FindMode mode);
    // The next match after the selection, or the find window when there is
    // nothing to repeat.
    void search();
    // Shows the statistics without blocking the editor, or brings them to the front.
    void showStatistics();

private:
    EditorAdapter &m_editor;
    RegEx &m_regEx;
    FindDialog &m_findDialog;
    StatisticsDialog &m_statisticsDialog;
    // The query of the last "חפש"; empty at start-up.
    QString m_lastFindQuery;
};
