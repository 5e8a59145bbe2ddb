#include "entry/HeadingMatches.h"

#include "regex/RegEx.h"
#include "wikitext/Hebrew.h"

#include <QHash>

#include <algorithm>

namespace HeadingMatches {

const QString &headwordPattern()
{
    static const QString p = QStringLiteral("==.*[") + Hebrew::Letters + QStringLiteral("].*") + Hebrew::pointClass()
        + QStringLiteral(".*==");
    return p;
}

const QString &entryPattern()
{
    // The readers list the finals after samekh.
    static const QString p = [] {
        QString letters = Hebrew::Letters;
        letters.insert(letters.indexOf(u'ס') + 1, QStringLiteral("םןףךץ"));
        return QStringLiteral("==.*[") + letters + QStringLiteral("].*") + Hebrew::pointClass()
            + QStringLiteral(".*==");
    }();
    return p;
}

namespace {

// Lines with more "==" than this are searched directly instead of listing their pieces.
constexpr qsizetype kMaxListedPairs = 8;
// The shortest heading: "==", a letter, a point, "==".
constexpr qsizetype kShortestHeading = 6;

QList<qsizetype> pairStarts(const QString &s)
{
    QList<qsizetype> starts;
    for (qsizetype at = s.indexOf(u"=="); at >= 0; at = s.indexOf(u"==", at + 1))
        starts.append(at);
    return starts;
}

} // namespace

// Why no search from the start is needed: a match runs from an "==" to the last "=="
// of its line, so wherever its text occurs in the whole text, the engine either
// matched there too (it tries every position outside earlier matches) or that place
// lies inside an earlier match, between two of its "==". Listing, for every match,
// the pieces between two of its "==" gives each text's first occurrence at once.
QList<HeadingMatch> find(RegEx &regex, const QString &pattern, const QString &text)
{
    QList<HeadingMatch> matches;
    if (!regex.setPattern(pattern))
        return matches;
    regex.setSubject(text);
    Utf16Cursor position(regex.subjectUtf8());
    QHash<QStringView, int> firstPiece; // views into `text`
    QList<qsizetype> crowded; // indexes of matches whose pieces are not listed

    for (bool found = regex.first(); found; found = regex.next()) {
        const int unit = int(position.at(regex.matchByteStart()));
        HeadingMatch m{regex.matchedText(), unit, unit};
        const auto listed = firstPiece.constFind(QStringView(m.text));
        if (listed != firstPiece.constEnd())
            m.located = std::min(m.located, listed.value());
        for (qsizetype i : crowded) {
            const qsizetype inside = matches.at(i).text.indexOf(m.text);
            if (inside >= 0) {
                m.located = std::min(m.located, int(matches.at(i).foundAt + inside));
                break;
            }
        }

        const QList<qsizetype> starts = pairStarts(m.text);
        if (starts.size() > kMaxListedPairs) {
            crowded.append(matches.size());
        } else {
            for (qsizetype from : starts) {
                for (qsizetype to : starts) {
                    const qsizetype length = to + 2 - from;
                    if (length < kShortestHeading)
                        continue;
                    const QStringView piece = QStringView(text).sliced(m.foundAt + from, length);
                    if (!firstPiece.contains(piece))
                        firstPiece.insert(piece, m.foundAt + int(from));
                }
            }
        }
        matches.append(m);
    }
    return matches;
}

} // namespace HeadingMatches
