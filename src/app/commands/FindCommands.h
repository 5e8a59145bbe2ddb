#pragma once

#include <QObject>
#include <QString>

class EditorAdapter;
class FindDialog;
class RegEx;
class StatisticsDialog;

// Search (Ctrl+F) and Statistics of the main window: the repeat of the last search,
// and the two tool windows, handed the editor and the shared regular-expression object.
class FindCommands : public QObject
{
    Q_OBJECT

public:
    FindCommands(EditorAdapter &editor, RegEx &regEx, FindDialog &findDialog, StatisticsDialog &statisticsDialog);
    ~FindCommands() override;

    // The query of the last "חפש"; empty at start-up.
    const QString &lastFindQuery() const { return m_lastFindQuery; }

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
    QString m_lastFindQuery;
};
