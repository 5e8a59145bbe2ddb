#pragma once

#include <QList>
#include <QString>

class RegEx;

// One match of a headword-heading pattern: its text, where the engine found it and
// where the commands take it to be, the first occurrence of its text in the whole
// text (positions 0-based, in UTF-16 code units). The two differ only when the same
// heading text stands earlier, on its own or inside a longer heading line.
struct HeadingMatch
{
    QString text;
    int foundAt = 0;
    int located = 0;
};

namespace HeadingMatches {

// Every match of `pattern` over `text` in order, each search going on behind the
// previous match. `pattern` must be a heading pattern of the form "==.*[…].*[…].*=="
// whose matches lie within one line; `located` is then the first occurrence of the
// match's text, computed without searching the text from the start for each match.
// Stops quietly when the engine gives up (status() tells).
QList<HeadingMatch> find(RegEx &regex, const QString &pattern, const QString &text);

// A headword heading: "==", one of the 22 letters, later one of the 14 points, "==",
// all on one line. The table of contents, unify and the statistics' entry count use it.
const QString &headwordPattern();

// The heading pattern of the entry readers: the 27 letters, finals included.
const QString &entryPattern();

} // namespace HeadingMatches
