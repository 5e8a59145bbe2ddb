#include "platform/IniFile.h"

#include "gui/HebrewUi.h"
#include "wikitext/DocumentFormat.h"
#include "wikitext/SafeSave.h"

#include <QFile>
#include <QStringList>

namespace IniFile {

namespace {

constexpr int kMaxValue = 2047;

enum class Load { Missing, Loaded, Broken };

Load load(const QString &path, QStringList *lines, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return Load::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("לא ניתן לקרוא את קובץ ההגדרות %1: %2")
                         .arg(HebrewUi::leftToRight(path), file.errorString());
        return Load::Broken;
    }
    QString text;
    QString reason;
    if (!DocumentFormat::decode(file.readAll(), &text, &reason)) {
        if (error)
            *error = QStringLiteral("קובץ ההגדרות %1 פגום ולא ישונה: %2\nההגדרות לא יישמרו עד שהקובץ יתוקן או יימחק.")
                         .arg(HebrewUi::leftToRight(path), reason);
        return Load::Broken;
    }
    *lines = text.split(QStringLiteral("\r\n"));
    if (!lines->isEmpty() && lines->last().isEmpty())
        lines->removeLast();
    return Load::Loaded;
}

bool isSection(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

bool isKey(const QString &line, const QString &key, QString *value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    *value = line.mid(eq + 1).trimmed();
    return true;
}

} // namespace

QString read(const QString &path, const QString &section, const QString &key, const QString &defaultValue)
{
    QStringList lines;
    if (load(path, &lines, nullptr) != Load::Loaded)
        return defaultValue;
    bool inSection = false;
    for (const QString &line : lines) {
        QString name;
        if (isSection(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString value;
        if (inSection && isKey(line, key, &value)) {
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            return value.left(kMaxValue);
        }
    }
    return defaultValue;
}

bool check(const QString &path, QString *error)
{
    QStringList lines;
    return load(path, &lines, error) != Load::Broken;
}

bool write(const QString &path, const QString &section, const QString &key, const QString &value, QString *error)
{
    QStringList lines;
    if (load(path, &lines, error) == Load::Broken)
        return false;

    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionLine = -1, lastInSection = -1, keyLine = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSection(lines.at(i), &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection && sectionLine < 0) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        QString old;
        if (keyLine < 0 && isKey(lines.at(i), key, &old))
            keyLine = i;
        if (!lines.at(i).trimmed().isEmpty())
            lastInSection = i;
    }
    if (keyLine >= 0) // the key keeps the spelling it has in the file
        lines[keyLine] = lines.at(keyLine).left(lines.at(keyLine).indexOf(QLatin1Char('='))).trimmed()
            + QLatin1Char('=') + value;
    else if (sectionLine >= 0)
        lines.insert(lastInSection + 1, entry);
    else
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;

    if (SafeSave::writeAll(path, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()))
        return true;
    if (error)
        *error = QStringLiteral("Unable to write to %1").arg(HebrewUi::leftToRight(path));
    return false;
}

} // namespace IniFile
