#pragma once

#include <QString>

// The settings file Dalvana.ini: beside the executable where that folder can be
// written (a portable copy), else in the user's configuration folder. Every read
// and write opens the file and closes it again; nothing is cached.
namespace Settings {

QString iniPath();
// Beside the executable when `exeDir` can be written and is not one of the system's
// program folders (/usr, /bin, /sbin), else in `configDir`/dalvana.
QString chooseIniPath(const QString &exeDir, const QString &configDir);
// Tests point the settings at a file of their own.
void setIniPathForTesting(const QString &path);

QString read(const QString &section, const QString &key, const QString &defaultValue = QString());
// A failed write is reported through the error reporter (see setErrorReporter) with
// "Unable to write to" and the path; the caller goes on as if it had been written.
bool write(const QString &section, const QString &key, const QString &value);

// Who shows a failed write to the user; the window installs a message box here.
void setErrorReporter(void (*reporter)(const QString &message));
// Shows a settings problem through the reporter.
void report(const QString &message);

// While one lives, a message already reported is not shown again, so that a
// broken or unwritable file gives one message per start rather than one per key.
class ReportOnce
{
public:
    ReportOnce();
    ~ReportOnce();
    ReportOnce(const ReportOnce &) = delete;
    ReportOnce &operator=(const ReportOnce &) = delete;
};

// Reports a settings file that exists but cannot be read or decoded (it is left
// as it is and never written); false in that case.
bool checkFile();

// Creates the file with its first-start contents when it does not exist.
bool ensureFile();

// How windows opened through the shell start: maximised when "Maximize" is "Yes".
enum class ShowMode { Normal = 1, Maximized = 3 };
ShowMode externalWindowShowMode();
void setExternalWindowShowMode(ShowMode mode);

} // namespace Settings
