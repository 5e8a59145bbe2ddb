#pragma once

#include "wikitext/WikiSyntax.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Which words of wiki text a spell check reads, and the forms it looks them up in.
namespace SpellWords {

struct Word
{
    int start = 0;
    int length = 0;
    friend bool operator==(const Word &a, const Word &b) { return a.start == b.start && a.length == b.length; }
};

// The Hebrew words of the line's prose spans, with their points and any geresh
// inside them. A word that runs into Latin letters or digits is left out: it is
// a name, a code or an address rather than Hebrew.
// Nor are the chapter and verse numerals of a reference read, "יב" and "א" in
// "(יחזקאל יב, א)": letters that stand for numbers there, not words.
QList<Word> findWords(QStringView line, const QList<WikiSyntax::Span> &spans);

// The word without points and cantillation, with a geresh or gershayim in the
// form the dictionary writes them ("'" and '"').
QString plainForm(QStringView word);

// Words no dictionary holds and none is wrong: a lone letter (a prefix before a
// maqaf or a number), numerals such as ה' or תשפ"ד, and the words of the section
// names entries use, such as גיזרון.
bool needsNoCheck(const QString &plain);

// The forms to look a word up in, best first: its plain form; for a pointed word
// also the full spellings its points stand for (a vav for holam and kubuts, a yod
// for hirik, a doubled consonantal vav or yod); for a trailing geresh also the
// word without it, as that may be a closing quotation mark.
QStringList spellings(QStringView word);

// A suggestion for `word`, which the dictionary gives without points, with the points
// of the letters it keeps from the word: the letters of the two are aligned.
QString withPointsOf(QStringView word, const QString &suggestion);

} // namespace SpellWords
