#pragma once

#include <QList>
#include <QString>

// One row of the examples table.
struct ExampleRow
{
    QString rowNumber; // the row's position, at least two digits: "01", "02", …, "100"
    QString number;    // the definition it belongs to
    QString line;      // the whole wiki line with its marker
    QString placement; // EntryStructure::BesideDefinition or SeparateSection

    friend bool operator==(const ExampleRow &a, const ExampleRow &b)
    {
        return a.rowNumber == b.rowNumber && a.number == b.number && a.line == b.line && a.placement == b.placement;
    }
};

// The examples table as the sentences dialog edits it. Rows stay ordered by
// definition number and then placement; among equals the current order holds.
namespace Sentences {

// "01" for 1, "100" for 100.
QString rowNumber(int position);

// Appends a row for `number` and `line` (both trimmed) and puts the table in order.
void appendRow(QList<ExampleRow> &rows, const QString &number, const QString &line, const QString &placement);

// Puts the table in order and writes every row's position into it. Definition
// numbers compare as numbers ("2" before "10"), other texts after them as text;
// "ליד ההגדרה" comes before "סעיף נפרד".
void sort(QList<ExampleRow> &rows);

// A row dragged from `from` to `to` (0-based), then the table put in order: it keeps
// its new place only among the rows of its own definition and placement.
void moveRow(QList<ExampleRow> &rows, int from, int to);

// Removes a row; the rows below keep their numbers until the next ordering, except
// that a lone remaining row keeps its old one as well.
void removeRow(QList<ExampleRow> &rows, int row);

// Moves a row beside its definition or into the separate section: its placement and
// its line's marker ("#:*" beside the definition, "*" in the section) change.
void replaceRow(QList<ExampleRow> &rows, int row, const QString &placement);

// The question asked before a row is removed.
QString removeQuestion(const QString &line);

// A definition number as written back: a whole number from 0 to `definitions` in its
// plain decimal form ("02" is "2"), anything else "1". "0" stands for the lines above
// the first definition, so a sentence read from there stays there. Without
// definitions the number is kept.
QString normalisedNumber(const QString &number, int definitions);

} // namespace Sentences
