#include "check/SectionNames.h"

#include "dialogs/guide/logic/EntryGuide.h"
#include "hebrew/Hebrew.h"

#include <QStringList>

#include <algorithm>

namespace SectionNames {

namespace {

// Headings the wiki's entries use beside the guide's: the etymology's newer name,
// derived words, further quotations, footnotes, the old example-sentences section
// the unify command merges, a root page's conjugation table, and a few others
// common on its pages.
const QStringList &otherNames()
{
    static const QStringList names{
        QStringLiteral("גיזרון"),       QStringLiteral("נגזרות"),        QStringLiteral("מובאות נוספות"),
        QStringLiteral("הערות שוליים"), QStringLiteral("משפטים לדוגמה"), QStringLiteral("נטיות הפעלים"),
        QStringLiteral("מידע נוסף"),    QStringLiteral("הערות"),         QStringLiteral("סימוכין"),
        QStringLiteral("ביטויים"),
    };
    return names;
}

// The guide lists its first four parts and its last (the grammar box, pictures,
// definitions, example sentences; the categories) although no heading of their own
// opens them; the ones between stand under headings, in this order.
struct Lists
{
    QStringList known;
    QStringList ordered;
};

const Lists &lists()
{
    static const Lists l = [] {
        Lists out;
        for (const EntryGuide::Section &s : EntryGuide::sections())
            out.known.append(normalized(s.name));
        const qsizetype first = out.known.indexOf(QStringLiteral("מקור"));
        const qsizetype last = out.known.indexOf(QStringLiteral("קישורים חיצוניים"));
        if (first >= 0 && last >= first)
            out.ordered = out.known.mid(first, last - first + 1);
        for (const QString &name : otherNames())
            out.known.append(normalized(name));
        return out;
    }();
    return l;
}

bool isDirectionMark(QChar c)
{
    return c.unicode() == 0x200E || c.unicode() == 0x200F || c.unicode() == 0x061C;
}

// Levenshtein's distance, or `limit` + 1 once it is sure to exceed `limit`.
int distance(QStringView a, QStringView b, int limit)
{
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        int best = row[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > limit)
            return limit + 1;
    }
    return row[b.size()];
}

} // namespace

QString normalized(QStringView name)
{
    QString out;
    out.reserve(name.size());
    bool space = false;
    for (QChar c : name) {
        if (Hebrew::isPoint(c) || isDirectionMark(c))
            continue;
        if (c.isSpace() || c == u'_') {
            space = !out.isEmpty();
            continue;
        }
        if (space)
            out += u' ';
        space = false;
        out += c;
    }
    return out;
}

bool isKnown(const QString &name)
{
    return lists().known.contains(name);
}

int guideRank(const QString &name)
{
    return int(lists().ordered.indexOf(name));
}

QString nearest(const QString &name)
{
    // Two letters make a short name into a different word ("שונות", "תמונות").
    const int limit = name.size() >= 6 ? 2 : 1;
    QString found;
    int best = limit + 1;
    for (const QString &known : lists().known) {
        const int d = distance(name, known, limit);
        if (d < best) {
            best = d;
            found = known;
        }
    }
    return found;
}

} // namespace SectionNames
