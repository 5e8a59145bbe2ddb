#pragma once

#include "spell/SpellDictionary.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <functional>
#include <memory>

// A Hunspell dictionary whose affix file adds prefixes and nothing else, as the Hebrew
// one does, read into one block: its words as the file has them and a sorted index.
// That is a fifth of the memory Hunspell's own tables take for it, and a quarter of
// the time to load, so an editor can check its words on the first screen of a long
// document. Suggestions, which need Hunspell's whole machinery, come from a
// dictionary made the first time one is asked for.
class PrefixDictionary : public SpellDictionary
{
public:
    using Suggester = std::function<std::unique_ptr<SpellDictionary>()>;

    // None, with the reason, when the files cannot be read or the affix file uses
    // more than prefixes: then only Hunspell itself gives its answers.
    static std::unique_ptr<PrefixDictionary> load(const QString &affixFile, const QString &wordFile,
                                                  QString *reason = nullptr);

    void setSuggester(Suggester suggester) { m_suggester = std::move(suggester); }

    bool spell(const QString &word) override;
    QStringList suggest(const QString &word) override;

private:
    // One character of a rule's condition: a set, its complement, or any character.
    struct Condition
    {
        QString chars;
        bool negated = false;
        bool any = false;
    };
    struct Prefix
    {
        char flag = 0;
        QString strip;
        QList<Condition> condition;
    };

    // The flags of each entry of the word.
    QList<QByteArrayView> entries(const QByteArray &word) const;
    // The word stands in the list alone (`flag` 0) or with the flag of a prefix.
    bool listed(const QString &stem, char flag) const;
    bool spellWhole(const QString &word) const;
    static bool matches(const QList<Condition> &condition, const QString &stem);

    QByteArray m_words;
    QList<quint32> m_index;                   // starts of the entries, sorted by word
    QHash<QString, QList<Prefix>> m_prefixes; // by the letters they add
    qsizetype m_longestPrefix = 0;
    char m_needAffix = 0;
    QStringList m_breakStart, m_breakEnd;
    Suggester m_suggester;
    std::unique_ptr<SpellDictionary> m_suggestions;
};
