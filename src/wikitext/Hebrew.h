#pragma once

#include "wikitext/EditorState.h"

#include <QChar>
#include <QString>

// The Hebrew character vocabulary every text tool shares.
namespace Hebrew {

// These strings (and the aliases below) are initialised when the program starts, in an
// order no other file controls: never read them from another file's namespace-scope or
// class-static initialiser. Build such values inside a function (a function-local static).

// The 22 base letters in alphabetical order.
extern const QString Letters;
// The five final letters ך ם ן ף ץ.
extern const QString FinalLetters;
// The 14 points and dots the program knows, in the order patterns list them.
extern const QString Points;
// The maqaf, the Hebrew hyphen.
constexpr char16_t Maqaf = 0x05BE;

bool isLetter(QChar c);      // a base letter
bool isFinalLetter(QChar c); // one of the five final letters
bool isPoint(QChar c);       // one of the 14 points
// The base letter of a final letter; any other character comes back unchanged.
QChar finalToBase(QChar c);

} // namespace Hebrew

// The vocabulary under the names the rest of the program's documents use.
inline const QString &HebrewLetters = Hebrew::Letters;
inline const QString &HebrewFinalLetters = Hebrew::FinalLetters;
inline const QString &HebrewPoints = Hebrew::Points;
inline QChar FinalToBase(QChar c)
{
    return Hebrew::finalToBase(c);
}

// Removes the 14 known points; letters, maqaf, cantillation and other marks stay.
QString StripVowelPoints(const QString &text);

// The point replaces the selection and the caret ends after it.
EditorState InsertVowelPoint(const EditorState &state, QChar point);
