#pragma once

#include "wikitext/EditorState.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The Ancient Greek letter pad: its letters, their Latin transliteration by a fixed
// letter table, and the template `יוונית` that carries a word and its transliteration.
namespace GreekLetters {

struct Letter
{
    QChar letter;
    QString transliteration;
};

// The 41 letters of the pad in five rows, each row left to right.
QList<QList<Letter>> padRows();
// The 24 capitals: not on the pad, but transliterated all the same.
QList<Letter> capitals();

// Letter by letter (one UTF-16 code unit each) through the table of the pad's letters
// and the capitals; whatever is not in the table is kept as it is, so breathings,
// other accents and combining marks pass through.
QString transliterate(const QString &greek);

// "{{יוונית|" word "|" transliteration "}}".
QString buildTemplate(const QString &word);

// The word as it is inserted: blanks and control characters dropped at both ends.
QString trimWord(const QString &word);

// The pad's "הוסף": the trimmed word's template in place of the selection, the caret
// after it. Nothing when no word is left after trimming: an empty template is no entry.
std::optional<EditorState> insertion(const EditorState &state, const QString &word);

} // namespace GreekLetters
