#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Comparing two texts: the changed lines first, then the changed words inside them.
// Positions and lengths are UTF-16 code units of each text, so that a window can
// colour them; line numbers count from 0.
namespace TextDiff {

struct Range
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype end() const { return start + length; }
    bool operator==(const Range &) const = default;
};

// Lines [oldLine, oldLine + oldCount) of the old text became lines [newLine,
// newLine + newCount) of the new one; the ranges hold those lines with their breaks
// (an empty range stands where lines were put in or taken out).
struct Hunk
{
    qsizetype oldLine = 0;
    qsizetype oldCount = 0;
    qsizetype newLine = 0;
    qsizetype newCount = 0;
    Range oldRange;
    Range newRange;
    // Inside the ranges: the words taken out of the old text and put into the new one,
    // neighbours joined into one range.
    QList<Range> removed;
    QList<Range> added;
};

// The changed lines, without the words.
QList<Hunk> changedLines(const QString &oldText, const QString &newText);

// The changed lines with the words changed in them.
QList<Hunk> compare(const QString &oldText, const QString &newText);

// What a changed line is compared by: a word with its points and cantillation (and
// a geresh or gershayim inside it), a run of spaces, a line break, a run of one
// punctuation mark ("[[", "==", "'''") or any other single character.
QList<Range> tokens(QStringView text);

// The changes as a unified diff that `patch` applies: the headers name the labels
// without time stamps, lines are written without their CR and end in LF, and a last
// line without a break is followed by "\ No newline at end of file". Empty when
// the texts' lines are equal.
QString unified(const QString &oldText, const QString &newText, const QString &oldLabel, const QString &newLabel,
                int context = 3);

} // namespace TextDiff
