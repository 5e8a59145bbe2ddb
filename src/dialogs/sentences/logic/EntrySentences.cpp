#include "dialogs/sentences/logic/EntrySentences.h"

#include "entry/EntryStructure.h"
#include "entry/EntryText.h"
#include "regex/RegEx.h"
#include "wikitext/Cleanup.h"

#include <QHash>

#include <optional>

namespace Sentences {

namespace {

const QString QuotesHeading = QStringLiteral("===מובאות נוספות===");

// Where a block read from `before` lies in `now`: the same place when the text is
// unchanged, else the copy nearest to `near`.
std::optional<BlockSpan> relocate(const QString &before, BlockSpan span, const QString &now, qsizetype near,
                                  bool unchanged)
{
    if (unchanged)
        return span;
    const QStringView piece = QStringView(before).sliced(span.at, span.end - span.at);
    near = std::clamp<qsizetype>(near, 0, now.size());
    const qsizetype after = QStringView(now).indexOf(piece, near);
    const qsizetype earlier = near > 0 ? QStringView(now).lastIndexOf(piece, near - 1) : -1;
    qsizetype at = after;
    if (earlier >= 0 && (after < 0 || near - earlier < after - near))
        at = earlier;
    if (at < 0)
        return std::nullopt;
    return BlockSpan{at, at + piece.size()};
}

struct Blocks
{
    QString definitions;
    QString quotes; // the section's lines, without its heading
};

Blocks buildBlocks(const QList<DefinitionItem> &definitions, QList<ExampleRow> rows)
{
    const int n = int(definitions.size());
    sort(rows);
    for (ExampleRow &r : rows)
        r.number = normalisedNumber(r.number, n);
    sort(rows);

    Blocks b;
    const QString &beside = EntryStructure::BesideDefinition;
    if (n == 0) {
        for (const ExampleRow &r : rows) {
            if (r.placement == beside)
                b.definitions += r.line + EntryText::LineBreak;
        }
    }
    // The sentences beside each definition, gathered in one pass; "0" are those above
    // the first definition line, which stay there.
    QHash<QString, QString> besideLines;
    for (const ExampleRow &r : rows) {
        if (n > 0 && r.placement == beside)
            besideLines[r.number] += r.line + EntryText::LineBreak;
    }
    b.definitions += besideLines.value(QStringLiteral("0"));
    for (int d = 1; d <= n; ++d) {
        // The definition line as it was read: the table never changes it.
        b.definitions += definitions.at(d - 1).line + EntryText::LineBreak;
        b.definitions += besideLines.value(QString::number(d));
    }

    QString group = QStringLiteral("0");
    bool pending = false;
    for (const ExampleRow &r : rows) {
        if (r.number != group) {
            group = r.number;
            pending = true;
        }
        if (r.placement != EntryStructure::SeparateSection)
            continue;
        if (pending && n > 1)
            b.quotes += QStringLiteral("====") + group + QStringLiteral("====") + EntryText::LineBreak;
        b.quotes += r.line + EntryText::LineBreak;
        pending = false;
    }
    return b;
}

// A new section of further quotations in the entry that ends at `entryEnd`: after the
// definitions, or after the source or commentators section that follows them, each
// ended by a blank line or by the next heading line, root template or category link.
void insertSection(RegEx &regex, QString &text, qsizetype definitionsAt, qsizetype entryEnd, const QString &quotes)
{
    qsizetype place = definitionsAt;
    for (const QString &heading : {QStringLiteral("===מקור==="), QStringLiteral("===פרשנים מפרשים===")}) {
        const qsizetype at = text.indexOf(heading, place);
        if (at >= 0 && at < entryEnd)
            place = at;
    }
    if (place != definitionsAt) {
        const qsizetype lineBreak = text.indexOf(EntryText::LineBreak, place);
        place = lineBreak < 0 ? text.size() : lineBreak + 2;
    }
    const QString section = QuotesHeading + EntryText::LineBreak + quotes + EntryText::LineBreak;
    const qsizetype end = EntryStructure::blockEnd(regex, text, place, EntryStructure::BlockKind::Definitions);
    const QStringView after = QStringView(text).sliced(std::min(end, text.size()));
    if (after.startsWith(QStringLiteral("\r\n\r\n")) && end + 4 <= entryEnd) {
        text.insert(end + 4, section);
        return;
    }
    // A line that ends the block (a heading, the root template) stands right under it.
    if (after.startsWith(EntryText::LineBreak) && end + 2 < entryEnd) {
        text.insert(end + 2, section);
        return;
    }
    // Nothing closes that part of the entry: the section goes at its end.
    QString glue;
    const QStringView head = QStringView(text).first(entryEnd);
    if (!head.endsWith(EntryText::LineBreak))
        glue = EntryText::LineBreak + EntryText::LineBreak;
    else if (!head.endsWith(QStringLiteral("\r\n\r\n")))
        glue = EntryText::LineBreak;
    text.insert(entryEnd, glue + section);
}

// The clean-ups of a write-back, over a piece that begins at a line start.
std::optional<QString> cleanUp(RegEx &regex, const QString &piece)
{
    QString text = Cleanup::fixSpaces(regex, EditorState{piece, 0, 0}).text;
    if (regex.failed())
        return std::nullopt;
    // A section left without quotations goes, but not one whose quotations stand
    // after a blank line under its heading.
    const QString emptySection = QuotesHeading + QStringLiteral("\r\n\r\n");
    for (qsizetype at = text.indexOf(emptySection); at >= 0; at = text.indexOf(emptySection, at)) {
        QStringView after = QStringView(text).sliced(at + emptySection.size());
        while (after.startsWith(EntryText::LineBreak))
            after = after.sliced(EntryText::LineBreak.size());
        if (EntryStructure::startsQuotation(after))
            at += emptySection.size();
        else
            text.remove(at, emptySection.size());
    }
    text.replace(QStringLiteral("\r\n\r\n\r\n"), QStringLiteral("\r\n\r\n"));
    return text;
}

} // namespace

EntrySentences read(RegEx &regex, const EditorState &state)
{
    EntrySentences s;
    s.readText = state.text;
    s.read = EntryStructure::readEntryExamples(regex, state.text, state.selStart);
    s.definitions = s.read.definitions;
    for (const ExampleItem &item : s.read.examples)
        s.examples.append({QString(), item.number, item.line, item.placement});
    sort(s.examples);
    return s;
}

bool addSentence(QList<ExampleRow> &rows, NewSentence &sentence, const QString &clipboard)
{
    // Each field makes part of one line, so a line break in one (given on the command
    // line) is taken as the dialog takes a pasted one.
    for (QString *field : {&sentence.text, &sentence.source, &sentence.work, &sentence.author})
        *field = pastedSentence(*field);
    if (sentence.text.isEmpty())
        return false;
    // Zero stands for the lines read from above the first definition, which a new
    // sentence does not join.
    if (sentence.definition.isEmpty() || normalisedNumber(sentence.definition, 1) == u"0")
        sentence.definition = QStringLiteral("1");
    const QString line = buildLine(sentence, clipboard);
    if (line.isEmpty())
        return false;
    appendRow(rows, sentence.definition, line, sentence.placement);
    return true;
}

SentencesWriteBack writeBack(RegEx &regex, const EditorState &current, const EntrySentences &s)
{
    SentencesWriteBack result;
    result.state = current;
    if (!s.hasDefinitionsBlock()) {
        result.status = SentencesWriteBack::NotFound;
        return result;
    }
    const QString &now = current.text;
    const bool unchanged = now == s.readText;
    const std::optional<BlockSpan> definitions = relocate(s.readText, s.read.definitionsSpan, now,
                                                          s.read.definitionsSpan.at, unchanged);
    std::optional<BlockSpan> quotes;
    if (definitions && !s.read.furtherQuotesSpan.isNull()) {
        const qsizetype shift = definitions->at - s.read.definitionsSpan.at;
        quotes = relocate(s.readText, s.read.furtherQuotesSpan, now, s.read.furtherQuotesSpan.at + shift, unchanged);
        if (quotes && quotes->at < definitions->end)
            quotes.reset();
    }
    if (!definitions || (!s.read.furtherQuotesSpan.isNull() && !quotes)) {
        result.status = SentencesWriteBack::NotFound;
        return result;
    }
    const qsizetype entryEnd = unchanged ? qsizetype(s.read.headingEnd - 1)
                                         : EntryStructure::nextHeading(regex, now, definitions->at);

    Blocks blocks = buildBlocks(s.definitions, s.examples);
    // A block that ran to the end of the text without a line break ends so again.
    const auto keepLastLine = [&now](BlockSpan span, QString &block) {
        if (!QStringView(now).sliced(span.at, span.end - span.at).endsWith(EntryText::LineBreak)
            && block.endsWith(EntryText::LineBreak))
            block.chop(EntryText::LineBreak.size());
    };
    keepLastLine(*definitions, blocks.definitions);
    if (quotes)
        keepLastLine(*quotes, blocks.quotes);
    QString text = now;
    if (quotes) {
        // The heading line may end in spaces.
        const qsizetype headingAt = text.lastIndexOf(QuotesHeading, quotes->at);
        if (blocks.quotes.isEmpty() && headingAt >= 0
            && EntryText::trim(QStringView(text).sliced(headingAt, quotes->at - headingAt)) == QuotesHeading)
            text.remove(headingAt, quotes->end - headingAt);
        else
            text.replace(quotes->at, quotes->end - quotes->at, blocks.quotes);
    }
    text.replace(definitions->at, definitions->end - definitions->at, blocks.definitions);
    const qsizetype newEntryEnd = entryEnd + blocks.definitions.size() - (definitions->end - definitions->at);
    if (!quotes && !blocks.quotes.isEmpty())
        insertSection(regex, text, definitions->at, std::clamp<qsizetype>(newEntryEnd, 0, text.size()), blocks.quotes);

    // Cleaned on either side of the definitions' start, so the caret can go there.
    const std::optional<QString> head = cleanUp(regex, text.first(definitions->at));
    const std::optional<QString> tail = head ? cleanUp(regex, text.sliced(definitions->at)) : std::nullopt;
    if (!tail) {
        result.status = SentencesWriteBack::EngineGaveUp;
        return result;
    }
    result.state = EditorState{*head + *tail, int(head->size()), 0};
    return result;
}

} // namespace Sentences
