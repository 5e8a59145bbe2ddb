#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The rules of the document and its file that need no window.
namespace DocumentRules {

// "דלבנה" without a file, else "דלבנה - " and the file's name without its folder. A
// page from the wiki is named by its title, its file (when it has one) after it.
QString caption(const QString &fileName, const QString &wikiTitle = QString());

// Save As: a path with no "." anywhere, folders included, gets ".txt".
QString withTxtExtension(const QString &path);

// The recent list (newest first, four entries) after opening `path`: a known path
// moves to the front, a new one pushes the oldest out.
QStringList shiftRecent(const QStringList &recent, const QString &path);

// The entries the Recent submenu shows: from the newest on, up to the first whose
// file no longer exists.
QStringList visibleRecent(const QStringList &recent, const std::function<bool(const QString &)> &exists);

// The text of the browser's edit box, with its HTML entities undone; "&amp;" last,
// so "&amp;lt;" stays "&lt;".
QString unescapeClipboardHtml(const QString &html);

// Whether leaving asks first: always while a root's page is being written, else
// unless the text is saved (a document without file counts as saved only while empty).
bool exitNeedsQuestion(const QString &text, const QString &savedText, const QString &currentFileName,
                       bool rootPagePending);

// Whether a file exists at `path` (a real Unicode path, not a code-page one).
bool fileExists(const QString &path);

} // namespace DocumentRules
