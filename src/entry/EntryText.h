#pragma once

#include <QString>
#include <QStringView>

// Small string helpers the entry readers and several commands share.

namespace EntryText {

// The line break of the editor text and of every document the program writes.
inline const QString LineBreak = QStringLiteral("\r\n");

// Removes every leading and trailing character whose code is below 33 (spaces, tabs,
// CR, LF and the other control characters). Unlike QString::trimmed it keeps
// no-break spaces and other Unicode spaces, and removes control characters.
QString trim(QStringView text);

// The number of non-overlapping occurrences of `sub` in `text`, counted left to right
// (case-sensitive). 0 when either is empty.
int countOccurrences(QStringView sub, QStringView text);

// The n-th field (1-based) of `text` split at `delimiter`; empty fields count. Empty
// when there are fewer than n fields or n is below 1. An empty delimiter splits
// nothing: the whole text is field 1. Any field number is honoured, so a block of
// more than 255 lines is never read with wrapped-around numbers.
QString extractField(QStringView text, QStringView delimiter, int n);

// Whether a hidden note ("<!--" … "-->") is still open at the end of `line`, given
// whether one was open at its start.
bool endsInComment(QStringView line, bool inComment);

// Where the hidden note that holds position `at` ends (behind its "-->"); -1 when
// `at` lies in none, or in one never closed.
qsizetype commentEnd(const QString &text, qsizetype at);

// What a line shows: the line without its hidden notes; a note never closed hides
// the rest of it.
QString withoutNotes(const QString &line);

// The first place at or after `from` where `needle` stands and its unit at `probe`
// lies in no closed hidden note; -1 when there is none.
qsizetype indexOutsideNotes(const QString &text, const QString &needle, qsizetype from, qsizetype probe = 0);

// Where the first section heading `heading` ("===name===") at or after `from` starts,
// also when it is written with spaces inside its equals signs ("=== name ===");
// -1 when there is none. One hidden in a note is none.
qsizetype sectionHeadingAt(const QString &text, const QString &heading, qsizetype from);

} // namespace EntryText
