#include "entry/EntryStructure.h"

#include "entry/EntryText.h"
#include "entry/HeadingMatches.h"
#include "regex/RegEx.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kBlankLine = QStringLiteral("\r\n\r\n");
const QString kFurtherQuotesHeading = QStringLiteral("===מובאות נוספות===\r\n");

// 1-based start position to a 0-based index to search from.
qsizetype searchFrom(int start)
{
    return start > 0 ? start - 1 : 0;
}

// The end of a block whose first line begins at `lineStart` (0-based) and which sits
// behind the line break at `lineStart - 2`: the first blank line, the line break
// before the next headword heading line, or the end of the text. An empty block (a
// blank line right away) ends before it starts.
qsizetype blockEnd(RegEx &regex, const QString &text, qsizetype lineStart)
{
    const qsizetype blank = text.indexOf(kBlankLine, lineStart - 2);
    qsizetype end = blank < 0 ? text.size() : blank;
    const qsizetype firstBreak = text.indexOf(kLineBreak, lineStart);
    if (firstBreak < 0 || firstBreak >= end)
        return end;
    // Later lines of the block only: a heading there starts another entry.
    const QString rest = text.mid(firstBreak, end - firstBreak);
    const QList<HeadingMatch> headings = FindHeadingMatches(regex, EntryHeadingPattern, rest);
    if (!headings.isEmpty())
        end = firstBreak + rest.lastIndexOf(kLineBreak, headings.first().located);
    return end;
}

QString readBlock(RegEx &regex, const QString &text, qsizetype lineStart)
{
    const qsizetype end = blockEnd(regex, text, lineStart);
    if (end <= lineStart)
        return {};
    const QString block = Trim(QStringView(text).sliced(lineStart, end - lineStart));
    return block.isEmpty() ? QString() : block + kLineBreak;
}

} // namespace

EntryHeading FindEntryHeading(RegEx &regex, const QString &text, int caret)
{
    const QList<HeadingMatch> matches = FindHeadingMatches(regex, EntryHeadingPattern, text);
    EntryHeading h;
    for (const HeadingMatch &m : matches) {
        if (caret >= m.located + 1)
            h.HeadingStart = m.located + 1;
    }
    if (h.HeadingStart == 0 && !matches.isEmpty())
        h.HeadingStart = matches.first().located + 1;
    h.HeadingEnd = int(text.size()) + 1;
    for (const HeadingMatch &m : matches) {
        if (m.located + 1 > h.HeadingStart) {
            h.HeadingEnd = m.located + 1;
            break;
        }
    }
    return h;
}

QString ReadDefinitionsBlock(RegEx &regex, const QString &text, int start)
{
    const qsizetype b = text.indexOf(QStringLiteral("\r\n#"), searchFrom(start));
    if (b < 0)
        return {};
    return readBlock(regex, text, b + 2);
}

QString ReadFurtherQuotesBlock(RegEx &regex, const QString &text, int start)
{
    const qsizetype h = text.indexOf(kFurtherQuotesHeading, searchFrom(start));
    if (h < 0)
        return {};
    return readBlock(regex, text, h + kFurtherQuotesHeading.size());
}

EntryExamples ReadEntryExamples(RegEx &regex, const QString &text, int caret)
{
    EntryExamples e;
    const EntryHeading h = FindEntryHeading(regex, text, caret);
    e.HeadingStart = h.HeadingStart;
    e.HeadingEnd = h.HeadingEnd;
    e.DefinitionsBlock = ReadDefinitionsBlock(regex, text, h.HeadingStart);
    e.FurtherQuotesBlock = ReadFurtherQuotesBlock(regex, text, h.HeadingStart);

    const int lines = CountOccurrences(kLineBreak, e.DefinitionsBlock);
    const int exampleLines = CountOccurrences(u"#:*", e.DefinitionsBlock);
    const int definitionCount = lines - exampleLines;
    if (definitionCount <= 0)
        return e;

    // Both blocks end in a line break, so the piece after the last one is left out.
    QList<QStringView> blockLines = QStringView(e.DefinitionsBlock).split(kLineBreak);
    blockLines.removeLast();
    int counter = 0;
    for (QStringView raw : blockLines) {
        const QString line = Trim(raw);
        if (line.contains(u"#:*")) {
            e.examples.append({QString::number(counter), line, BesideDefinition});
        } else if (line.contains(u'#')) {
            ++counter;
            e.definitions.append({QString::number(counter), Trim(QString(line).remove(line.indexOf(u'#'), 1))});
        }
    }

    if (e.FurtherQuotesBlock.isEmpty())
        return e;
    QList<QStringView> quoteLines = QStringView(e.FurtherQuotesBlock).split(kLineBreak);
    quoteLines.removeLast();
    QString subHeading = QStringLiteral("0");
    for (QStringView raw : quoteLines) {
        const QString line = Trim(raw);
        if (definitionCount == 1) {
            e.examples.append({QStringLiteral("1"), line, SeparateSection});
        } else if (CountOccurrences(u"====", line) == 2) {
            subHeading = Trim(QString(line).remove(QStringLiteral("====")));
        } else if (!line.isEmpty()) {
            e.examples.append({subHeading, line, SeparateSection});
        }
    }
    return e;
}
