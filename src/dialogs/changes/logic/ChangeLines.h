#pragma once

#include "compare/TextDiff.h"

#include <QList>
#include <QString>

// The lines a window shows for the changes from one text to another: each change's
// removed and added lines with the words changed in them, between a few unchanged
// lines, in groups that each start with a heading line.
namespace ChangeLines {

struct Line
{
    enum class Kind { Heading, Unchanged, Removed, Added };
    Kind kind = Kind::Unchanged;
    QString text; // without its line break; empty for a heading
    // The line's number from 1: in the old text for a removed line, else in the new
    // one (a heading carries the first new line its group shows).
    qsizetype number = 0;
    // The changed words, in positions of `text`.
    QList<TextDiff::Range> words;
    bool operator==(const Line &) const = default;
};

struct View
{
    QList<Line> lines;
    // Where each change's first removed or added line stands in `lines`.
    QList<qsizetype> changes;
};

// Changes whose unchanged lines between them are no more than twice `context` share a
// group, as a unified diff's hunks do.
View build(const QString &oldText, const QString &newText, int context = 3);

} // namespace ChangeLines
