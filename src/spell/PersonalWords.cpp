#include "spell/PersonalWords.h"

#include "spell/SpellWords.h"
#include "wikitext/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace PersonalWords {

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/dalvana/words.txt");
}

QStringList load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString word = line.trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

bool add(const QString &path, const QString &word, QString *reason)
{
    const QString plain = SpellWords::plainForm(word.trimmed());
    QStringList words = load(path);
    if (plain.isEmpty() || words.contains(plain))
        return true;
    words.append(plain);
    words.sort();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return SafeSave::writeAll(path, (words.join(u'\n') + u'\n').toUtf8(), reason);
}

} // namespace PersonalWords
