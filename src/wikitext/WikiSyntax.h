#pragma once

#include <QList>
#include <QStringView>

// Wiki markup read one line at a time, as an editor shows it: every character of
// the line falls into one span, and what a line leaves open (a hidden note, a
// template, a table) goes on into the next through a small state. The highlighter
// colours the spans; the spell check reads only the prose ones.
namespace WikiSyntax {

enum class Kind : quint8 {
    Prose,         // text the reader sees: also headings, captions, template values
    HeadingMark,   // the "=" around a heading
    TemplateMark,  // "{{", "}}", "|" and "=" of a template
    TemplateName,  // a template's or parser function's name
    ParameterName, // a named parameter before its "="
    LinkMark,      // "[[", "]]", "[", "]" and the "|" of a link
    LinkTarget,    // the page an internal link goes to
    Address,       // a web address, in brackets or bare
    QuoteMark,     // the apostrophes of bold and italic
    Tag,           // a whole tag, "<ref name=x>", "</small>", "<br />"
    Comment,       // a hidden note, its marks included
    Code,          // the inside of <math> and its kin: no prose
    TableMark,     // table syntax and a cell's attributes
    ListMark,      // "*", "#", ":", ";" at the start of a line
};

// What a prose span is inside of.
enum Style : quint8 {
    Bold = 1,
    Italic = 2,
    Small = 4,
    Reference = 8,
    Heading = 16,
    TemplateValue = 32,
    NoWiki = 64,
    LinkCaption = 128, // the caption of an internal link
};

struct Span
{
    int start = 0;
    int length = 0;
    Kind kind = Kind::Prose;
    quint8 style = 0; // Style bits
    quint8 level = 0; // heading level, or the template depth
};

// The state before the first line. States are never negative, so an editor's
// "unknown" (-1) never passes for one.
constexpr int StartState = 0;

// Splits `line` (no line break in it) into spans and returns the state the next
// line starts in.
int scanLine(QStringView line, int state, QList<Span> *spans);

// Whether the reader sees the span as text to be spelt.
bool isProse(const Span &span);

// A line read as a heading "== … ==": its level, the fewer of the "=" on either side
// (at most 6), and where its name lies between them; level 0 when the line is none.
struct HeadingLine
{
    int level = 0;
    int nameStart = 0;
    int nameEnd = 0;
};
HeadingLine headingLine(QStringView line);

} // namespace WikiSyntax
