#include "platform/BrowserMenu.h"

#include "platform/DesktopIntegration.h"
#include "platform/KeyStore.h"
#include "platform/Settings.h"
#include "wikitext/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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
    *error = QStringLiteral("לא ניתן לכתוב את הקובץ %1.\u200F").arg(QDir::toNativeSeparators(path));
    return false;
}

// Makes the handler the desktop's choice for "dalvana:" addresses, where the desktop
// offers the tool for it; without it the entry is still there to be chosen.
void registerHandler(const QString &entryPath)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!tool.isEmpty())
        QProcess::execute(
            tool,
            {QStringLiteral("default"), QFileInfo(entryPath).fileName(), QStringLiteral("x-scheme-handler/dalvana")});
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

bool isInstalled(const KeyStore &currentUser)
{
    return currentUser.valueAt(Key).contains(QStringLiteral(".html"));
}

Toggled toggle(KeyStore &currentUser, const QString &executable)
{
    Toggled result;
    if (isInstalled(currentUser)) {
        currentUser.deleteKey(Key);
        for (const QString &path : {scriptPath(), bookmarkletPath(), urlHandlerPath()})
            QFile::remove(path);
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
    registerHandler(urlHandlerPath());
    result.installed = true;
    return result;
}

} // namespace BrowserMenu
