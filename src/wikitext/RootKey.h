#pragma once

#include <QChar>
#include <QString>

#include <optional>

// A root as typed, reduced to what names it: its letters and, after a space, the one
// character that tells roots written alike apart (as in "כתב 2").
struct RootKey
{
    QString letters;        // ends in the space when a distinguishing character follows
    QString distinguishing; // empty for most roots
};

namespace Roots {

// Hyphens and maqafs dropped, then trimmed, final letters made ordinary. Nothing when
// what is left has fewer than 3 or more than 9 code units. The distinguishing
// character is the first after the space that is not blank.
std::optional<RootKey> readKey(const QString &typed);

// The letters with `joiner` between every two; a dotted shin, sin or he counts as one.
QString joinLetters(QString letters, QChar joiner);

} // namespace Roots
