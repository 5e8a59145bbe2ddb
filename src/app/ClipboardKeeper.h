#pragma once

#include <QString>

// On X11 and Wayland the clipboard's text goes with the program that put it there.
// To return the edited text to the browser and still end at once, the program hands
// the text to a copy of itself started with this switch, which holds the clipboard
// until something else takes it (or for half an hour at most).
namespace ClipboardKeeper {

inline const QString Switch = QStringLiteral("--keep-clipboard");

// Puts `text` on the clipboard and starts the keeper with it; false when the keeper
// cannot be started (the text is then on the clipboard only while this program runs).
bool handOver(const QString &text);

// The program started as the keeper; empty for this program itself. Tests start another.
void setProgramForTesting(const QString &program);

// The program's own temporary folder for the hand-over, open to the user alone;
// empty when it cannot be made so.
QString folder();
// A hand-over file: a plain file right in that folder, not a link to another.
bool isOwnFile(const QString &file);

// The keeper's own run: takes the text from `file` (and removes the file), holds the
// clipboard, and returns when it is no longer needed. Any file but a hand-over file
// is refused and left alone, as the switch is on anyone's command line.
int keep(const QString &file);

} // namespace ClipboardKeeper
