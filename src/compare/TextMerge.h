#pragma once

#include <QList>
#include <QString>

// The three-way merge of two texts from their common base, by lines. Changes of one
// side are taken; changes of both sides that overlap or touch (meet at a line, or
// stand at the same place) are a conflict unless both made the same change, as
// `git merge-file` decides.
namespace TextMerge {

// A stretch of the merge, with its text in each of the three versions.
struct Region
{
    enum class Kind {
        Unchanged, // neither side changed it
        Mine,      // only my side changed it
        Theirs,    // only their side changed it
        Both,      // both sides came to the same text
        Conflict   // the sides changed it differently
    };
    Kind kind = Kind::Unchanged;
    QString base;
    QString mine;
    QString theirs;
    // The stretch's first line in each version, counted from 0.
    qsizetype baseLine = 0;
    qsizetype mineLine = 0;
    qsizetype theirsLine = 0;

    // The merged text of a stretch that is not a conflict.
    QString text() const { return kind == Kind::Theirs ? theirs : mine; }
};

enum class Keep { Mine, Theirs, Both };

// The regions in text order. Lines both sides of a conflict begin or end with alike
// stand apart before or after it as Both; the conflict keeps its whole base.
QList<Region> merge(const QString &mine, const QString &base, const QString &theirs);

qsizetype conflictCount(const QList<Region> &regions);

// A conflict resolved by keeping one side or both (mine first); other regions give
// their text. A side kept before another gets a line break if it lacks one.
QString resolved(const Region &region, Keep keep);

// The merged text, each conflict between `git merge-file`'s marker lines: "<<<<<<<"
// and the label of my side, my lines, "=======", their lines, ">>>>>>>" and theirs.
// A side without a final line break gets one before the next marker; markers end
// in CR LF.
QString withMarkers(const QList<Region> &regions, const QString &mineLabel, const QString &theirsLabel);

} // namespace TextMerge
