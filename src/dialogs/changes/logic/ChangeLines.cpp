#include "dialogs/changes/logic/ChangeLines.h"

#include "compare/TextLines.h"

namespace {

using ChangeLines::Line;
using TextDiff::Range;

// The parts of `words` inside line `i`, in positions of the line.
QList<Range> wordsIn(const QList<Range> &words, const TextLines &lines, qsizetype i)
{
    const qsizetype start = lines.start(i);
    const qsizetype end = start + lines.content(i).size();
    QList<Range> inside;
    for (const Range &w : words) {
        const qsizetype from = qMax(w.start, start);
        const qsizetype to = qMin(w.end(), end);
        if (from < to)
            inside.append({from - start, to - from});
    }
    return inside;
}

Line lineOf(Line::Kind kind, const TextLines &lines, qsizetype i, const QList<Range> &words = {})
{
    return Line{kind, lines.content(i).toString(), i + 1, wordsIn(words, lines, i)};
}

} // namespace

namespace ChangeLines {

View build(const QString &oldText, const QString &newText, int context)
{
    const QList<TextDiff::Hunk> hunks = TextDiff::compare(oldText, newText);
    TextLines::Ids ids;
    const TextLines oldLines(oldText, ids);
    const TextLines newLines(newText, ids);
    View view;
    qsizetype first = 0;
    while (first < hunks.size()) {
        qsizetype last = first;
        while (last + 1 < hunks.size()
               && hunks.at(last + 1).newLine - hunks.at(last).newLine - hunks.at(last).newCount <= 2 * context)
            ++last;
        const qsizetype from = qMax<qsizetype>(0, hunks.at(first).newLine - context);
        const qsizetype to = qMin(newLines.count(), hunks.at(last).newLine + hunks.at(last).newCount + context);
        view.lines.append(Line{Line::Kind::Heading, QString(), from + 1, {}});
        qsizetype unchanged = from;
        for (qsizetype k = first; k <= last; ++k) {
            const TextDiff::Hunk &h = hunks.at(k);
            for (; unchanged < h.newLine; ++unchanged)
                view.lines.append(lineOf(Line::Kind::Unchanged, newLines, unchanged));
            view.changes.append(view.lines.size());
            for (qsizetype i = h.oldLine; i < h.oldLine + h.oldCount; ++i)
                view.lines.append(lineOf(Line::Kind::Removed, oldLines, i, h.removed));
            for (qsizetype i = h.newLine; i < h.newLine + h.newCount; ++i)
                view.lines.append(lineOf(Line::Kind::Added, newLines, i, h.added));
            unchanged = h.newLine + h.newCount;
        }
        for (; unchanged < to; ++unchanged)
            view.lines.append(lineOf(Line::Kind::Unchanged, newLines, unchanged));
        first = last + 1;
    }
    return view;
}

} // namespace ChangeLines
