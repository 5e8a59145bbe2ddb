#pragma once

#include <QList>
#include <QString>

class RegEx;

// What is wrong in a text of one or more entries, and where: brackets, links and
// tags left open, footnotes without their other half or out of number, sections
// out of the guide's order, unknown, doubled or empty, entries without a
// definition, translations without a language or a word. Hidden notes, <nowiki>,
// <pre> and the tags whose inside is not wiki text are not read. An entry runs
// from its second-level heading to the next; text above the first heading belongs
// to the first entry, as the footnotes commands take it.
namespace EntryCheck {

enum class Code : quint8 {
    TemplateUnclosed,
    TemplateUnopened,
    LinkUnclosed,
    LinkUnopened,
    TagUnclosed,
    ReferenceWithoutNote,
    NoteWithoutReference,
    ReferenceOrder,
    SectionOrder,
    SectionUnknown,
    SectionDuplicate,
    SectionEmpty,
    DefinitionMissing,
    TranslationEmpty,
};

// The code as reports write it, e.g. "template-unclosed".
QString codeName(Code code);

// A command of the program that mends problems of a code, run with the caret on the
// problem: FixReferences is the renumbering of the entry's references ("מספרי
// הפניות", Footnotes::fixReferences).
enum class Mend : quint8 { None, FixReferences };
Mend mendFor(Code code);

struct Problem
{
    Code code = Code::TemplateUnclosed;
    int position = 0; // 0-based, in UTF-16 code units: where a writer would mend it
    int length = 0;
    int line = 0;       // from 1; LF, CR, CR LF and the Unicode separators end a line
    int column = 0;     // from 1, in UTF-16 code units within the line, points included
    QString message;    // Hebrew, naming what is wrong
    QString suggestion; // for an unknown section: the known name a letter or two away
};

struct Result
{
    QList<Problem> problems; // in text order
    // The engine gave up on the footnotes' pattern: reference numbers went unchecked.
    bool engineGaveUp = false;
};

// One pass over the text; the time grows with its length alone.
Result check(RegEx &regex, const QString &text);

} // namespace EntryCheck
