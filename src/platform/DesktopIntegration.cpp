#include "platform/DesktopIntegration.h"

#include "gui/HebrewUi.h"
#include "platform/KeyStore.h"
#include "wikitext/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace DesktopIntegration {

QString textVerbCommand(const QString &program)
{
    return QLatin1Char('"') + program + QStringLiteral("\" /o \"%1\"");
}

QString programOfCommand(const QString &command)
{
    const QString c = command.trimmed();
    if (c.startsWith(QLatin1Char('"'))) {
        const qsizetype close = c.indexOf(QLatin1Char('"'), 1);
        return close < 0 ? QString() : c.mid(1, close - 1);
    }
    return c.section(QLatin1Char(' '), 0, 0);
}

QString applicationsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

QString textVerbEntryPath()
{
    return applicationsFolder() + QStringLiteral("/dalvana-txtfile.desktop");
}

QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QString();
        if (reserved.contains(c))
            needsQuotes = true;
    }
    QString quoted;
    if (needsQuotes) {
        quoted += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted += QLatin1Char('"');
    } else {
        quoted = argument;
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    // The value is also a desktop-entry string, whose own escape doubles backslashes.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return quoted;
}

QString textVerbEntry(const QString &caption, const QString &program)
{
    const QString exec = execArgument(program);
    if (exec.isEmpty())
        return QString();
    QString name = caption;
    name.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=%1\n"
               "Exec=%2 /o %f\n"
               "MimeType=text/plain;\n"
               "NoDisplay=true\n"
               "Terminal=false\n"
               "Icon=dalvana\n")
        .arg(name, exec);
}

namespace {

bool writeEntry(const QString &path, const QString &contents, QString *error)
{
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == contents.toUtf8())
        return true;
    QDir().mkpath(applicationsFolder());
    if (SafeSave::writeAll(path, contents.toUtf8()))
        return true;
    *error = QStringLiteral("Unable to write to %1").arg(HebrewUi::leftToRight(path));
    return false;
}

} // namespace

bool packagedEntryServes(const QString &program)
{
    const QString own = applicationsFolder();
    for (const QString &path : QStandardPaths::locateAll(QStandardPaths::ApplicationsLocation, PackagedEntry)) {
        if (QFileInfo(path).absolutePath() == QFileInfo(own).absoluteFilePath())
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        const QString entry = QString::fromUtf8(file.readAll());
        if (!entry.contains(QStringLiteral("text/plain")))
            continue;
        const qsizetype exec = entry.indexOf(QStringLiteral("\nExec="));
        if (exec < 0)
            continue;
        const QString started = programOfCommand(entry.mid(exec + 6).section(u'\n', 0, 0));
        const QString resolved = QFileInfo(started).isAbsolute() ? started : QStandardPaths::findExecutable(started);
        const QString target = QFileInfo(program).canonicalFilePath();
        if (!resolved.isEmpty() && !target.isEmpty() && QFileInfo(resolved).canonicalFilePath() == target)
            return true;
    }
    return false;
}

bool reflect(const KeyStore &store, QString *error)
{
    if (store.root() != KeyStore::Root::ClassesRoot)
        return true;
    const QString program = programOfCommand(store.valueAt(TextVerbKey + QStringLiteral("\\command")));
    const QString path = textVerbEntryPath();
    if (program.isEmpty() || packagedEntryServes(program)) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            *error = QStringLiteral("לא ניתן למחוק את %1").arg(HebrewUi::leftToRight(path));
            return false;
        }
        return true;
    }
    QString caption = store.valueAt(TextVerbKey);
    if (caption.isEmpty())
        caption = TextVerbCaption;
    const QString entry = textVerbEntry(caption, program);
    if (entry.isEmpty()) {
        *error = QStringLiteral("לא ניתן לרשום את התוכנה %1 בשולחן העבודה").arg(HebrewUi::leftToRight(program));
        return false;
    }
    return writeEntry(path, entry, error);
}

} // namespace DesktopIntegration
