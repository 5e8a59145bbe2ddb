#include "entry/EntryStructure.h"

#include "entry/EntryText.h"
#include "entry/HeadingMatches.h"
#include "regex/RegEx.h"

#include <algorithm>

namespace EntryStructure {

namespace {

const QString kBlankLine = QStringLiteral("\r\n\r\n");
const QString kFurtherQuotesHeading = QStringLiteral("===מובאות נוספות===");

// 1-based start position to a 0-based index to search from.
qsizetype searchFrom(int start)
{
    return start > 0 ? start - 1 : 0;
}

} // namespace

qsizetype blockEnd(RegEx &regex, const QString &text, qsizetype lineStart, BlockKind kind)
{
    qsizetype end = text.size();
    // A heading line ends the block as a blank line does, and so do the rule that
    // separates entries, the root template and the category links that close an
    // entry; the further quotations keep their definition sub-headings. Lines inside
    // a hidden note end nothing.
    bool inComment = false;
    qsizetype nextClose = -1; // the first "-->" after the line, or the length when none
    for (qsizetype at = lineStart;;) {
        const qsizetype lineBreak = text.indexOf(EntryText::LineBreak, at);
        const QStringView line = QStringView(text).sliced(at, (lineBreak < 0 ? text.size() : lineBreak) - at);
        if (!inComment && at >= 2 && line.isEmpty() && lineBreak >= 0) {
            end = at - 2;
            break;
        }
        if (!inComment
            && ((line.startsWith(u'=') && (kind == BlockKind::Definitions || !line.startsWith(u"====")))
                || line.startsWith(u"----") || line.startsWith(RootTemplateStart)
                || line.startsWith(CategoryLinkStart))) {
            end = std::max<qsizetype>(at - 2, 0);
            break;
        }
        if (lineBreak < 0)
            break;
        inComment = EntryText::endsInComment(line, inComment);
        // A note never closed hides nothing.
        if (inComment && nextClose < lineBreak) {
            nextClose = text.indexOf(QStringLiteral("-->"), lineBreak);
            if (nextClose < 0)
                nextClose = text.size();
        }
        if (nextClose == text.size())
            inComment = false;
        at = lineBreak + 2;
    }
    const qsizetype firstBreak = text.indexOf(EntryText::LineBreak, lineStart);
    if (firstBreak < 0 || firstBreak >= end)
        return end;
    // Later lines of the block only: a headword heading there starts another entry,
    // wherever it stands in its line.
    const QString rest = text.mid(firstBreak, end - firstBreak);
    const QList<HeadingMatch> headings = HeadingMatches::find(regex, HeadingMatches::entryPattern(), rest);
    if (!headings.isEmpty())
        end = firstBreak + rest.lastIndexOf(EntryText::LineBreak, headings.first().located);
    return end;
}

namespace {

// The block whose first line begins at `lineStart`; null when it holds nothing.
BlockSpan blockSpan(RegEx &regex, const QString &text, qsizetype lineStart, BlockKind kind)
{
    const qsizetype end = blockEnd(regex, text, lineStart, kind);
    if (end <= lineStart || EntryText::trim(QStringView(text).sliced(lineStart, end - lineStart)).isEmpty())
        return {};
    return {lineStart, std::min(end + 2, text.size())};
}

QString blockText(const QString &text, BlockSpan span)
{
    if (span.isNull())
        return {};
    return EntryText::trim(QStringView(text).sliced(span.at, span.end - span.at)) + EntryText::LineBreak;
}

BlockSpan definitionsSpan(RegEx &regex, const QString &text, int start)
{
    // A text without a heading may open with its first definition line.
    if (searchFrom(start) == 0 && text.startsWith(u'#'))
        return blockSpan(regex, text, 0, BlockKind::Definitions);
    // A definition line hidden in a note is none.
    const qsizetype b = EntryText::indexOutsideNotes(text, QStringLiteral("\r\n#"), searchFrom(start), 2);
    return b < 0 ? BlockSpan() : blockSpan(regex, text, b + 2, BlockKind::Definitions);
}

BlockSpan furtherQuotesSpan(RegEx &regex, const QString &text, int start)
{
    // Spaces left after the heading or inside its equals signs do not hide the section:
    // a second section would be made beside it. One hidden in a note is not the entry's.
    for (qsizetype h = EntryText::sectionHeadingAt(text, kFurtherQuotesHeading, searchFrom(start)); h >= 0;
         h = EntryText::sectionHeadingAt(text, kFurtherQuotesHeading, h + 1)) {
        const qsizetype lineBreak = text.indexOf(EntryText::LineBreak, h);
        if (lineBreak < 0 || !EntryText::trim(QStringView(text).sliced(h, lineBreak - h)).endsWith(u'='))
            continue;
        qsizetype first = lineBreak + EntryText::LineBreak.size();
        // Blank lines between the heading and its first quotation do not end the section.
        qsizetype quotation = first;
        while (QStringView(text).sliced(quotation).startsWith(EntryText::LineBreak))
            quotation += EntryText::LineBreak.size();
        if (quotation > first && startsQuotation(QStringView(text).sliced(quotation)))
            first = quotation;
        return blockSpan(regex, text, first, BlockKind::FurtherQuotes);
    }
    return {};
}

// The lines of a block that ends in a line break, trimmed, except that a hidden note
// opened on one line and closed on a later one keeps those lines together: nothing
// inside it reads as a definition, a sentence or a sub-heading, and nothing written
// back lands inside it. A note the block never closes leaves its lines apart.
QStringList logicalLines(const QString &block)
{
    QList<QStringView> raw = QStringView(block).split(EntryText::LineBreak);
    raw.removeLast();
    QStringList lines;
    qsizetype noteFrom = -1; // the first line of a note still open
    bool inComment = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        inComment = EntryText::endsInComment(raw.at(i), inComment);
        if (inComment && noteFrom < 0)
            noteFrom = i;
        if (inComment)
            continue;
        if (noteFrom < 0) {
            lines.append(EntryText::trim(raw.at(i)));
            continue;
        }
        QString joined = raw.at(noteFrom).toString();
        for (qsizetype j = noteFrom + 1; j <= i; ++j)
            joined += EntryText::LineBreak + raw.at(j).toString();
        lines.append(EntryText::trim(joined));
        noteFrom = -1;
    }
    for (qsizetype j = std::max<qsizetype>(noteFrom, 0); noteFrom >= 0 && j < raw.size(); ++j)
        lines.append(EntryText::trim(raw.at(j)));
    return lines;
}

// A line indented under a definition ("#: …", "##: …") continues it and is no
// definition of its own.
bool isLineUnder(const QString &shown)
{
    const QString line = EntryText::trim(shown);
    qsizetype at = 0;
    while (at < line.size() && line.at(at) == u'#')
        ++at;
    return at > 0 && at < line.size() && line.at(at) == u':';
}

} // namespace

EntryHeading findEntryHeading(RegEx &regex, const QString &text, int caret, HeadingPlace place)
{
    const QList<HeadingMatch> matches = HeadingMatches::find(regex, HeadingMatches::entryPattern(), text);
    const auto position = [place](const HeadingMatch &m) {
        return (place == HeadingPlace::Found ? m.foundAt : m.located) + 1;
    };
    EntryHeading h;
    for (const HeadingMatch &m : matches) {
        if (caret >= position(m))
            h.headingStart = position(m);
    }
    if (h.headingStart == 0 && !matches.isEmpty())
        h.headingStart = position(matches.first());
    h.headingEnd = int(text.size()) + 1;
    for (const HeadingMatch &m : matches) {
        if (position(m) > h.headingStart) {
            h.headingEnd = position(m);
            break;
        }
    }
    return h;
}

qsizetype nextHeading(RegEx &regex, const QString &text, qsizetype from)
{
    // A heading lies within one line, and only a line with two "==" can hold one.
    for (qsizetype lineStart = std::max<qsizetype>(from, 0); lineStart < text.size();) {
        qsizetype lineEnd = text.indexOf(EntryText::LineBreak, lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView line = QStringView(text).sliced(lineStart, lineEnd - lineStart);
        const qsizetype first = line.indexOf(u"==");
        if (first >= 0 && line.lastIndexOf(u"==") >= first + 2) {
            const QList<HeadingMatch> found = HeadingMatches::find(regex, HeadingMatches::entryPattern(),
                                                                   line.toString());
            if (!found.isEmpty())
                return lineStart + found.first().foundAt;
            if (regex.failed())
                return text.size();
        }
        lineStart = lineEnd + EntryText::LineBreak.size();
    }
    return text.size();
}

QString readDefinitionsBlock(RegEx &regex, const QString &text, int start)
{
    return blockText(text, definitionsSpan(regex, text, start));
}

QString readFurtherQuotesBlock(RegEx &regex, const QString &text, int start)
{
    return blockText(text, furtherQuotesSpan(regex, text, start));
}

EntryExamples readEntryExamples(RegEx &regex, const QString &text, int caret)
{
    EntryExamples e;
    const EntryHeading h = findEntryHeading(regex, text, caret, HeadingPlace::Found);
    e.headingStart = h.headingStart;
    e.headingEnd = h.headingEnd;
    const qsizetype entryEnd = h.headingEnd - 1;
    e.definitionsSpan = definitionsSpan(regex, text, h.headingStart);
    if (e.definitionsSpan.at >= entryEnd)
        e.definitionsSpan = {};
    e.furtherQuotesSpan = furtherQuotesSpan(regex, text, h.headingStart);
    if (!e.furtherQuotesSpan.isNull()) {
        // The heading line stands right above the section, past its blank lines.
        qsizetype headingEnd = e.furtherQuotesSpan.at;
        while (headingEnd >= 2 && QStringView(text).sliced(headingEnd - 2, 2) == EntryText::LineBreak)
            headingEnd -= 2;
        e.furtherQuotesHeadingAt = text.lastIndexOf(u'\n', headingEnd - 1) + 1;
        if (e.furtherQuotesHeadingAt >= entryEnd) {
            e.furtherQuotesSpan = {};
            e.furtherQuotesHeadingAt = -1;
        }
    }
    e.definitionsBlock = blockText(text, e.definitionsSpan);
    e.furtherQuotesBlock = blockText(text, e.furtherQuotesSpan);

    const int lines = EntryText::countOccurrences(EntryText::LineBreak, e.definitionsBlock);
    const int exampleLines = EntryText::countOccurrences(u"#:*", e.definitionsBlock);
    int linesUnder = 0;

    int counter = 0;
    for (const QString &line : logicalLines(e.definitionsBlock)) {
        const QString shown = EntryText::withoutNotes(line);
        if (shown.contains(u"#:*")) {
            e.examples.append({QString::number(counter), line, BesideDefinition});
        } else if (isLineUnder(shown)) {
            ++linesUnder;
            e.examples.append({QString::number(counter), line, BesideDefinition});
        } else if (shown.contains(u'#')) {
            ++counter;
            const QString definition = EntryText::trim(QString(line).remove(line.indexOf(u'#'), 1));
            e.definitions.append({QString::number(counter), definition, line});
        } else if (!line.isEmpty()) {
            e.examples.append({QString::number(counter), line, BesideDefinition});
        }
    }

    const int definitionCount = lines - exampleLines - linesUnder;
    QString subHeading = QStringLiteral("0");
    for (const QString &line : logicalLines(e.furtherQuotesBlock)) {
        if (line.isEmpty())
            continue;
        if (definitionCount == 1) {
            e.examples.append({QStringLiteral("1"), line, SeparateSection});
        } else if (EntryText::countOccurrences(u"====", EntryText::withoutNotes(line)) == 2) {
            subHeading = EntryText::trim(QString(line).remove(QStringLiteral("====")));
        } else {
            e.examples.append({subHeading, line, SeparateSection});
        }
    }
    return e;
}

bool startsQuotation(QStringView line)
{
    return line.startsWith(u'*') || line.startsWith(u"====");
}

} // namespace EntryStructure
