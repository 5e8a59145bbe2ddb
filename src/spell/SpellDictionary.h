#pragma once

#include <QString>
#include <QStringList>

// A word list that says whether a word is spelt right: Hunspell in the programs,
// a small fake in the tests. Words come without points, geresh as "'" and
// gershayim as '"'.
class SpellDictionary
{
public:
    virtual ~SpellDictionary() = default;
    virtual bool spell(const QString &word) = 0;
    virtual QStringList suggest(const QString &word) = 0;
};
