#include "app/Settings.h"

#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Settings {

namespace {

QString g_testPath;
void (*g_reporter)(const QString &) = nullptr;
ShowMode g_showMode = ShowMode::Normal;

bool folderIsWritable(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

QString iniPath()
{
    if (!g_testPath.isEmpty())
        return g_testPath;
    const QString beside = QCoreApplication::applicationDirPath();
    if (!beside.isEmpty() && folderIsWritable(beside))
        return QDir(beside).filePath(QStringLiteral("Dalvana.ini"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/dalvana");
    QDir().mkpath(config);
    return config + QStringLiteral("/Dalvana.ini");
}

void setIniPathForTesting(const QString &path)
{
    g_testPath = path;
}

QString read(const QString &section, const QString &key, const QString &defaultValue)
{
    return IniFile::read(iniPath(), section, key, defaultValue);
}

bool write(const QString &section, const QString &key, const QString &value)
{
    QString error;
    if (IniFile::write(iniPath(), section, key, value, &error))
        return true;
    if (g_reporter)
        g_reporter(error);
    return false;
}

void setErrorReporter(void (*reporter)(const QString &message))
{
    g_reporter = reporter;
}

bool ensureFile()
{
    if (QFileInfo::exists(iniPath()))
        return true;
    const QString p = QStringLiteral("Preferences"), s = QStringLiteral("Shortcuts"), r = QStringLiteral("RecentItems");
    const struct { const QString &section; const char *key; const char *value; } first[] = {
        {p, "Maximize", "Yes"}, {p, "Tray", "Yes"}, {p, "Nikkud", "Yes"}, {p, "RecentChanges", "0"},
        {s, "F2", ""}, {s, "F3", ""}, {s, "F4", ""},
        {r, "R1", ""}, {r, "R2", ""}, {r, "R3", ""}, {r, "R4", ""},
    };
    for (const auto &entry : first) {
        if (!write(entry.section, QString::fromLatin1(entry.key), QString::fromLatin1(entry.value)))
            return false;
    }
    return true;
}

ShowMode externalWindowShowMode()
{
    return g_showMode;
}

void setExternalWindowShowMode(ShowMode mode)
{
    g_showMode = mode;
}

} // namespace Settings
