#pragma once

#include <QString>
#include <QStringList>

class KeyStore;

// The browser's menu entry that sends the wiki's edit box to the program. The key
// and the script are written as the browser of its own platform reads them; on a
// Linux desktop the same step also registers a "dalvana:" address handler that
// starts the program with "/c", and writes beside the script a bookmarklet page: a
// link that copies the edit box to the clipboard and opens "dalvana:c".
namespace BrowserMenu {

inline const QString Key = QStringLiteral("\\Software\\Microsoft\\Internet Explorer\\MenuExt\\דלבנה");
inline const QString InstalledMessage = QStringLiteral(".הותקנה Internet Explorer-התמיכה ב");
inline const QString RemovedMessage = QStringLiteral(".הוסרה Internet Explorer-התמיכה ב");

// The script's sixteen lines for the program at `executable`, joined by CR LF.
QString script(const QString &executable);
// The bookmarklet page: the link to drag to the bookmarks, and how to use it.
QString bookmarkletPage();
// The desktop entry of the "dalvana:" address handler.
QString urlHandlerEntry(const QString &executable);

// Where the script goes: beside the settings file.
QString scriptPath();
QString bookmarkletPath();
QString urlHandlerPath();
// The user's choice of a program for each kind of address (mimeapps.list).
QString mimeAppsPath();

inline const QString UrlScheme = QStringLiteral("x-scheme-handler/dalvana");
// The mimeapps.list text `list` with `entry` first among the defaults of `mimeType`,
// and without it again: a default that was there before comes back.
QString withDefaultHandler(const QString &list, const QString &mimeType, const QString &entry);
QString withoutDefaultHandler(const QString &list, const QString &mimeType, const QString &entry);

// The entry is installed: its key names a script.
bool isInstalled(const KeyStore &currentUser);

struct Toggled
{
    bool installed = false; // the state afterwards
    QString error;          // what could not be written
};

// Installs the entry when it is not installed, else removes it.
Toggled toggle(KeyStore &currentUser, const QString &executable);

} // namespace BrowserMenu
