#pragma once

#include "spell/SpellDictionary.h"
#include "spell/SpellWords.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>

// The spell check the editor and dalvana-cli share: which words of wiki text it
// reads, the forms it looks them up in, the user's own words, and a memory of
// every word already looked up, since a page repeats its words many times.
class SpellChecker
{
public:
    struct Misspelling
    {
        int start = 0; // in the text, CR LF counting two
        int length = 0;
        QString word;
    };

    SpellChecker() = default;
    explicit SpellChecker(std::shared_ptr<SpellDictionary> dictionary);

    // Without a dictionary nothing is reported.
    bool isAvailable() const { return m_dictionary != nullptr; }
    void setDictionary(std::shared_ptr<SpellDictionary> dictionary);

    // The user's own words, in plain form (see SpellWords::plainForm).
    void setPersonalWords(const QStringList &words);
    void addPersonalWord(const QString &word);

    // The word as the text writes it, points and all.
    bool isCorrect(QStringView word);
    // The dictionary's suggestions, with the points of the letters they keep.
    QStringList suggestions(QStringView word);

    // The misspelt words of one line, whose spans the wiki syntax gave.
    QList<SpellWords::Word> misspelt(QStringView line, const QList<WikiSyntax::Span> &spans);
    // Every misspelt word of an editor text, in text order.
    QList<Misspelling> check(const QString &text);

private:
    std::shared_ptr<SpellDictionary> m_dictionary;
    QSet<QString> m_personal;
    QHash<QString, bool> m_known;
};
