#pragma once

#include "compare/TextDiff.h"
#include "compare/TextMerge.h"

#include <QList>
#include <QString>

// A merge as the user settles it: for each conflict, my side, theirs, both, or a text
// of the user's own; every other region keeps what the merge gave it.
class MergeChoices
{
public:
    enum class Choice { Open, Mine, Theirs, Both, Edited };

    // The labels of the marker lines that stand around a conflict still open.
    MergeChoices(QList<TextMerge::Region> regions, QString mineLabel, QString theirsLabel);

    const QList<TextMerge::Region> &regions() const { return m_regions; }
    // The regions either side changed, the ones a user is shown, as indices of regions().
    const QList<qsizetype> &changed() const { return m_changed; }

    Choice choice(qsizetype region) const { return m_choices.at(region); }
    // On a conflict only; Edited is set by edit().
    void choose(qsizetype region, Choice choice);
    // The user's own text for a conflict. A text that lacks the line break the sides
    // end in gets one, so that the next line stays a line of its own.
    void edit(qsizetype region, const QString &text);

    // The region's text in the result; an open conflict shows both sides between
    // the marker lines.
    QString text(qsizetype region) const;
    qsizetype openCount() const;
    // The whole text, each region in turn.
    QString result() const;
    // Where each region stands in result().
    QList<TextDiff::Range> places() const;

private:
    QList<TextMerge::Region> m_regions;
    QList<qsizetype> m_changed;
    QList<Choice> m_choices;
    QList<QString> m_edits;
    QString m_mineLabel;
    QString m_theirsLabel;
};
