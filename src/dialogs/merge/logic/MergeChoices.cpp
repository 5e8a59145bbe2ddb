#include "dialogs/merge/logic/MergeChoices.h"

#include <utility>

namespace {

using Kind = TextMerge::Region::Kind;

bool endsLine(const QString &text)
{
    return text.endsWith(u'\n') || text.endsWith(u'\r');
}

} // namespace

MergeChoices::MergeChoices(QList<TextMerge::Region> regions, QString mineLabel, QString theirsLabel)
    : m_regions(std::move(regions))
    , m_choices(m_regions.size(), Choice::Open)
    , m_edits(m_regions.size())
    , m_mineLabel(std::move(mineLabel))
    , m_theirsLabel(std::move(theirsLabel))
{
    for (qsizetype i = 0; i < m_regions.size(); ++i) {
        if (m_regions.at(i).kind != Kind::Unchanged)
            m_changed.append(i);
    }
}

void MergeChoices::choose(qsizetype region, Choice choice)
{
    if (m_regions.at(region).kind != Kind::Conflict || choice == Choice::Edited)
        return;
    m_choices[region] = choice;
}

void MergeChoices::edit(qsizetype region, const QString &text)
{
    const TextMerge::Region &r = m_regions.at(region);
    if (r.kind != Kind::Conflict)
        return;
    const bool lastInText = region == m_regions.size() - 1;
    const bool sidesEndLines = endsLine(r.mine) || endsLine(r.theirs);
    m_edits[region] = !text.isEmpty() && sidesEndLines && !lastInText && !endsLine(text) ? text + QStringLiteral("\r\n")
                                                                                         : text;
    m_choices[region] = Choice::Edited;
}

QString MergeChoices::text(qsizetype region) const
{
    const TextMerge::Region &r = m_regions.at(region);
    switch (m_choices.at(region)) {
    case Choice::Open:
        return r.kind == Kind::Conflict ? TextMerge::withMarkers({r}, m_mineLabel, m_theirsLabel) : r.text();
    case Choice::Mine:
        return TextMerge::resolved(r, TextMerge::Keep::Mine);
    case Choice::Theirs:
        return TextMerge::resolved(r, TextMerge::Keep::Theirs);
    case Choice::Both:
        return TextMerge::resolved(r, TextMerge::Keep::Both);
    case Choice::Edited:
        break;
    }
    return m_edits.at(region);
}

qsizetype MergeChoices::openCount() const
{
    qsizetype open = 0;
    for (qsizetype i = 0; i < m_regions.size(); ++i)
        open += m_regions.at(i).kind == Kind::Conflict && m_choices.at(i) == Choice::Open;
    return open;
}

QString MergeChoices::result() const
{
    QString out;
    for (qsizetype i = 0; i < m_regions.size(); ++i)
        out += text(i);
    return out;
}

QList<TextDiff::Range> MergeChoices::places() const
{
    QList<TextDiff::Range> places;
    qsizetype at = 0;
    for (qsizetype i = 0; i < m_regions.size(); ++i) {
        const qsizetype length = text(i).size();
        places.append({at, length});
        at += length;
    }
    return places;
}
