#include "hunspell/HunspellDictionary.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

HunspellDictionary::HunspellDictionary(std::unique_ptr<Hunspell> hunspell)
    : m_hunspell(std::move(hunspell))
{
}

HunspellDictionary::~HunspellDictionary() = default;

std::unique_ptr<HunspellDictionary> HunspellDictionary::loadHebrew(QString *reason)
{
    QStringList folders = qEnvironmentVariable("DICPATH").split(u':', Qt::SkipEmptyParts);
    folders << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell/dicts")
            << QStringLiteral("/usr/share/myspell");
    for (const QString &folder : folders) {
        for (const QString &name : {QStringLiteral("he_IL"), QStringLiteral("he")}) {
            const QString base = folder + u'/' + name;
            if (!QFileInfo::exists(base + QStringLiteral(".aff")) || !QFileInfo::exists(base + QStringLiteral(".dic")))
                continue;
            auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(base + QStringLiteral(".aff")).constData(),
                                                       QFile::encodeName(base + QStringLiteral(".dic")).constData());
            // The Hebrew dictionaries are UTF-8; another encoding would need converting every word.
            if (QByteArray(hunspell->get_dict_encoding().c_str()) != "UTF-8")
                continue;
            return std::unique_ptr<HunspellDictionary>(new HunspellDictionary(std::move(hunspell)));
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
