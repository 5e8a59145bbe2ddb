#include "spell/PrefixDictionary.h"

#include <QFile>

#include <algorithm>

namespace {

bool endsWord(char c)
{
    return c == '/' || c == '\n' || c == '\r' || c == '\t' || c == ' ';
}

// The word of the entry at `at`, up to its flags or the line's end.
QByteArrayView wordAt(const QByteArray &words, quint32 at)
{
    qsizetype end = at;
    while (end < words.size() && !endsWord(words[end]))
        ++end;
    return QByteArrayView(words).sliced(at, end - at);
}

// The affix file's settings that change which words are right; any other that does
// makes the dictionary Hunspell's alone.
bool onlyForSuggestions(const QByteArray &keyword)
{
    static const QList<QByteArray> known{"TRY",         "WORDCHARS",    "MAP",         "REP",          "KEY",
                                         "LANG",        "NAME",         "VERSION",     "HOME",         "DESCRIPTION",
                                         "LOCALE",      "MAXNGRAMSUGS", "NOSPLITSUGS", "SUGSWITHDOTS", "MAXDIFF",
                                         "ONLYMAXDIFF", "PHONE",        "NOSUGGEST"};
    return known.contains(keyword);
}

} // namespace

std::unique_ptr<PrefixDictionary> PrefixDictionary::load(const QString &affixFile, const QString &wordFile,
                                                         QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return std::unique_ptr<PrefixDictionary>();
    };
    QFile aff(affixFile);
    if (!aff.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(affixFile, aff.errorString()));
    auto dictionary = std::unique_ptr<PrefixDictionary>(new PrefixDictionary);
    bool utf8 = false;
    for (const QByteArray &raw : aff.readAll().split('\n')) {
        const QByteArray line = raw.left(raw.indexOf('#') < 0 ? raw.size() : raw.indexOf('#')).trimmed();
        const QList<QByteArray> f = line.simplified().split(' ');
        if (line.isEmpty() || f.isEmpty())
            continue;
        const QByteArray &key = f.first();
        if (key == "SET") {
            utf8 = f.value(1) == "UTF-8";
        } else if (key == "NEEDAFFIX" && f.value(1).size() == 1) {
            dictionary->m_needAffix = f.value(1).at(0);
        } else if (key == "BREAK" && f.size() == 2 && f[1].toInt() > 0) {
            // the count line
        } else if (key == "BREAK" && f.size() == 2) {
            const QString pattern = QString::fromUtf8(f[1]);
            if (pattern.startsWith(u'^'))
                dictionary->m_breakStart << pattern.mid(1);
            else if (pattern.endsWith(u'$'))
                dictionary->m_breakEnd << pattern.chopped(1);
            else
                return fail(QStringLiteral("a word break inside words"));
        } else if (key == "PFX" && f.size() == 4 && f[1].size() == 1 && (f[2] == "Y" || f[2] == "N")) {
            // a rule group's heading
        } else if (key == "PFX" && f.size() >= 5 && f[1].size() == 1) {
            Prefix rule;
            rule.flag = f[1].at(0);
            rule.strip = f[2] == "0" ? QString() : QString::fromUtf8(f[2]);
            const QString add = f[3] == "0" ? QString() : QString::fromUtf8(f[3]);
            if (add.contains(u'/'))
                return fail(QStringLiteral("a prefix with flags of its own"));
            const QString condition = QString::fromUtf8(f[4]);
            for (qsizetype i = 0; i < condition.size(); ++i) {
                Condition c;
                if (condition[i] == u'.') {
                    c.any = true;
                } else if (condition[i] == u'[') {
                    const qsizetype close = condition.indexOf(u']', i);
                    if (close < 0)
                        return fail(QStringLiteral("a condition without its closing bracket"));
                    c.negated = condition.at(i + 1) == u'^';
                    c.chars = condition.mid(i + 1 + c.negated, close - i - 1 - c.negated);
                    i = close;
                } else {
                    c.chars = condition[i];
                }
                rule.condition.append(c);
            }
            // "." alone is no condition at all.
            if (rule.condition.size() == 1 && rule.condition.first().any)
                rule.condition.clear();
            dictionary->m_longestPrefix = std::max(dictionary->m_longestPrefix, add.size());
            dictionary->m_prefixes[add].append(rule);
        } else if (!onlyForSuggestions(key)) {
            return fail(QStringLiteral("the affix file's %1").arg(QString::fromLatin1(key)));
        }
    }
    if (!utf8)
        return fail(QStringLiteral("not a UTF-8 dictionary"));

    QFile dic(wordFile);
    if (!dic.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(wordFile, dic.errorString()));
    QByteArray &words = dictionary->m_words;
    words = dic.readAll();
    // The first line counts the entries.
    qsizetype at = words.indexOf('\n') + 1;
    if (at <= 0)
        return fail(QStringLiteral("an empty word list"));
    QList<quint32> &index = dictionary->m_index;
    index.reserve(words.left(at).trimmed().toInt());
    // Word lists come sorted but for a few entries at the end: those are sorted and
    // merged in. The order is checked as the words are read, each word looked at once.
    qsizetype sortedUntil = -1;
    QByteArrayView previous;
    while (at < words.size()) {
        qsizetype end = words.indexOf('\n', at);
        if (end < 0)
            end = words.size();
        if (end > at && !endsWord(words[at])) {
            const QByteArrayView word = wordAt(words, quint32(at));
            if (sortedUntil < 0 && word < previous)
                sortedUntil = index.size();
            previous = word;
            index.append(quint32(at));
        }
        at = end + 1;
    }
    index.squeeze();
    if (sortedUntil >= 0) {
        // Each is found its place by bisection, from the last, and the runs between
        // their places are moved whole: a merge would compare every word.
        const auto before = [&words](quint32 a, quint32 b) { return wordAt(words, a) < wordAt(words, b); };
        QList<quint32> late(index.begin() + sortedUntil, index.end());
        std::stable_sort(late.begin(), late.end(), before);
        qsizetype placed = index.size(), sorted = sortedUntil;
        for (qsizetype j = late.size(); j-- > 0;) {
            const auto place = std::upper_bound(index.begin(), index.begin() + sorted, late[j], before);
            std::move_backward(place, index.begin() + sorted, index.begin() + placed);
            placed -= index.begin() + sorted - place;
            index[--placed] = late[j];
            sorted = place - index.begin();
        }
    }
    return dictionary;
}

QList<QByteArrayView> PrefixDictionary::entries(const QByteArray &word) const
{
    QList<QByteArrayView> out;
    auto it = std::lower_bound(m_index.begin(), m_index.end(), word, [this](quint32 at, const QByteArray &w) {
        return wordAt(m_words, at) < QByteArrayView(w);
    });
    for (; it != m_index.end() && wordAt(m_words, *it) == QByteArrayView(word); ++it) {
        qsizetype flags = *it + word.size();
        qsizetype end = flags;
        if (flags < m_words.size() && m_words[flags] == '/') {
            end = ++flags;
            while (end < m_words.size() && !endsWord(m_words[end]) && m_words[end] != '/')
                ++end;
        }
        out.append(QByteArrayView(m_words).sliced(flags, end - flags));
    }
    return out;
}

bool PrefixDictionary::listed(const QString &stem, char flag) const
{
    for (const QByteArrayView flags : entries(stem.toUtf8())) {
        if (flag ? flags.contains(flag) : !(m_needAffix && flags.contains(m_needAffix)))
            return true;
    }
    return false;
}

bool PrefixDictionary::matches(const QList<Condition> &condition, const QString &stem)
{
    if (stem.size() < condition.size())
        return false;
    for (qsizetype i = 0; i < condition.size(); ++i) {
        const Condition &c = condition[i];
        if (!c.any && c.chars.contains(stem[i]) == c.negated)
            return false;
    }
    return true;
}

bool PrefixDictionary::spellWhole(const QString &word) const
{
    if (listed(word, 0))
        return true;
    for (qsizetype length = 0; length <= std::min(m_longestPrefix, word.size() - 1); ++length) {
        const auto rules = m_prefixes.constFind(word.left(length));
        if (rules == m_prefixes.constEnd())
            continue;
        const QString rest = word.mid(length);
        for (const Prefix &rule : *rules) {
            const QString stem = rule.strip + rest;
            if (matches(rule.condition, stem) && listed(stem, rule.flag))
                return true;
        }
    }
    return false;
}

bool PrefixDictionary::spell(const QString &word)
{
    if (word.isEmpty())
        return false;
    if (spellWhole(word))
        return true;
    // The marks a word may start or end with, as the affix file's word breaks allow.
    for (const QString &mark : std::as_const(m_breakStart)) {
        if (word.size() > mark.size() && word.startsWith(mark) && spell(word.mid(mark.size())))
            return true;
    }
    for (const QString &mark : std::as_const(m_breakEnd)) {
        if (word.size() > mark.size() && word.endsWith(mark) && spell(word.chopped(mark.size())))
            return true;
    }
    return false;
}

QStringList PrefixDictionary::suggest(const QString &word)
{
    if (!m_suggestions && m_suggester)
        m_suggestions = m_suggester();
    return m_suggestions ? m_suggestions->suggest(word) : QStringList();
}
