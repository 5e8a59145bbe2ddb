#include "wikitext/Cleanup.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"
#include "regex/RegEx.h"

#include <QSet>

#include <algorithm>
#include <optional>

namespace Cleanup {

const QString &lineEndSpacePattern()
{
    static const QString p = QStringLiteral("\\S\\s[^\r\n]+\r\n");
    return p;
}

const QString &emptyLineRunPattern()
{
    static const QString p = QStringLiteral("(\r\n){3,100}");
    return p;
}

// Each class keeps its own order of the final letters, so the pattern reads as given.
const QString &missingSpacePattern()
{
    static const QString p = QStringLiteral("[#;*.,!?][\"{<") + Hebrew::Letters + QStringLiteral("פםףךץ")
        + Hebrew::Points + QLatin1Char(']');
    return p;
}

const QString &letterHyphenPattern()
{
    static const QString p = QLatin1Char('[') + Hebrew::Letters + QStringLiteral("םןךץף") + Hebrew::Points
        + QStringLiteral("]-");
    return p;
}

namespace {

struct Match
{
    QString text;
    qsizetype at = 0; // where the engine found it, in UTF-16 code units
};

// Every match of the pattern over `text`, in order, behind one another.
QList<Match> allMatches(RegEx &regex, const QString &pattern, const QString &text)
{
    QList<Match> matches;
    if (!regex.setPattern(pattern))
        return matches;
    regex.setSubject(text);
    Utf16Cursor position(regex.subjectUtf8());
    for (bool found = regex.first(); found; found = regex.next()) {
        matches.append({regex.matchedText(), position.at(regex.matchByteStart())});
    }
    return matches;
}

// Replacing each match at its own place gives what replacing the first occurrence in
// the working copy gives, when every line break is CR LF and every match that changes
// anything begins with a character above U+0020. A match is then the tail of one line
// from its first non-space followed by a space, and an earlier line that could still
// hold it as its tail would have had a match of its own ending in the same white
// space, which was removed before.
bool lineBreaksAreCrLf(const QString &text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\r') {
            if (i + 1 >= n || text.at(i + 1) != u'\n')
                return false;
            ++i;
        } else if (c == u'\n') {
            return false;
        }
    }
    return true;
}

// The working copy with the first occurrence of each match replaced, one after the
// other. Used only for texts where matching places cannot be trusted.
QString replaceFirstOccurrences(QString w, const QList<Match> &matches, const QStringList &replacements)
{
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const qsizetype at = w.indexOf(matches.at(i).text);
        if (at >= 0)
            w.replace(at, matches.at(i).text.size(), replacements.at(i));
    }
    return w;
}

QString removeLineEndSpaces(const QString &text, const QList<Match> &matches)
{
    QStringList replacements;
    replacements.reserve(matches.size());
    for (const Match &m : matches)
        replacements.append(EntryText::trim(m.text) + QStringLiteral("\r\n"));
    bool inPlace = lineBreaksAreCrLf(text);
    for (qsizetype i = 0; inPlace && i < matches.size(); ++i)
        inPlace = matches.at(i).text.at(0).unicode() > 0x20 || replacements.at(i) == matches.at(i).text;
    if (!inPlace)
        return replaceFirstOccurrences(text, matches, replacements);

    QString w;
    w.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype i = 0; i < matches.size(); ++i) {
        if (replacements.at(i) == matches.at(i).text)
            continue;
        w.append(QStringView(text).sliced(copied, matches.at(i).at - copied));
        w.append(replacements.at(i));
        copied = matches.at(i).at + matches.at(i).text.size();
    }
    w.append(QStringView(text).sliced(copied));
    return w;
}

// The first position whose value is at least k, in a tree of maxima over run lengths.
class FirstAtLeast
{
public:
    explicit FirstAtLeast(const QList<int> &values)
    {
        while (m_size < values.size())
            m_size *= 2;
        m_tree.fill(0, 2 * m_size);
        for (qsizetype i = 0; i < values.size(); ++i)
            m_tree[m_size + i] = values.at(i);
        for (qsizetype i = m_size - 1; i >= 1; --i)
            m_tree[i] = std::max(m_tree[2 * i], m_tree[2 * i + 1]);
    }
    qsizetype find(int k) const
    {
        if (m_tree.at(1) < k)
            return -1;
        qsizetype i = 1;
        while (i < m_size)
            i = m_tree.at(2 * i) >= k ? 2 * i : 2 * i + 1;
        return i - m_size;
    }
    int value(qsizetype index) const { return m_tree.at(m_size + index); }
    void set(qsizetype index, int value)
    {
        qsizetype i = m_size + index;
        m_tree[i] = value;
        for (i /= 2; i >= 1; i /= 2)
            m_tree[i] = std::max(m_tree[2 * i], m_tree[2 * i + 1]);
    }

private:
    qsizetype m_size = 1;
    QList<int> m_tree;
};

// Each match is a run of k CR LF pairs (3 to 100) of the starting text; its first
// occurrence in the working copy is the start of the first run there that holds at
// least k pairs, which then shrinks to k - 2 pairs fewer. Runs never merge or split,
// so only their lengths need following.
QString shortenEmptyLineRuns(const QString &w, const QList<Match> &matches)
{
    QList<qsizetype> starts;
    QList<int> lengths;
    const qsizetype n = w.size();
    for (qsizetype i = 0; i + 1 < n;) {
        if (w.at(i) != u'\r' || w.at(i + 1) != u'\n') {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i + 1 < n && w.at(i) == u'\r' && w.at(i + 1) == u'\n')
            i += 2;
        const int pairs = int((i - start) / 2);
        if (pairs >= 3) {
            starts.append(start);
            lengths.append(pairs);
        }
    }
    if (starts.isEmpty())
        return w;

    FirstAtLeast runs(lengths);
    for (const Match &m : matches) {
        const int k = int(m.text.size() / 2);
        const qsizetype run = runs.find(k);
        if (run >= 0)
            runs.set(run, runs.value(run) - k + 2);
    }

    QString result;
    result.reserve(n);
    qsizetype copied = 0;
    for (qsizetype r = 0; r < starts.size(); ++r) {
        result.append(QStringView(w).sliced(copied, starts.at(r) - copied));
        result.append(QStringLiteral("\r\n").repeated(runs.value(r)));
        copied = starts.at(r) + 2 * qsizetype(lengths.at(r));
    }
    result.append(QStringView(w).sliced(copied));
    return result;
}

// \s of the patterns: the ASCII white space, line breaks included.
bool isPatternSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= 0x09 && u <= 0x0D);
}

struct ScannedLineEnds
{
    QString text;
    bool matched = false;
};

// The line-end pattern's work on a text whose line breaks are all CR LF, done by
// walking its lines: there each match lies within one line, from the first
// non-space that a space follows (with something after that) to the line break.
// Nothing when a match would begin with a control character, which the trimming
// would take away too; the literal way handles that.
std::optional<ScannedLineEnds> scanLineEndSpaces(const QString &text)
{
    ScannedLineEnds result;
    const qsizetype n = text.size();
    qsizetype copied = 0;
    for (qsizetype lineStart = 0; lineStart < n;) {
        const qsizetype lineEnd = text.indexOf(u'\r', lineStart);
        if (lineEnd < 0)
            break;
        qsizetype k = lineStart;
        while (k + 1 < lineEnd && (isPatternSpace(text.at(k)) || !isPatternSpace(text.at(k + 1))))
            ++k;
        if (k + 2 < lineEnd) {
            result.matched = true;
            if (text.at(k).unicode() < 0x21)
                return std::nullopt;
            qsizetype end = lineEnd;
            while (text.at(end - 1).unicode() < 0x21)
                --end;
            if (end < lineEnd) {
                result.text.append(QStringView(text).sliced(copied, end - copied));
                copied = lineEnd;
            }
        }
        lineStart = lineEnd + 2;
    }
    if (copied == 0)
        result.text = text;
    else
        result.text.append(QStringView(text).sliced(copied));
    return result;
}

// The empty-line pattern's matches on such a text: each run of three or more line
// breaks in pieces of at most a hundred, as the greedy pattern takes them.
QList<Match> scanEmptyLineRuns(const QString &text)
{
    QList<Match> runs;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i + 1 < n;) {
        if (text.at(i) != u'\r') {
            ++i;
            continue;
        }
        qsizetype start = i;
        while (i + 1 < n && text.at(i) == u'\r' && text.at(i + 1) == u'\n')
            i += 2;
        for (qsizetype pairs = (i - start) / 2; pairs >= 3;) {
            const qsizetype taken = std::min<qsizetype>(pairs, 100);
            runs.append({QStringLiteral("\r\n").repeated(taken), start});
            start += 2 * taken;
            pairs -= taken;
        }
        if (i == start)
            ++i;
    }
    return runs;
}

EditorState withText(const QString &text)
{
    return EditorState{text, 0, 0};
}

} // namespace

EditorState fixSpaces(RegEx &regex, const EditorState &state)
{
    const QString &start = state.text;
    if (lineBreaksAreCrLf(start)) {
        // The editor's own texts: the same result without the engine, which on a long
        // page spends most of its time handing over matches.
        if (const std::optional<ScannedLineEnds> scanned = scanLineEndSpaces(start)) {
            // Callers read the engine's state afterwards, as after every clean-up.
            if (!regex.setPattern(emptyLineRunPattern()))
                return state;
            const QList<Match> runs = scanEmptyLineRuns(start);
            if (!scanned->matched && runs.isEmpty())
                return state;
            return withText(runs.isEmpty() ? scanned->text : shortenEmptyLineRuns(scanned->text, runs));
        }
    }
    QString w = start;
    bool changed = false;

    const QList<Match> lineEnds = allMatches(regex, lineEndSpacePattern(), start);
    if (regex.failed())
        return state;
    if (!lineEnds.isEmpty()) {
        w = removeLineEndSpaces(start, lineEnds);
        changed = true;
    }
    // The runs are matched in the starting text but replaced in the working copy.
    const QList<Match> runs = allMatches(regex, emptyLineRunPattern(), start);
    if (regex.failed())
        return state;
    if (!runs.isEmpty()) {
        w = shortenEmptyLineRuns(w, runs);
        changed = true;
    }
    return changed ? withText(w) : state;
}

EditorState fixPunctuation(RegEx &regex, const EditorState &state)
{
    const QString &start = state.text;
    QString w = start;
    bool changed = false;

    // A mark and the character after it never overlap another such pair, and the
    // inserted space makes no new one, so each pair is found at its own place.
    const QList<Match> pairs = allMatches(regex, missingSpacePattern(), start);
    if (regex.failed())
        return state;
    if (!pairs.isEmpty()) {
        w.clear();
        w.reserve(start.size() + pairs.size());
        qsizetype copied = 0;
        for (const Match &m : pairs) {
            w.append(QStringView(start).sliced(copied, m.at + 1 - copied));
            w.append(u' ');
            copied = m.at + 1;
        }
        w.append(QStringView(start).sliced(copied));
        changed = true;
    }

    const QList<Match> hyphens = allMatches(regex, letterHyphenPattern(), start);
    if (regex.failed())
        return state;
    if (hyphens.isEmpty())
        return changed ? withText(w) : state;
    // Replacing every occurrence of each "letter-" in turn changes each hyphen behind
    // one of the matched letters, and no replacement makes or hides another.
    QSet<char16_t> letters;
    for (const Match &m : hyphens)
        letters.insert(m.text.at(0).unicode());
    for (qsizetype i = 0; i + 1 < w.size(); ++i) {
        if (w.at(i + 1) == u'-' && letters.contains(w.at(i).unicode()))
            w[i + 1] = QChar(Hebrew::Maqaf);
    }
    w.replace(QString(QChar(Hebrew::Maqaf)) + u'-', QStringLiteral("--"));
    return withText(w);
}

} // namespace Cleanup
