#pragma once

#include "spell/SpellDictionary.h"

#include <memory>

class Hunspell;

// The system's Hunspell with its Hebrew dictionary (Debian's hunspell-he).
class HunspellDictionary : public SpellDictionary
{
public:
    ~HunspellDictionary() override;

    // The Hebrew dictionary from the folders in DICPATH, then the system's; none,
    // with the reason, when it is not installed. Its words are read into a
    // PrefixDictionary where the affix file allows, with Hunspell behind it for
    // suggestions; Hunspell alone takes a good part of a second and 50 MB.
    static std::unique_ptr<SpellDictionary> loadHebrew(QString *reason = nullptr);
    static std::unique_ptr<HunspellDictionary> load(const QString &affixFile, const QString &wordFile);

    bool spell(const QString &word) override;
    QStringList suggest(const QString &word) override;

private:
    explicit HunspellDictionary(std::unique_ptr<Hunspell> hunspell);

    std::unique_ptr<Hunspell> m_hunspell;
};
