#pragma once

#include <QList>
#include <QtGlobal>

#include <vector>

// The changes between two sequences of ids (equal ids, equal elements): what both
// the line and the word comparisons stand on.
namespace SequenceDiff {

// Elements [aStart, aStart + aCount) of `a` became [bStart, bStart + bCount) of `b`.
struct Hunk
{
    qsizetype aStart = 0;
    qsizetype aCount = 0;
    qsizetype bStart = 0;
    qsizetype bCount = 0;
    qsizetype aEnd() const { return aStart + aCount; }
    qsizetype bEnd() const { return bStart + bCount; }
    bool operator==(const Hunk &) const = default;
};

// The runs of changed elements, in order. Elements found once on each side are
// matched first, in the longest run that keeps their order; between them the changes
// are as few as possible. A change that could stand before or after a run of equal
// elements stands where it lines up with a change of the other side, else as late as
// it can, so that merges come out as `git merge-file`'s. A very large stretch
// rearranged without a unique element in common comes out as one replacement rather
// than in quadratic time.
QList<Hunk> compare(const std::vector<int> &a, const std::vector<int> &b);

} // namespace SequenceDiff
