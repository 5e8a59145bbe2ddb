#pragma once

#include <QObject>
#include <QString>

class TFindF;
class TForm1;
class TStats;

// Search (Ctrl+F) and Statistics of the main window. The find and statistics
// windows are the main window's children, created in the start-up order; this
// group hands them the editor and the shared regular-expression object.
class FindCommands : public QObject
{
    Q_OBJECT

public:
    explicit FindCommands(TForm1 &form);

    // The query of the last "חפש"; empty at start-up.
    const QString &lastFindQuery() const { return m_lastFindQuery; }

    // The next match after the selection, or the find window when there is
    // nothing to repeat.
    void SearchClick();
    // Shows the statistics without blocking the editor, or brings them to the front.
    void StatisticsClick();

private:
    TFindF *findDialog();
    TStats *statsDialog();

    TForm1 &m_form;
    QString m_lastFindQuery;
};
