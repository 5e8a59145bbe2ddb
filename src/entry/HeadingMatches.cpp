#include "entry/HeadingMatches.h"

#include "hebrew/Hebrew.h"
#include "regex/RegEx.h"

#include <QHash>

#include <algorithm>
#include <numeric>

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

QList<qsizetype> pairStarts(QStringView s)
{
    QList<qsizetype> starts;
    for (qsizetype at = s.indexOf(u"=="); at >= 0; at = s.indexOf(u"==", at + 1))
        starts.append(at);
    return starts;
}

// Many sequences of numbers looked for at once (Aho and Corasick's automaton): in one
// pass over other sequences it reports where each first ends.
class SequenceFinder
{
public:
    SequenceFinder() { m_nodes.append(Node{}); }

    qsizetype size() const { return m_nodes.size(); }

    // The node that stands for the sequence (not empty); equal sequences share one.
    int add(const int *symbols, qsizetype count)
    {
        int node = 0;
        for (qsizetype i = 0; i < count; ++i) {
            int next = step(node, symbols[i]);
            if (next < 0) {
                next = int(m_nodes.size());
                m_nodes.append(Node{node, symbols[i], m_nodes.at(node).depth + 1});
                m_next.insert(key(node, symbols[i]), next);
            }
            node = next;
        }
        m_nodes[node].added = true;
        return node;
    }

    // Links every node to its longest proper suffix that is also a node, shallower
    // nodes first.
    void build()
    {
        int deepest = 0;
        for (const Node &n : m_nodes)
            deepest = std::max(deepest, n.depth);
        QList<qsizetype> firstOfDepth(deepest + 2, 0);
        for (const Node &n : m_nodes)
            ++firstOfDepth[n.depth + 1];
        std::partial_sum(firstOfDepth.cbegin(), firstOfDepth.cend(), firstOfDepth.begin());
        QList<int> byDepth(m_nodes.size());
        for (int node = 0; node < m_nodes.size(); ++node)
            byDepth[firstOfDepth[m_nodes.at(node).depth]++] = node;

        for (int node : byDepth) {
            Node &n = m_nodes[node];
            if (n.depth <= 1)
                continue; // the root and its children fall back to the root
            int suffix = m_nodes.at(n.parent).suffix;
            while (suffix > 0 && step(suffix, n.symbol) < 0)
                suffix = m_nodes.at(suffix).suffix;
            n.suffix = std::max(step(suffix, n.symbol), 0);
            const Node &s = m_nodes.at(n.suffix);
            n.addedSuffix = s.added ? n.suffix : s.addedSuffix;
        }
    }

    // Calls found(node, start) for every added sequence that ends in these symbols and
    // was not found before; `start` is the index of its first symbol.
    template <typename Found> void scan(const int *symbols, qsizetype count, Found found)
    {
        int node = 0;
        for (qsizetype i = 0; i < count; ++i) {
            while (node > 0 && step(node, symbols[i]) < 0)
                node = m_nodes.at(node).suffix;
            node = std::max(step(node, symbols[i]), 0);
            // A node already found had every added suffix of it found with it.
            for (int end = m_nodes.at(node).added ? node : m_nodes.at(node).addedSuffix;
                 end > 0 && !m_nodes.at(end).found; end = m_nodes.at(end).addedSuffix) {
                m_nodes[end].found = true;
                found(end, i + 1 - m_nodes.at(end).depth);
            }
        }
    }

private:
    struct Node
    {
        int parent = 0;
        int symbol = 0;
        int depth = 0;
        int suffix = 0;
        int addedSuffix = -1;
        bool added = false;
        bool found = false;
    };

    static quint64 key(int node, int symbol) { return (quint64(quint32(node)) << 32) | quint32(symbol); }
    int step(int node, int symbol) const { return m_next.value(key(node, symbol), -1); }

    QList<Node> m_nodes;
    QHash<quint64, int> m_next;
};

} // namespace

// Why no search from the start is needed: a match runs from the first "==" of its
// line to the last one, so wherever its text occurs in the whole text, the engine
// either matched there too (it tries every position outside earlier matches) or that
// place lies inside an earlier match, from one of its "==" to another. Cut at their
// "==", a match is a sequence of pieces, each from one "==" up to the next, and such
// an occurrence is a run of the same pieces in an earlier match. Numbering the pieces
// turns the search for all matches into one pass over all of them; a match holding a
// piece that no earlier match holds cannot stand earlier and is not looked for.
QList<HeadingMatch> find(RegEx &regex, const QString &pattern, const QString &text)
{
    QList<HeadingMatch> matches;
    if (!regex.setPattern(pattern))
        return matches;
    regex.setSubject(text);
    Utf16Cursor position(regex.subjectUtf8());
    for (bool found = regex.first(); found; found = regex.next()) {
        const int unit = int(position.at(regex.matchByteStart()));
        matches.append(HeadingMatch{regex.matchedText(), unit, unit});
    }

    // The pieces of all matches, one after the other: those of match k start at
    // firstPiece[k], and piece i begins at pieceStart[i] in the text.
    QHash<QStringView, int> pieceNumbers; // views into `text`
    QList<int> pieces;
    QList<int> pieceStart;
    QList<qsizetype> firstPiece(matches.size() + 1, 0);
    QList<int> nodes(matches.size(), -1);
    SequenceFinder finder;
    for (qsizetype k = 0; k < matches.size(); ++k) {
        const HeadingMatch &m = matches.at(k);
        const QList<qsizetype> pairs = pairStarts(m.text);
        const int known = int(pieceNumbers.size());
        bool onlyKnown = true;
        for (qsizetype i = 0; i + 1 < pairs.size(); ++i) {
            const int start = m.foundAt + int(pairs.at(i));
            const QStringView piece = QStringView(text).sliced(start, pairs.at(i + 1) - pairs.at(i));
            auto number = pieceNumbers.constFind(piece);
            if (number == pieceNumbers.constEnd())
                number = pieceNumbers.insert(piece, int(pieceNumbers.size()));
            onlyKnown = onlyKnown && number.value() < known;
            pieces.append(number.value());
            pieceStart.append(start);
        }
        firstPiece[k + 1] = pieces.size();
        const qsizetype count = firstPiece.at(k + 1) - firstPiece.at(k);
        if (count == 0) // fewer than two "==": not the kind of pattern this is for
            matches[k].located = int(text.indexOf(m.text));
        else if (onlyKnown)
            nodes[k] = finder.add(pieces.constData() + firstPiece.at(k), count);
    }
    finder.build();
    QList<int> firstAt(finder.size(), -1);
    for (qsizetype k = 0; k < matches.size(); ++k) {
        const qsizetype first = firstPiece.at(k);
        finder.scan(pieces.constData() + first, firstPiece.at(k + 1) - first,
                    [&](int node, qsizetype start) { firstAt[node] = pieceStart.at(first + start); });
        if (nodes.at(k) >= 0)
            matches[k].located = firstAt.at(nodes.at(k));
    }
    return matches;
}

} // namespace HeadingMatches
