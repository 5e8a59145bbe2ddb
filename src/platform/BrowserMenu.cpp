#include "platform/BrowserMenu.h"

#include "gui/HebrewUi.h"
#include "platform/DesktopIntegration.h"
#include "platform/KeyStore.h"
#include "platform/Settings.h"
#include "wikitext/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <functional>

namespace BrowserMenu {

namespace {

QString besideSettings(const QString &name)
{
    return QFileInfo(Settings::iniPath()).dir().filePath(name);
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (SafeSave::writeAll(path, bytes))
        return true;
    *error = QStringLiteral("לא ניתן לכתוב את הקובץ %1.\u200F")
                 .arg(HebrewUi::leftToRight(QDir::toNativeSeparators(path)));
    return false;
}

const QString DefaultsSection = QStringLiteral("[Default Applications]");

// The handlers of a mimeapps.list value, without the empty end of "a.desktop;".
QStringList handlers(const QString &value)
{
    QStringList out;
    for (const QString &h : value.split(u';')) {
        if (!h.trimmed().isEmpty())
            out.append(h.trimmed());
    }
    return out;
}

// Rewrites the line of `mimeType` in the defaults section with `change` applied to its
// handlers; a line left without handlers goes, and a missing one is added.
QString changeDefault(const QString &list, const QString &mimeType, const std::function<void(QStringList &)> &change)
{
    QStringList lines = list.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    qsizetype section = -1, line = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString t = lines.at(i).trimmed();
        if (t.startsWith(u'[')) {
            if (section >= 0)
                break;
            if (t == DefaultsSection)
                section = i;
        } else if (section >= 0 && t.section(u'=', 0, 0).trimmed() == mimeType) {
            line = i;
            break;
        }
    }
    QStringList current = line >= 0 ? handlers(lines.at(line).section(u'=', 1)) : QStringList();
    change(current);
    const QString entry = mimeType + u'=' + current.join(u';') + u';';
    if (line >= 0 && current.isEmpty())
        lines.removeAt(line);
    else if (line >= 0)
        lines[line] = entry;
    else if (current.isEmpty())
        return list;
    else if (section >= 0)
        lines.insert(section + 1, entry);
    else
        lines << DefaultsSection << entry;
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

// Applies `change` to the user's mimeapps.list; a file it leaves as it was is not written.
bool changeMimeApps(const std::function<QString(const QString &)> &change, QString *error)
{
    const QString path = mimeAppsPath();
    QFile file(path);
    QString before;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("לא ניתן לקרוא את הקובץ %1.\u200F").arg(HebrewUi::leftToRight(path));
            return false;
        }
        before = QString::fromUtf8(file.readAll());
        file.close();
    }
    const QString after = change(before);
    return after == before || writeFile(path, after.toUtf8(), error);
}

} // namespace

QString script(const QString &executable)
{
    QString exe = executable;
    exe.replace(u'\\', u'/');
    const QStringList lines{
        QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\"><!--"),
        QStringLiteral("function PROCTest() {"),
        QStringLiteral("var myshell = new ActiveXObject( \"WScript.shell\" );"),
        QStringLiteral("myshell.run('\"%1\" /c', 1, false );").arg(exe),
        QStringLiteral("}"),
        QStringLiteral("var srcEvent = external.menuArguments.event;"),
        QStringLiteral("var srcDoc = external.menuArguments.document;"),
        QStringLiteral("var sReferer = srcDoc.URL;"),
        QStringLiteral("var oBaseColl = srcDoc.all.tags( \"base\");"),
        QStringLiteral("var sel = srcDoc.selection;"),
        QStringLiteral("if (srcDoc.editform) {"),
        QStringLiteral("srcDoc.editform.wpTextbox1.select();"),
        QStringLiteral("var selectedHtml=(sel.createRange()).htmlText;"),
        QStringLiteral("if(selectedHtml!= \"\") { window.clipboardData.setData(\"Text\",selectedHtml); PROCTest(); }"),
        QStringLiteral("}"),
        QStringLiteral("//--></script>"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString bookmarkletPage()
{
    // The edit box's text goes over escaped as the page's own text would be, which
    // the program undoes on "/c": "&", "<" and ">" come back exactly.
    const QString link = QStringLiteral(
        "javascript:(function(){var b=document.getElementById('wpTextbox1');if(!b){alert('"
        "\u05D0\u05D9\u05DF \u05D1\u05D3\u05E3 \u05EA\u05D9\u05D1\u05EA \u05E2\u05E8\u05D9\u05DB\u05D4');return;}"
        "var t=b.value.replace(/&/g,'&amp;').replace(/</g,'&lt;').replace(/>/g,'&gt;');"
        "navigator.clipboard.writeText(t).then(function(){location.href='dalvana:c';});})()");
    QString href = link;
    href.replace(u'&', QStringLiteral("&amp;")).replace(u'"', QStringLiteral("&quot;"));
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"he\" dir=\"rtl\">\n<head><meta charset=\"utf-8\">"
               "<title>דלבנה: עריכה מן הדפדפן</title></head>\n<body>\n"
               "<p>גררו את הקישור שלהלן אל סרגל הסימניות של הדפדפן.</p>\n"
               "<p><a href=\"%1\">ערוך בדלבנה</a></p>\n"
               "<p>בדף העריכה של ויקימילון לחצו על הסימניה: הטקסט של תיבת העריכה יועתק ללוח, "
               "ודלבנה תיפתח ובה הטקסט. בסיום העריכה לחצו בדלבנה על החץ \"חזור לוויקימילון\" "
               "והדביקו את הטקסט בחזרה בתיבת העריכה.</p>\n</body>\n</html>\n")
        .arg(href);
}

QString urlHandlerEntry(const QString &executable)
{
    return QStringLiteral(
               "[Desktop Entry]\nType=Application\nName=דלבנה\nExec=%1 /c\nNoDisplay=true\n"
               "MimeType=x-scheme-handler/dalvana;\n")
        .arg(DesktopIntegration::execArgument(executable));
}

QString scriptPath()
{
    return besideSettings(QStringLiteral("Dalvana.html"));
}

QString bookmarkletPath()
{
    return besideSettings(QStringLiteral("Dalvana-bookmarklet.html"));
}

QString urlHandlerPath()
{
    return DesktopIntegration::applicationsFolder() + QStringLiteral("/dalvana-url.desktop");
}

QString mimeAppsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QString withDefaultHandler(const QString &list, const QString &mimeType, const QString &entry)
{
    return changeDefault(list, mimeType, [&entry](QStringList &h) {
        h.removeAll(entry);
        h.prepend(entry);
    });
}

QString withoutDefaultHandler(const QString &list, const QString &mimeType, const QString &entry)
{
    return changeDefault(list, mimeType, [&entry](QStringList &h) { h.removeAll(entry); });
}

bool isInstalled(const KeyStore &currentUser)
{
    return currentUser.valueAt(Key).contains(QStringLiteral(".html"));
}

Toggled toggle(KeyStore &currentUser, const QString &executable)
{
    Toggled result;
    const QString handler = QFileInfo(urlHandlerPath()).fileName();
    if (isInstalled(currentUser)) {
        currentUser.deleteKey(Key);
        for (const QString &path : {scriptPath(), bookmarkletPath(), urlHandlerPath()})
            QFile::remove(path);
        changeMimeApps([&handler](const QString &list) { return withoutDefaultHandler(list, UrlScheme, handler); },
                       &result.error);
        return result;
    }
    // The files first: a folder that cannot be written leaves the key as it was.
    const QString entry = urlHandlerEntry(executable);
    if (!writeFile(scriptPath(), script(executable).toLocal8Bit(), &result.error)
        || !writeFile(bookmarkletPath(), bookmarkletPage().toUtf8(), &result.error)
        || !writeFile(urlHandlerPath(), entry.toUtf8(), &result.error)) {
        result.installed = false;
        return result;
    }
    if (!currentUser.openKey(Key, true) || !currentUser.writeString(QString(), scriptPath())
        || !currentUser.writeString(QStringLiteral("Contexts"), QStringLiteral("4"))) {
        result.error = currentUser.errorString();
        currentUser.closeKey();
        return result;
    }
    currentUser.closeKey();
    result.installed = true;
    // Without it the handler is still there to be chosen, so the entry stays installed.
    changeMimeApps([&handler](const QString &list) { return withDefaultHandler(list, UrlScheme, handler); },
                   &result.error);
    return result;
}

} // namespace BrowserMenu
