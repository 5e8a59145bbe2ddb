#pragma once

#include "wikitext/EditorState.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The translations of a headword as rows of (words, language) and the translations
// template they are written as and read back from.

struct TranslationRow
{
    QString words;    // the words in that language, separated by ", "
    QString language; // the language's Hebrew name
    // What stood after "language: " in a line read from the text, kept as it was so
    // that notes after a translation and separate templates survive a rewrite; empty
    // for a row typed in, which is written from its words.
    QString line = {};

    friend bool operator==(const TranslationRow &a, const TranslationRow &b)
    {
        return a.words == b.words && a.language == b.language && a.line == b.line;
    }
};

namespace Translations {

enum Column { WordsColumn = 0, LanguageColumn = 1 };

// The 62 languages offered, in the order offered.
const QStringList &languages();

// The seven Arabic vowel marks that typed words lose.
extern const QString ArabicMarks;
QString removeArabicMarks(QString words);

enum class Added {
    Nothing,  // no language, or no words
    Extended, // the words joined an existing row; the list keeps its order
    NewRow    // a row was added; the list wants sorting
};

// Adds typed words for a language: to the first row of that language, or as a new
// row at the end. A row read from the text takes them into its last translation
// template. The caller empties its words field unless Nothing was done.
Added add(QList<TranslationRow> &rows, const QString &language, const QString &typedWords);

// Sorts by the text of one column with the locale's comparison; equal rows keep
// their order.
void sort(QList<TranslationRow> &rows, int column);

// The template, one line per row in the given order, with a column break after the
// first half of the lines when there are more than five. A row read from the text
// keeps its line's text.
QString write(const QList<TranslationRow> &rows);

// A written template in place of the selection, the caret after it. What the
// selection holds before a whole template and after its "}}" stays; a selection of
// whole lines ends with a line break, so the line after it stays a line of its own.
EditorState writeInPlace(const EditorState &state, const QString &written);

// The rows of a selected template (its own lines only, when it is selected whole) or
// of bare lines of one, sorted by `sortColumn`;
// nothing when the selection holds no translation. A row shows the words of its
// line's translation templates and the text around them; a translation template
// or a hidden note wrapped over lines keeps them in its row, and so does a line
// under it ("*: …", "** …": a dialect).
std::optional<QList<TranslationRow>> read(const QString &selection, int sortColumn);

} // namespace Translations
