#pragma once

#include "wikitext/EditorState.h"

#include <QList>
#include <QString>

#include <optional>

// The pad of Latin letters with diacritics for the transliteration of Semitic words,
// each with the Hebrew letter or vowel it stands for, and the template `יוניקוד`.
namespace SemiticLetters {

struct Letter
{
    QString letter; // one pad letter may be two code points: a letter and a combining accent
    QString hebrew; // shown to the user only; nothing is computed from it
};

// The 20 letters of the pad in two rows, each row left to right.
QList<QList<Letter>> padRows();

// "{{יוניקוד|" text "}}", the text as typed.
QString buildTemplate(const QString &text);

// The pad's "הוסף": the template in place of the selection, the caret after it. The
// text is not trimmed. Nothing when the text is empty.
std::optional<EditorState> insertion(const EditorState &state, const QString &text);

} // namespace SemiticLetters
