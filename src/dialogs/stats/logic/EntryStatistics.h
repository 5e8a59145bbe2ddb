#pragma once

#include <QList>
#include <QString>

class RegEx;

// The figures of a page, in the order the statistics dialog shows them.
struct EntryStatistics
{
    qsizetype chars = 0;
    qsizetype lines = 1;
    qsizetype articles = 0;
    qsizetype sections = 0;
    qsizetype innerLinks = 0;
    qsizetype outerLinks = 0;
    qsizetype wikipediaLinks = 0;
    qsizetype templates = 0;
    qsizetype quotes = 0;
    qsizetype translations = 0;
    qsizetype categories = 0;
    // Empty unless a count was cut short by the regular-expression engine; then it
    // says so in Hebrew and the counts so far stand.
    QString failure;
};

// One row of the dialog: the value label's name, its caption and the figure.
struct StatisticsRow
{
    QString name;
    QString caption;
    qsizetype value = 0;
};

namespace Statistics {

// Counts characters and lines of `text` and matches of the nine patterns, using
// (and leaving behind its state in) the shared regular-expression object.
EntryStatistics compute(RegEx &regEx, const QString &text);

// The eleven rows in the dialog's order.
QList<StatisticsRow> rows(const EntryStatistics &statistics);

} // namespace Statistics
