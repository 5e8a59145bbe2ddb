#include "platform/Settings.h"

#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace Settings {

namespace {

QString g_testPath;
void (*g_reporter)(const QString &) = nullptr;
ShowMode g_showMode = ShowMode::Normal;
int g_reportOnceDepth = 0;
QStringList g_reported;

bool folderIsWritable(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

namespace {

// The system's program folders: an installed program keeps no settings there, not even
// when run by the administrator, who can write to them.
bool isSystemFolder(const QString &dir)
{
    const QString clean = QDir::cleanPath(dir);
    for (const QString &system : {QStringLiteral("/usr"), QStringLiteral("/bin"), QStringLiteral("/sbin")}) {
        if (clean == system || clean.startsWith(system + u'/'))
            return true;
    }
    return false;
}

} // namespace

QString chooseIniPath(const QString &exeDir, const QString &configDir)
{
    if (!exeDir.isEmpty() && !isSystemFolder(exeDir) && folderIsWritable(exeDir))
        return QDir(exeDir).filePath(QStringLiteral("Dalvana.ini"));
    const QString folder = configDir + QStringLiteral("/dalvana");
    QDir().mkpath(folder);
    return folder + QStringLiteral("/Dalvana.ini");
}

QString iniPath()
{
    if (!g_testPath.isEmpty())
        return g_testPath;
    return chooseIniPath(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
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
    report(error);
    return false;
}

void report(const QString &message)
{
    if (g_reportOnceDepth > 0) {
        if (g_reported.contains(message))
            return;
        g_reported << message;
    }
    if (g_reporter)
        g_reporter(message);
}

ReportOnce::ReportOnce()
{
    ++g_reportOnceDepth;
}

ReportOnce::~ReportOnce()
{
    if (--g_reportOnceDepth == 0)
        g_reported.clear();
}

bool checkFile()
{
    QString error;
    if (IniFile::check(iniPath(), &error))
        return true;
    report(error);
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
    const struct
    {
        const QString &section;
        const char *key;
        const char *value;
    } first[] = {
        {p, "Maximize", "Yes"}, {p, "Tray", "Yes"}, {p, "Nikkud", "Yes"}, {p, "RecentChanges", "0"},
        {s, "F2", ""},          {s, "F3", ""},      {s, "F4", ""},        {r, "R1", ""},
        {r, "R2", ""},          {r, "R3", ""},      {r, "R4", ""},
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
