#pragma once

#include <QList>
#include <QString>

class RegEx;

// Where the entry under the caret lies. Positions are 1-based; headingStart 0 means
// the text has no heading, and headingEnd is the length plus 1 when the entry runs to
// the end. The entry is the text from headingStart up to, not including, headingEnd.
struct EntryHeading
{
    int headingStart = 0;
    int headingEnd = 0;
};

struct DefinitionItem
{
    QString number; // "1", "2", … in order of the definition lines
    QString text;   // the definition line without its first "#", trimmed
    QString line;   // the whole line, trimmed, as it stands in the text
};

struct ExampleItem
{
    QString number;    // the definition it belongs to
    QString line;      // the whole wiki line, trimmed, marker included
    QString placement; // BesideDefinition or SeparateSection

    friend bool operator==(const ExampleItem &a, const ExampleItem &b)
    {
        return a.number == b.number && a.line == b.line && a.placement == b.placement;
    }
};

// Where a block lies, 0-based: its first line starts at `at`, and `end` is behind the
// line break after its last line (or the end of the text). `at` is -1 when there is none.
struct BlockSpan
{
    qsizetype at = -1;
    qsizetype end = -1;

    bool isNull() const { return at < 0; }
};

struct EntryExamples
{
    int headingStart = 0;
    int headingEnd = 0;
    QString definitionsBlock;
    QString furtherQuotesBlock;
    BlockSpan definitionsSpan;
    BlockSpan furtherQuotesSpan;
    qsizetype furtherQuotesHeadingAt = -1; // where the section's heading line starts
    QList<DefinitionItem> definitions;
    QList<ExampleItem> examples;
};

namespace EntryStructure {

inline const QString BesideDefinition = QStringLiteral("ליד ההגדרה");
inline const QString SeparateSection = QStringLiteral("סעיף נפרד");
// What closes an entry, below its sections: the root template and the category links.
inline const QString RootTemplateStart = QStringLiteral("{{שורש|");
inline const QString CategoryLinkStart = QStringLiteral("[[קטגוריה:");

// Where a heading is taken to stand: where its text first occurs in the whole text,
// so that two identical heading lines both stand at the first, or where it is.
enum class HeadingPlace { FirstOccurrence, Found };

// The entry under `caret` (0-based). Headings are located by their text unless
// `place` says otherwise.
EntryHeading findEntryHeading(RegEx &regex, const QString &text, int caret,
                              HeadingPlace place = HeadingPlace::FirstOccurrence);

// Where the first headword heading at or after `from` (0-based, a line start) stands,
// 0-based; the length of the text when there is none. Reads only as far as that.
qsizetype nextHeading(RegEx &regex, const QString &text, qsizetype from);

enum class BlockKind {
    Definitions,  // ended by any heading line
    FurtherQuotes // holds its definition sub-headings ("====2====")
};

// Where the block whose first line begins at `lineStart` (0-based) ends: at the line
// break before the first blank line, heading line, rule line ("----"), root template
// line or category link line after its first line, before the next headword heading
// line, or at the end of the text. Blank and heading lines inside a closed hidden note do not end it.
qsizetype blockEnd(RegEx &regex, const QString &text, qsizetype lineStart, BlockKind kind);

// The definition lines from the first "\r\n#" at or after `start` (1-based, 0 for the
// beginning, where the text's first line counts too) up to where blockEnd ends it,
// trimmed, with "\r\n" after them; empty when there is no definition
// line. A block never runs into the next entry: it ends before the next headword
// heading line, or at the end of the text.
QString readDefinitionsBlock(RegEx &regex, const QString &text, int start);

// The lines of the first "===מובאות נוספות===" section at or after `start`, trimmed,
// with "\r\n" after them; empty when there is none or it holds no line. Ends like
// readDefinitionsBlock, except that its "====" sub-headings do not end it, nor do
// blank lines between the heading and its first quotation or sub-heading. A section
// hidden in a note is passed over.
QString readFurtherQuotesBlock(RegEx &regex, const QString &text, int start);

// Whether `line` opens with what the further-quotes section holds: a quotation ("*")
// or a definition's sub-heading ("====").
bool startsQuotation(QStringView line);

// The definitions and example sentences of the entry under `caret`, the one whose
// heading really stands above it, even when an earlier heading reads the same. Blocks of any
// length are read line by line; none is cut at 255 lines. Only the entry's own blocks
// are read: a definitions block or further-quotes section of a later entry is not
// this entry's. Every line of the definitions block gives an item, so that nothing
// read is dropped when written back: example lines and lines without "#" are
// examples beside the definition above them ("0" above the first one), even when
// the block has no definition line at all. Lines are read without their hidden notes,
// and a note over several lines is one item, so that nothing written back lands inside it.
EntryExamples readEntryExamples(RegEx &regex, const QString &text, int caret);

} // namespace EntryStructure
