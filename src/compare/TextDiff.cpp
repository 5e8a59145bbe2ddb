#include "compare/TextDiff.h"

#include "compare/SequenceDiff.h"
#include "compare/TextLines.h"

#include <QHash>

namespace {

// Beyond this many tokens on both sides a run of changed lines is compared line by
// line, each with the line at its place on the other side.
constexpr qsizetype kBlockTokens = 4000;

char32_t codePointAt(QStringView text, qsizetype i, qsizetype *width)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *width = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    *width = 1;
    return c.unicode();
}

bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

bool isSpace(char32_t c)
{
    return c != u'\r' && c != u'\n' && QChar::isSpace(c);
}

bool isLetterAt(QStringView text, qsizetype i)
{
    qsizetype width = 0;
    return i < text.size() && QChar::isLetter(codePointAt(text, i, &width));
}

struct Tokens
{
    QList<TextDiff::Range> ranges; // in the whole text
    std::vector<int> ids;
};

Tokens tokensOf(const QString &text, TextDiff::Range range, QHash<QStringView, int> &ids)
{
    Tokens result;
    const QStringView view = QStringView(text).mid(range.start, range.length);
    for (const TextDiff::Range &t : TextDiff::tokens(view)) {
        const QStringView token = view.mid(t.start, t.length);
        const auto it = ids.constFind(token);
        result.ids.push_back(it == ids.constEnd() ? *ids.insert(token, int(ids.size())) : *it);
        result.ranges.append({range.start + t.start, t.length});
    }
    return result;
}

// Adds `r` to `ranges`, joined to the last one when they meet.
void append(QList<TextDiff::Range> &ranges, TextDiff::Range r)
{
    if (!ranges.isEmpty() && ranges.last().end() == r.start)
        ranges.last().length += r.length;
    else
        ranges.append(r);
}

void compareWords(const Tokens &a, const Tokens &b, TextDiff::Hunk &hunk)
{
    for (const SequenceDiff::Hunk &h : SequenceDiff::compare(a.ids, b.ids)) {
        for (qsizetype i = h.aStart; i < h.aEnd(); ++i)
            append(hunk.removed, a.ranges.at(i));
        for (qsizetype i = h.bStart; i < h.bEnd(); ++i)
            append(hunk.added, b.ranges.at(i));
    }
}

TextDiff::Range linesRange(const TextLines &lines, qsizetype first, qsizetype count)
{
    return {lines.start(first), lines.start(first + count) - lines.start(first)};
}

QList<TextDiff::Hunk> hunksOf(const TextLines &oldLines, const TextLines &newLines)
{
    QList<TextDiff::Hunk> hunks;
    for (const SequenceDiff::Hunk &h : SequenceDiff::compare(oldLines.ids(), newLines.ids())) {
        TextDiff::Hunk hunk;
        hunk.oldLine = h.aStart;
        hunk.oldCount = h.aCount;
        hunk.newLine = h.bStart;
        hunk.newCount = h.bCount;
        hunk.oldRange = linesRange(oldLines, h.aStart, h.aCount);
        hunk.newRange = linesRange(newLines, h.bStart, h.bCount);
        hunks.append(hunk);
    }
    return hunks;
}

QString hunkRange(qsizetype start, qsizetype count)
{
    // An empty range is named by the line before it, as diff -u does.
    if (count == 0)
        return QStringLiteral("%1,0").arg(start);
    if (count == 1)
        return QString::number(start + 1);
    return QStringLiteral("%1,%2").arg(start + 1).arg(count);
}

void appendLine(QString &out, QChar mark, const TextLines &lines, qsizetype i)
{
    out += mark;
    out += lines.content(i);
    out += u'\n';
    if (!lines.hasBreak(i))
        out += QStringLiteral("\\ No newline at end of file\n");
}

} // namespace

namespace TextDiff {

QList<Range> tokens(QStringView text)
{
    QList<Range> result;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        qsizetype width = 0;
        const char32_t c = codePointAt(text, i, &width);
        i += width;
        if (c == u'\r') {
            if (i < text.size() && text.at(i) == u'\n')
                ++i;
        } else if (isWordCharacter(c)) {
            while (i < text.size()) {
                const char32_t d = codePointAt(text, i, &width);
                // A geresh or gershayim belongs to the word it ends or stands in; so
                // does a quotation mark or apostrophe with a letter after it (ד"ר),
                // which a doubled one ('' of the markup) never has.
                const bool joins = isWordCharacter(d) || d == u'\u05F3' || d == u'\u05F4'
                    || ((d == u'"' || d == u'\'') && isLetterAt(text, i + 1));
                if (!joins)
                    break;
                i += width;
            }
        } else if (isSpace(c)) {
            while (i < text.size() && isSpace(codePointAt(text, i, &width)))
                i += width;
        } else if (c != u'\n' && width == 1) {
            while (i < text.size() && text.at(i) == text.at(start))
                ++i;
        }
        result.append({start, i - start});
    }
    return result;
}

QList<Hunk> changedLines(const QString &oldText, const QString &newText)
{
    TextLines::Ids ids;
    return hunksOf(TextLines(oldText, ids), TextLines(newText, ids));
}

QList<Hunk> compare(const QString &oldText, const QString &newText)
{
    TextLines::Ids ids;
    const TextLines oldLines(oldText, ids);
    const TextLines newLines(newText, ids);
    QList<Hunk> hunks = hunksOf(oldLines, newLines);
    for (Hunk &hunk : hunks) {
        QHash<QStringView, int> words;
        const Tokens a = tokensOf(oldText, hunk.oldRange, words);
        const Tokens b = tokensOf(newText, hunk.newRange, words);
        if (a.ids.size() + b.ids.size() <= size_t(kBlockTokens)) {
            compareWords(a, b, hunk);
            continue;
        }
        const qsizetype pairs = qMin(hunk.oldCount, hunk.newCount);
        for (qsizetype k = 0; k < pairs; ++k) {
            QHash<QStringView, int> lineWords;
            compareWords(tokensOf(oldText, linesRange(oldLines, hunk.oldLine + k, 1), lineWords),
                         tokensOf(newText, linesRange(newLines, hunk.newLine + k, 1), lineWords), hunk);
        }
        if (hunk.oldCount > pairs)
            append(hunk.removed, linesRange(oldLines, hunk.oldLine + pairs, hunk.oldCount - pairs));
        if (hunk.newCount > pairs)
            append(hunk.added, linesRange(newLines, hunk.newLine + pairs, hunk.newCount - pairs));
    }
    return hunks;
}

QString unified(const QString &oldText, const QString &newText, const QString &oldLabel, const QString &newLabel,
                int context)
{
    TextLines::Ids ids;
    const TextLines a(oldText, ids);
    const TextLines b(newText, ids);
    const QList<SequenceDiff::Hunk> hunks = SequenceDiff::compare(a.ids(), b.ids());
    if (hunks.isEmpty())
        return {};
    QString out = QStringLiteral("--- %1\n+++ %2\n").arg(oldLabel, newLabel);
    qsizetype first = 0;
    while (first < hunks.size()) {
        // Changes no more than two contexts apart share a hunk, as their contexts meet.
        qsizetype last = first;
        while (last + 1 < hunks.size() && hunks.at(last + 1).aStart - hunks.at(last).aEnd() <= 2 * context)
            ++last;
        const SequenceDiff::Hunk &h0 = hunks.at(first);
        const SequenceDiff::Hunk &h1 = hunks.at(last);
        const qsizetype before = qMin<qsizetype>(context, h0.aStart);
        const qsizetype after = qMin<qsizetype>(context, a.count() - h1.aEnd());
        const qsizetype aStart = h0.aStart - before;
        const qsizetype bStart = h0.bStart - before;
        out += QStringLiteral("@@ -%1 +%2 @@\n")
                   .arg(hunkRange(aStart, h1.aEnd() + after - aStart), hunkRange(bStart, h1.bEnd() + after - bStart));
        qsizetype common = aStart;
        for (qsizetype k = first; k <= last; ++k) {
            const SequenceDiff::Hunk &h = hunks.at(k);
            for (; common < h.aStart; ++common)
                appendLine(out, u' ', a, common);
            for (qsizetype i = h.aStart; i < h.aEnd(); ++i)
                appendLine(out, u'-', a, i);
            for (qsizetype i = h.bStart; i < h.bEnd(); ++i)
                appendLine(out, u'+', b, i);
            common = h.aEnd();
        }
        for (; common < h1.aEnd() + after; ++common)
            appendLine(out, u' ', a, common);
        first = last + 1;
    }
    return out;
}

} // namespace TextDiff
