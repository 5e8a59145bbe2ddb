#pragma once

#include <QString>

class KeyStore;

// What the keys of the key store mean on a Linux desktop. The text-file verb
// (txtfile\Shell\Dalvana with its command) is a desktop entry for text/plain that
// file managers offer under "Open with"; removing the verb removes the entry.
namespace DesktopIntegration {

inline const QString TextVerbKey = QStringLiteral("txtfile\\Shell\\Dalvana");
inline const QString TextVerbCaption = QStringLiteral("ערוך עם דלבנה");

// The verb's command: the program in double quotes, then /o and "%1".
QString textVerbCommand(const QString &program);
// The program a verb command starts (its first argument), empty when it names none.
QString programOfCommand(const QString &command);

// The folder of the user's desktop entries (XDG_DATA_HOME/applications).
QString applicationsFolder();
QString textVerbEntryPath();

// One argument of a desktop entry's Exec line, quoted and escaped as the desktop
// entry format wants; empty when the argument cannot be written there.
QString execArgument(const QString &argument);
// The whole desktop entry for the verb.
QString textVerbEntry(const QString &caption, const QString &program);

// The entry an installed package puts in the system's applications folders.
inline const QString PackagedEntry = QStringLiteral("org.dalvana.Dalvana.desktop");
// A packaged entry starts `program` and opens text files already: the verb then
// adds no entry of its own beside it.
bool packagedEntryServes(const QString &program);

// Brings the desktop in line with the keys of `store`; false with a reason when
// the desktop entry could not be written or removed.
bool reflect(const KeyStore &store, QString *error);

} // namespace DesktopIntegration
