#include "spell/SpellWords.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace SpellWords {

namespace {

constexpr char16_t Vav = 0x05D5;
constexpr char16_t Yod = 0x05D9;
constexpr char16_t Hiriq = 0x05B4;
constexpr char16_t Holam = 0x05B9;
constexpr char16_t HolamForVav = 0x05BA;
constexpr char16_t Qubuts = 0x05BB;
constexpr char16_t Dagesh = 0x05BC;
// More places for a mater lectionis than this give too many forms to try.
constexpr int MaxSites = 6;

bool isLetter(QChar c)
{
    return (c >= QChar(0x05D0) && c <= QChar(0x05EA)) || (c >= QChar(0x05EF) && c <= QChar(0x05F2));
}

// Points, cantillation and the joiners that order them; not the maqaf, paseq,
// sof pasuq or nun hafukha, which stand between words.
bool isMark(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x0591 && u <= 0x05C7)
        return u != 0x05BE && u != 0x05C0 && u != 0x05C3 && u != 0x05C6;
    return u == 0x034F || u == 0x200C || u == 0x200D;
}

// A vowel point proper, as a pointed word has and an unpointed one has not.
bool isVowelPoint(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x05B0 && u <= 0x05BC) || u == 0x05C1 || u == 0x05C2 || u == 0x05C7;
}

bool isGeresh(QChar c)
{
    return c == u'\'' || c == QChar(0x05F3) || c == QChar(0x2019);
}

bool isGershayim(QChar c)
{
    return c == u'"' || c == QChar(0x05F4);
}

// The numeric value of a base letter, 0 for anything else.
int letterValue(QChar c)
{
    static const QString letters = QStringLiteral("אבגדהוזחטיכלמנסעפצקרשת");
    static const int values[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400};
    const qsizetype i = letters.indexOf(c);
    return i < 0 ? 0 : values[i];
}

// Letters read as a number: their values never rising, save 15 and 16 written as
// nine and six or seven.
bool isNumeral(QString letters)
{
    const QString tail = letters.right(2);
    if (tail == QStringLiteral("טו") || tail == QStringLiteral("טז"))
        letters.chop(2);
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const int value = letterValue(letters[i]);
        if (value == 0 || (i > 0 && value > letterValue(letters[i - 1])))
            return false;
    }
    return true;
}

// Where the chapter and verse numerals of the line's references start.
QList<qsizetype> referenceNumerals(QStringView line)
{
    QList<qsizetype> starts;
    if (!line.contains(u')') && !line.contains(u';'))
        return starts;
    // A book's name, then chapter, comma and verse or verses, closing the brackets or
    // going on to the next reference after a semicolon.
    static const QString number = QStringLiteral("((?:[א-ת]{1,3}[\"״])?[א-ת]{1,4}['׳]?)");
    static const QRegularExpression reference(
        QStringLiteral("[(;]\\s*[^()\\s;,][^();,]*?\\s%1\\s*,\\s*%1(?:\\s*[-–]\\s*%1)?"
                       "\\s*(?=[);])")
            .arg(number));
    const QString text = line.toString();
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QList<qsizetype> numerals;
        for (int group = 1; group <= 3; ++group) {
            if (m.capturedStart(group) < 0)
                continue;
            QString letters = m.captured(group);
            letters.remove(u'\'').remove(u'"').remove(QChar(0x05F3)).remove(QChar(0x05F4));
            if (!isNumeral(letters)) {
                numerals.clear();
                break;
            }
            numerals.append(m.capturedStart(group));
        }
        starts += numerals;
    }
    return starts;
}

// A letter with the points on it.
struct Cluster
{
    QChar letter;
    QString marks;
    bool has(char16_t mark) const { return marks.contains(QChar(mark)); }
    bool hasVowelBesides(char16_t skip) const
    {
        return std::any_of(marks.begin(), marks.end(), [skip](QChar m) {
            return m.unicode() >= 0x05B0 && m.unicode() <= 0x05B8 && m.unicode() != skip;
        });
    }
};

QList<Cluster> clusters(QStringView word)
{
    QList<Cluster> out;
    for (const QChar c : word) {
        if (isMark(c) && !out.isEmpty())
            out.last().marks += c;
        else if (isGeresh(c))
            out.append({QChar(u'\''), {}});
        else if (isGershayim(c))
            out.append({QChar(u'"'), {}});
        else if (!isMark(c))
            out.append({c, {}});
    }
    return out;
}

// Where a full spelling adds a letter: after cluster `at`, the letter `letter`.
struct Site
{
    qsizetype at;
    QChar letter;
};

QList<Site> matresSites(const QList<Cluster> &word)
{
    QList<Site> sites;
    const qsizetype last = word.size() - 1;
    for (qsizetype k = 0; k < last && sites.size() < MaxSites; ++k) {
        const Cluster &c = word[k];
        const QChar next = word[k + 1].letter;
        const QChar before = k > 0 ? word[k - 1].letter : QChar();
        if (!isLetter(c.letter))
            continue;
        if ((c.has(Holam) || c.has(Qubuts)) && c.letter != QChar(Vav) && next != QChar(Vav))
            sites.append({k, QChar(Vav)});
        else if (c.has(Hiriq) && next != QChar(Yod))
            sites.append({k, QChar(Yod)});
        else if (k > 0 && c.letter == QChar(Vav) && !c.has(Holam) && !c.has(HolamForVav) && c.hasVowelBesides(0x05B0)
                 && next != QChar(Vav) && before != QChar(Vav))
            sites.append({k, QChar(Vav)});
        else if (k > 0 && c.letter == QChar(Yod) && c.hasVowelBesides(0x05B0) && next != QChar(Yod)
                 && before != QChar(Yod))
            sites.append({k, QChar(Yod)});
    }
    return sites;
}

} // namespace

QList<Word> findWords(QStringView line, const QList<WikiSyntax::Span> &spans)
{
    QList<Word> words;
    const QList<qsizetype> numerals = referenceNumerals(line);
    qsizetype s = 0;
    while (s < spans.size()) {
        if (!WikiSyntax::isProse(spans[s])) {
            ++s;
            continue;
        }
        // Neighbouring prose spans make one run of text.
        const qsizetype begin = spans[s].start;
        qsizetype end = begin;
        while (s < spans.size() && WikiSyntax::isProse(spans[s]) && spans[s].start == end)
            end += spans[s++].length;
        qsizetype i = begin;
        while (i < end) {
            if (!isLetter(line[i])) {
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < end) {
                const QChar c = line[j];
                if (isLetter(c) || isMark(c)) {
                    ++j;
                } else if ((isGeresh(c) || isGershayim(c)) && j + 1 < end && isLetter(line[j + 1])) {
                    j += 2;
                } else if (isGeresh(c) && (j + 1 >= end || line[j + 1] != u'\'') && line[j - 1] != u'\'') {
                    ++j; // a geresh after the last letter
                    break;
                } else {
                    break;
                }
            }
            const QChar before = i > 0 ? line[i - 1] : QChar();
            const QChar after = j < line.size() ? line[j] : QChar();
            const auto foreign = [](QChar c) {
                return (c.isLetterOrNumber() && !isLetter(c)) || c == u'_' || c == u'@';
            };
            if (!foreign(before) && !foreign(after) && !numerals.contains(i))
                words.append({int(i), int(j - i)});
            else
                while (j < end && foreign(line[j]))
                    ++j;
            i = j;
        }
    }
    return words;
}

QString plainForm(QStringView word)
{
    QString out;
    out.reserve(word.size());
    for (const QChar c : word) {
        if (isMark(c))
            continue;
        out += isGeresh(c) ? QChar(u'\'') : isGershayim(c) ? QChar(u'"') : c;
    }
    return out;
}

bool needsNoCheck(const QString &plain)
{
    // The etymology section's name in both spellings entries use; Hebrew dictionaries
    // lack one or the other.
    static const QSet<QString> sectionWords{QStringLiteral("גיזרון"), QStringLiteral("גזרון")};
    if (sectionWords.contains(plain))
        return true;
    QString letters = plain;
    letters.remove(u'\'').remove(u'"');
    if (letters.size() <= 1)
        return true;
    // A numeral: a gershayim before its last letter.
    if (plain.size() < 3 || plain[plain.size() - 2] != u'"' || plain.count(u'"') != 1 || plain.contains(u'\''))
        return false;
    return isNumeral(letters);
}

QStringList spellings(QStringView word)
{
    const QString plain = plainForm(word);
    QStringList forms{plain};
    const QList<Cluster> parts = clusters(word);
    const bool pointed = std::any_of(word.begin(), word.end(), isVowelPoint);
    if (pointed) {
        const QList<Site> sites = matresSites(parts);
        for (int mask = 1; mask < (1 << sites.size()); ++mask) {
            QString form;
            qsizetype site = 0;
            for (qsizetype k = 0; k < parts.size(); ++k) {
                form += parts[k].letter;
                while (site < sites.size() && sites[site].at < k)
                    ++site;
                if (site < sites.size() && sites[site].at == k && (mask >> site & 1))
                    form += sites[site].letter;
            }
            forms.append(form);
        }
    }
    if (plain.size() > 1 && plain.endsWith(u'\''))
        forms.append(plain.chopped(1));
    return forms;
}

QString withPointsOf(QStringView word, const QString &suggestion)
{
    // The word as characters with their marks; geresh and gershayim compare as the
    // dictionary writes them.
    struct Part
    {
        QChar base;
        QString marks;
    };
    QList<Part> parts;
    for (const QChar c : word) {
        if (isMark(c) && !parts.isEmpty())
            parts.last().marks += c;
        else
            parts.append({c, {}});
    }
    const auto same = [](QChar a, QChar b) {
        return a == b || (isGeresh(a) && isGeresh(b)) || (isGershayim(a) && isGershayim(b));
    };
    // The longest common subsequence of the two, taken from the start: a letter typed
    // twice gives its points from its first copy.
    const qsizetype n = parts.size(), m = suggestion.size();
    QList<int> longest((n + 1) * (m + 1), 0);
    const auto at = [&longest, m](qsizetype i, qsizetype j) -> int & { return longest[i * (m + 1) + j]; };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = same(parts[i].base, suggestion[j]) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    }
    QString out;
    qsizetype i = 0, j = 0;
    while (j < m) {
        if (i < n && same(parts[i].base, suggestion[j])) {
            out += parts[i].base;
            out += parts[i].marks;
            ++i;
            ++j;
        } else if (i < n && at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            out += suggestion[j++];
        }
    }
    return out;
}

} // namespace SpellWords
