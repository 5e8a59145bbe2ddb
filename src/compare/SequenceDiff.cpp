#include "compare/SequenceDiff.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <unordered_map>

namespace {

using Ids = std::vector<int>;
using Flags = std::vector<char>;
using Indices = std::vector<qsizetype>;

// The O(NP) comparison costs about (M + N) times the smaller side's changes. A
// stretch without a unique line in common dearer than this (a second or so) is
// taken as replaced.
constexpr qint64 kMaxCost = 200'000'000;
constexpr int kAnchorDepth = 4;

struct Work
{
    const Ids &a;
    const Ids &b;
    Flags changedA;
    Flags changedB;
};

void markAll(Flags &changed, const Indices &which)
{
    for (qsizetype i : which)
        changed[size_t(i)] = 1;
}

void compareDirect(Work &w, const Indices &ia, const Indices &ib)
{
    Ids ra, rb;
    ra.reserve(ia.size());
    rb.reserve(ib.size());
    for (qsizetype i : ia)
        ra.push_back(w.a[size_t(i)]);
    for (qsizetype i : ib)
        rb.push_back(w.b[size_t(i)]);
    dtl::Diff<int> diff(ra, rb);
    diff.compose();
    for (const auto &element : diff.getSes().getSequence()) {
        if (element.second.type == dtl::SES_DELETE)
            w.changedA[size_t(ia[size_t(element.second.beforeIdx - 1)])] = 1;
        else if (element.second.type == dtl::SES_ADD)
            w.changedB[size_t(ib[size_t(element.second.afterIdx - 1)])] = 1;
    }
}

// The pairs of elements that occur once on each side, longest run in the same order
// (patience sorting): none of them can be wrong to keep.
std::vector<std::pair<size_t, size_t>> uniqueAnchors(const Ids &ra, const Ids &rb)
{
    std::unordered_map<int, std::pair<qsizetype, qsizetype>> seen; // id -> count in a, position in a
    seen.reserve(ra.size());
    for (size_t i = 0; i < ra.size(); ++i) {
        auto &s = seen[ra[i]];
        ++s.first;
        s.second = qsizetype(i);
    }
    std::unordered_map<int, std::pair<qsizetype, qsizetype>> seenB;
    seenB.reserve(rb.size());
    for (size_t j = 0; j < rb.size(); ++j) {
        auto &s = seenB[rb[j]];
        ++s.first;
        s.second = qsizetype(j);
    }
    std::vector<std::pair<size_t, size_t>> pairs; // by position in a
    for (size_t i = 0; i < ra.size(); ++i) {
        const auto it = seen.find(ra[i]);
        const auto jt = seenB.find(ra[i]);
        if (it->second.first == 1 && jt != seenB.end() && jt->second.first == 1)
            pairs.emplace_back(i, size_t(jt->second.second));
    }
    // Longest increasing run of positions in b.
    std::vector<size_t> tails;                     // index into pairs of the smallest tail per length
    std::vector<qsizetype> previous(pairs.size()); // the pair before, in the run
    for (size_t k = 0; k < pairs.size(); ++k) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), pairs[k].second,
                                         [&](size_t t, size_t value) { return pairs[t].second < value; });
        previous[k] = at == tails.begin() ? -1 : qsizetype(*(at - 1));
        if (at == tails.end())
            tails.push_back(k);
        else
            *at = k;
    }
    std::vector<std::pair<size_t, size_t>> anchors;
    for (qsizetype k = tails.empty() ? -1 : qsizetype(tails.back()); k >= 0; k = previous[size_t(k)])
        anchors.push_back(pairs[size_t(k)]);
    std::reverse(anchors.begin(), anchors.end());
    return anchors;
}

void compareStretch(Work &w, Indices ia, Indices ib, int depth)
{
    // Equal ends are never changes.
    size_t head = 0;
    while (head < ia.size() && head < ib.size() && w.a[size_t(ia[head])] == w.b[size_t(ib[head])])
        ++head;
    size_t tail = 0;
    while (tail < ia.size() - head && tail < ib.size() - head
           && w.a[size_t(ia[ia.size() - 1 - tail])] == w.b[size_t(ib[ib.size() - 1 - tail])])
        ++tail;
    ia = Indices(ia.begin() + qsizetype(head), ia.end() - qsizetype(tail));
    ib = Indices(ib.begin() + qsizetype(head), ib.end() - qsizetype(tail));
    if (ia.empty() || ib.empty()) {
        markAll(w.changedA, ia);
        markAll(w.changedB, ib);
        return;
    }

    // An element the other side lacks is changed whatever else happens; leaving it
    // out keeps the comparison as short as the changes are few.
    std::unordered_map<int, char> inA, inB;
    inA.reserve(ia.size());
    inB.reserve(ib.size());
    for (qsizetype i : ia)
        inA[w.a[size_t(i)]] = 1;
    for (qsizetype i : ib)
        inB[w.b[size_t(i)]] = 1;
    Indices ka, kb;
    for (qsizetype i : ia) {
        if (inB.count(w.a[size_t(i)]))
            ka.push_back(i);
        else
            w.changedA[size_t(i)] = 1;
    }
    for (qsizetype i : ib) {
        if (inA.count(w.b[size_t(i)]))
            kb.push_back(i);
        else
            w.changedB[size_t(i)] = 1;
    }
    if (ka.empty() || kb.empty()) {
        markAll(w.changedA, ka);
        markAll(w.changedB, kb);
        return;
    }

    // Elements found once on each side hold the comparison in place: a line that
    // belongs to one place is not given up for a blank line that happens to stand
    // elsewhere too (git's comparison keeps it as well), and the stretches between
    // them stay short.
    if (depth < kAnchorDepth) {
        Ids ra, rb;
        for (qsizetype i : ka)
            ra.push_back(w.a[size_t(i)]);
        for (qsizetype i : kb)
            rb.push_back(w.b[size_t(i)]);
        const auto anchors = uniqueAnchors(ra, rb);
        if (!anchors.empty()) {
            size_t fromA = 0, fromB = 0;
            for (size_t k = 0; k <= anchors.size(); ++k) {
                const size_t toA = k < anchors.size() ? anchors[k].first : ka.size();
                const size_t toB = k < anchors.size() ? anchors[k].second : kb.size();
                compareStretch(w, Indices(ka.begin() + qsizetype(fromA), ka.begin() + qsizetype(toA)),
                               Indices(kb.begin() + qsizetype(fromB), kb.begin() + qsizetype(toB)), depth + 1);
                fromA = toA + 1;
                fromB = toB + 1;
            }
            return;
        }
    }
    const qint64 cost = qint64(ka.size() + kb.size()) * qint64(std::min(ka.size(), kb.size()));
    if (cost <= kMaxCost) {
        compareDirect(w, ka, kb);
    } else {
        markAll(w.changedA, ka);
        markAll(w.changedB, kb);
    }
}

// A run of changed elements with the unchanged element after it (or the end); the
// runs of both sides pair up one to one, the unchanged elements between them being
// the same on both.
struct Group
{
    qsizetype start = 0;
    qsizetype end = 0;
};

struct Side
{
    const Ids &ids;
    Flags &changed;
    qsizetype size() const { return qsizetype(ids.size()); }
    bool isChanged(qsizetype i) const { return changed[size_t(i)] != 0; }

    Group first() const
    {
        Group g;
        while (g.end < size() && isChanged(g.end))
            ++g.end;
        return g;
    }
    bool next(Group &g) const
    {
        if (g.end == size())
            return false;
        g.start = g.end + 1;
        g.end = g.start;
        while (g.end < size() && isChanged(g.end))
            ++g.end;
        return true;
    }
    bool previous(Group &g) const
    {
        if (g.start == 0)
            return false;
        g.end = g.start - 1;
        g.start = g.end;
        while (g.start > 0 && isChanged(g.start - 1))
            --g.start;
        return true;
    }
    bool slideDown(Group &g)
    {
        if (g.end >= size() || ids[size_t(g.start)] != ids[size_t(g.end)])
            return false;
        changed[size_t(g.start++)] = 0;
        changed[size_t(g.end++)] = 1;
        while (g.end < size() && isChanged(g.end))
            ++g.end;
        return true;
    }
    bool slideUp(Group &g)
    {
        if (g.start == 0 || ids[size_t(g.start - 1)] != ids[size_t(g.end - 1)])
            return false;
        changed[size_t(--g.start)] = 1;
        changed[size_t(--g.end)] = 0;
        while (g.start > 0 && isChanged(g.start - 1))
            --g.start;
        return true;
    }
};

// Moves each run of changes that could stand earlier or later to where it lines up
// with a change of the other side, else as late as it goes: the placement git's own
// comparison settles on, so that merges agree with it.
void settle(Side x, Side other)
{
    Group g = x.first();
    Group go = other.first();
    for (;;) {
        if (g.end != g.start) {
            qsizetype size = 0;
            qsizetype earliestEnd = 0;
            qsizetype endMatchingOther = -1;
            do {
                size = g.end - g.start;
                endMatchingOther = -1;
                while (x.slideUp(g))
                    other.previous(go);
                earliestEnd = g.end;
                if (go.end > go.start)
                    endMatchingOther = g.end;
                while (x.slideDown(g)) {
                    other.next(go);
                    if (go.end > go.start)
                        endMatchingOther = g.end;
                }
            } while (size != g.end - g.start);
            if (g.end != earliestEnd && endMatchingOther != -1) {
                while (go.end == go.start && x.slideUp(g))
                    other.previous(go);
            }
        }
        if (!x.next(g) || !other.next(go))
            break;
    }
}

} // namespace

namespace SequenceDiff {

QList<Hunk> compare(const Ids &a, const Ids &b)
{
    Work w{a, b, Flags(a.size(), 0), Flags(b.size(), 0)};
    Indices ia(a.size()), ib(b.size());
    for (size_t i = 0; i < a.size(); ++i)
        ia[i] = qsizetype(i);
    for (size_t j = 0; j < b.size(); ++j)
        ib[j] = qsizetype(j);
    compareStretch(w, std::move(ia), std::move(ib), 0);
    settle(Side{a, w.changedA}, Side{b, w.changedB});
    settle(Side{b, w.changedB}, Side{a, w.changedA});

    QList<Hunk> hunks;
    const qsizetype n = qsizetype(a.size()), m = qsizetype(b.size());
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && !w.changedA[size_t(i)] && !w.changedB[size_t(j)]) {
            ++i;
            ++j;
            continue;
        }
        Hunk h{i, 0, j, 0};
        while (i < n && w.changedA[size_t(i)])
            ++i;
        while (j < m && w.changedB[size_t(j)])
            ++j;
        if (i == h.aStart && j == h.bStart) { // the sides no longer pair up: never expected
            i = n;
            j = m;
        }
        h.aCount = i - h.aStart;
        h.bCount = j - h.bStart;
        hunks.append(h);
    }
    return hunks;
}

} // namespace SequenceDiff
