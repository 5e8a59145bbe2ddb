#pragma once

#include <QChar>
#include <QString>

// The Hebrew character vocabulary every text tool shares.
namespace Hebrew {

// These strings are initialised when the program starts, in an
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
// Three of the points, which root names treat apart.
constexpr char16_t Dagesh = 0x05BC; // also the mappiq of a final he
constexpr char16_t ShinDot = 0x05C1;
constexpr char16_t SinDot = 0x05C2;

bool isLetter(QChar c);      // a base letter
bool isFinalLetter(QChar c); // one of the five final letters
bool isPoint(QChar c);       // one of the 14 points
// The base letter of a final letter; any other character comes back unchanged.
QChar finalToBase(QChar c);

// The 14 points as a bracketed class, "[" Points "]".
const QString &pointClass();

// Removes the 14 known points; letters, maqaf, cantillation and other marks stay.
QString stripVowelPoints(const QString &text);

} // namespace Hebrew
