#pragma once

#include "wikitext/EditorState.h"

#include <QString>

class RegEx;

// Footnotes of an entry: references "{{הפניה|<number>|<name>}}" in the text, numbered
// 1, 2, … in the order they stand, and note lines "# {{הערה|<name>}} <text>" in the
// same order in the entry's section "===הערות שוליים===".

namespace Footnotes {

extern const QString SectionHeading;
extern const QString InvalidNameMessage;
// Why a footnote cannot go into a text without a definition line.
extern const QString NoDefinitionLineMessage;

// Where the entry under the caret lies, 0-based, end exclusive, its heading taken where
// it stands even when an earlier heading reads the same. The text above the
// first heading belongs to the first entry, so that a reference placed there is
// numbered with that entry's references and its note goes into that entry.
struct EntryRange
{
    int start = 0;
    int end = 0;
};
EntryRange entryRange(RegEx &regex, const QString &text, int caret);

// The references of `section` numbered 1, 2, … in order, whatever their numbers were.
QString renumberReferences(RegEx &regex, const QString &section);

// How many whole references of `text` end at or before `caret`, counted from `start`.
int countReferencesBefore(RegEx &regex, const QString &text, int start, int caret);

// The section with the note line of `name` placed after `earlier` note lines; the
// footnotes section is created when the section has none. A hidden note over several
// lines counts as no note line.
QString insertFootnoteLine(const QString &section, const QString &name, const QString &note, int earlier);

// A name holds none of the characters of wiki markup (angle brackets included) and no
// control character.
bool isValidName(const QString &name);
// A reference of the text already carries the name (letters compared caselessly).
bool isNameTaken(RegEx &regex, const QString &text, const QString &name);

struct AddResult
{
    enum class Outcome { Added, Refused, EngineGaveUp };
    Outcome outcome = Outcome::Refused;
    EditorState state; // when added: the new text, the caret just inside the reference
    QString message;   // when not added
};

// Adds a footnote: its reference at `caret`, the entry's references renumbered, the
// note line placed and the text's spaces tidied. `name` is taken as it is (trimmed
// by the caller); `note` may hold line breaks.
AddResult addFootnote(RegEx &regex, const QString &text, int caret, const QString &name, const QString &note);

// The references of the entry under the caret renumbered; the caret goes to the start.
EditorState fixReferences(RegEx &regex, const EditorState &state);

} // namespace Footnotes
