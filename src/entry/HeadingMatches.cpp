#include "entry/HeadingMatches.h"

#include "regex/RegEx.h"

#include <QHash>

#include <algorithm>

const QString EntryHeadingPattern = QStringLiteral(
    "==.*[\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6\u05D7\u05D8\u05D9\u05DB\u05DC\u05DE\u05E0\u05E1"
    "\u05DD\u05DF\u05E3\u05DA\u05E5\u05E2\u05E4\u05E6\u05E7\u05E8\u05E9\u05EA].*["
    "\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05C2\u05C1\u05B9\u05BC\u05BB].*==");

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
QList<HeadingMatch> FindHeadingMatches(RegEx &regex, const QString &pattern, const QString &text)
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
