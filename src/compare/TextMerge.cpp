#include "compare/TextMerge.h"

#include "compare/SequenceDiff.h"
#include "compare/TextLines.h"

#include <algorithm>
#include <limits>

namespace {

using Kind = TextMerge::Region::Kind;

QString withBreak(const QString &text)
{
    if (text.isEmpty() || text.endsWith(u'\n') || text.endsWith(u'\r'))
        return text;
    return text + QStringLiteral("\r\n");
}

QString marker(const QString &mark, const QString &label)
{
    return (label.isEmpty() ? mark : mark + u' ' + label) + QStringLiteral("\r\n");
}

// Walks the three texts together, line by line, cutting them into regions.
class Merger
{
public:
    Merger(const QString &mine, const QString &base, const QString &theirs)
        : m_base(base, m_ids)
        , m_mine(mine, m_ids)
        , m_theirs(theirs, m_ids)
    {
    }

    QList<TextMerge::Region> run()
    {
        const QList<SequenceDiff::Hunk> mine = SequenceDiff::compare(m_base.ids(), m_mine.ids());
        const QList<SequenceDiff::Hunk> theirs = SequenceDiff::compare(m_base.ids(), m_theirs.ids());
        constexpr qsizetype kNone = std::numeric_limits<qsizetype>::max();
        qsizetype i = 0, j = 0;
        while (i < mine.size() || j < theirs.size()) {
            const qsizetype start = qMin(i < mine.size() ? mine.at(i).aStart : kNone,
                                         j < theirs.size() ? theirs.at(j).aStart : kNone);
            if (start > m_baseAt)
                add(Kind::Unchanged, start - m_baseAt, start - m_baseAt, start - m_baseAt);
            // The changes of both sides that overlap or touch, one after the other.
            qsizetype end = start, mineGrowth = 0, theirsGrowth = 0;
            bool byMine = false, byTheirs = false;
            for (;;) {
                if (i < mine.size() && mine.at(i).aStart <= end) {
                    end = qMax(end, mine.at(i).aEnd());
                    mineGrowth += mine.at(i).bCount - mine.at(i).aCount;
                    byMine = true;
                    ++i;
                } else if (j < theirs.size() && theirs.at(j).aStart <= end) {
                    end = qMax(end, theirs.at(j).aEnd());
                    theirsGrowth += theirs.at(j).bCount - theirs.at(j).aCount;
                    byTheirs = true;
                    ++j;
                } else {
                    break;
                }
            }
            const qsizetype baseCount = end - start;
            if (!byTheirs)
                add(Kind::Mine, baseCount, baseCount + mineGrowth, baseCount);
            else if (!byMine)
                add(Kind::Theirs, baseCount, baseCount, baseCount + theirsGrowth);
            else
                addOverlap(baseCount, baseCount + mineGrowth, baseCount + theirsGrowth);
        }
        const qsizetype rest = m_base.count() - m_baseAt;
        if (rest > 0)
            add(Kind::Unchanged, rest, rest, rest);
        return m_regions;
    }

private:
    bool sameLine(qsizetype mineLine, qsizetype theirsLine) const
    {
        return m_mine.ids()[size_t(mineLine)] == m_theirs.ids()[size_t(theirsLine)];
    }

    void addOverlap(qsizetype baseCount, qsizetype mineCount, qsizetype theirsCount)
    {
        qsizetype head = 0;
        while (head < mineCount && head < theirsCount && sameLine(m_mineAt + head, m_theirsAt + head))
            ++head;
        if (head == mineCount && head == theirsCount) {
            add(Kind::Both, baseCount, mineCount, theirsCount);
            return;
        }
        qsizetype tail = 0;
        while (tail < mineCount - head && tail < theirsCount - head
               && sameLine(m_mineAt + mineCount - 1 - tail, m_theirsAt + theirsCount - 1 - tail))
            ++tail;
        if (head > 0)
            add(Kind::Both, 0, head, head);
        add(Kind::Conflict, baseCount, mineCount - head - tail, theirsCount - head - tail);
        if (tail > 0)
            add(Kind::Both, 0, tail, tail);
    }

    void add(Kind kind, qsizetype baseCount, qsizetype mineCount, qsizetype theirsCount)
    {
        TextMerge::Region r;
        r.kind = kind;
        r.base = m_base.text(m_baseAt, baseCount);
        r.mine = m_mine.text(m_mineAt, mineCount);
        r.theirs = kind == Kind::Both ? r.mine : m_theirs.text(m_theirsAt, theirsCount);
        r.baseLine = m_baseAt;
        r.mineLine = m_mineAt;
        r.theirsLine = m_theirsAt;
        m_baseAt += baseCount;
        m_mineAt += mineCount;
        m_theirsAt += theirsCount;
        m_regions.append(r);
    }

    TextLines::Ids m_ids;
    const TextLines m_base;
    const TextLines m_mine;
    const TextLines m_theirs;
    qsizetype m_baseAt = 0;
    qsizetype m_mineAt = 0;
    qsizetype m_theirsAt = 0;
    QList<TextMerge::Region> m_regions;
};

} // namespace

namespace TextMerge {

QList<Region> merge(const QString &mine, const QString &base, const QString &theirs)
{
    return Merger(mine, base, theirs).run();
}

qsizetype conflictCount(const QList<Region> &regions)
{
    return std::count_if(regions.begin(), regions.end(), [](const Region &r) { return r.kind == Kind::Conflict; });
}

QString resolved(const Region &region, Keep keep)
{
    if (region.kind != Kind::Conflict)
        return region.text();
    switch (keep) {
    case Keep::Mine:
        return region.mine;
    case Keep::Theirs:
        return region.theirs;
    case Keep::Both:
        break;
    }
    return withBreak(region.mine) + region.theirs;
}

QString withMarkers(const QList<Region> &regions, const QString &mineLabel, const QString &theirsLabel)
{
    QString out;
    for (const Region &r : regions) {
        if (r.kind != Kind::Conflict) {
            out += r.text();
            continue;
        }
        out += marker(QStringLiteral("<<<<<<<"), mineLabel);
        out += withBreak(r.mine);
        out += marker(QStringLiteral("======="), QString());
        out += withBreak(r.theirs);
        out += marker(QStringLiteral(">>>>>>>"), theirsLabel);
    }
    return out;
}

} // namespace TextMerge
