#pragma once

#include <QString>
#include <QStringView>

// The third-level headings an entry of the Hebrew Wiktionary holds: the guide's
// sections, in the guide's order, and the others its entries use.
namespace SectionNames {

// A heading's name as names are compared: points and direction marks left out,
// white space trimmed and inner runs of it taken as one space.
QString normalized(QStringView name);

// Whether entries use a heading of this (normalized) name.
bool isKnown(const QString &name);

// Where the guide places a section that stands under a heading of its own
// (0 for the first), or -1 when it does not order this name.
int guideRank(const QString &name);

// The known name nearest to `name`: one letter away, or two from a name of six
// letters or more; empty when none is that near.
QString nearest(const QString &name);

} // namespace SectionNames
