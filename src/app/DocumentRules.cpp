#include "app/DocumentRules.h"

#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"

#include <QFileInfo>

namespace DocumentRules {

QString caption(const QString &fileName, const QString &wikiTitle)
{
    const QString name = HebrewUi::leftToRight(QFileInfo(fileName).fileName());
    if (!wikiTitle.isEmpty())
        return AppTitle + QStringLiteral(" - ") + wikiTitle
            + (fileName.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name));
    if (fileName.isEmpty())
        return AppTitle;
    return AppTitle + QStringLiteral(" - ") + name;
}

QString withTxtExtension(const QString &path)
{
    return path.contains(u'.') ? path : path + QStringLiteral(".txt");
}

QStringList shiftRecent(const QStringList &recent, const QString &path)
{
    QStringList r = recent.mid(0, 4);
    while (r.size() < 4)
        r.append(QString());
    int at = r.indexOf(path);
    if (at == 0)
        return r;
    if (at < 0)
        at = 3; // a new path: the oldest entry drops out
    r.removeAt(at);
    r.prepend(path);
    return r;
}

QStringList visibleRecent(const QStringList &recent, const std::function<bool(const QString &)> &exists)
{
    QStringList shown;
    for (const QString &path : recent.mid(0, 4)) {
        if (!exists(path))
            break;
        shown.append(path);
    }
    return shown;
}

QString unescapeClipboardHtml(const QString &html)
{
    QString t = html;
    t.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    t.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    t.replace(QStringLiteral("&nbsp;"), QString(QChar(0x00A0)));
    t.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return t;
}

bool exitNeedsQuestion(const QString &text, const QString &savedText, const QString &currentFileName,
                       bool rootPagePending)
{
    const bool saved = text == savedText && (!currentFileName.isEmpty() || savedText.isEmpty());
    return !saved || rootPagePending;
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace DocumentRules
