#include "hunspell/HunspellDictionary.h"

#include "spell/PrefixDictionary.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

HunspellDictionary::HunspellDictionary(std::unique_ptr<Hunspell> hunspell)
    : m_hunspell(std::move(hunspell))
{
}

HunspellDictionary::~HunspellDictionary() = default;

std::unique_ptr<HunspellDictionary> HunspellDictionary::load(const QString &affixFile, const QString &wordFile)
{
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(affixFile).constData(),
                                               QFile::encodeName(wordFile).constData());
    // The Hebrew dictionaries are UTF-8; another encoding would need converting every word.
    if (QByteArray(hunspell->get_dict_encoding().c_str()) != "UTF-8")
        return nullptr;
    return std::unique_ptr<HunspellDictionary>(new HunspellDictionary(std::move(hunspell)));
}

std::unique_ptr<SpellDictionary> HunspellDictionary::loadHebrew(QString *reason)
{
    QStringList folders = qEnvironmentVariable("DICPATH").split(u':', Qt::SkipEmptyParts);
    folders << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell/dicts")
            << QStringLiteral("/usr/share/myspell");
    for (const QString &folder : folders) {
        for (const QString &name : {QStringLiteral("he_IL"), QStringLiteral("he")}) {
            const QString aff = folder + u'/' + name + QStringLiteral(".aff");
            const QString dic = folder + u'/' + name + QStringLiteral(".dic");
            if (!QFileInfo::exists(aff) || !QFileInfo::exists(dic))
                continue;
            if (auto words = PrefixDictionary::load(aff, dic)) {
                words->setSuggester([aff, dic]() -> std::unique_ptr<SpellDictionary> { return load(aff, dic); });
                return words;
            }
            if (auto hunspell = load(aff, dic))
                return hunspell;
        }
    }
    if (reason)
        *reason = QStringLiteral("no Hebrew Hunspell dictionary (he_IL) found; install hunspell-he");
    return nullptr;
}

bool HunspellDictionary::spell(const QString &word)
{
    return m_hunspell->spell(word.toStdString());
}

QStringList HunspellDictionary::suggest(const QString &word)
{
    QStringList out;
    for (const std::string &s : m_hunspell->suggest(word.toStdString()))
        out.append(QString::fromStdString(s));
    return out;
}
