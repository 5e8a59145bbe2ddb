#pragma once

#include <QIcon>
#include <QString>

// The pictures of the window. The commands name picture slots by number; the
// pictures come from the desktop's icon theme, with breeze behind it, or are drawn
// from text in a Hebrew font.
namespace AppIcons {

// Lets theme icons fall back to breeze where the desktop's theme lacks them, and
// makes the program's own icon every window's.
void install();

// The program's own icon: the window, the tray and the desktop entries.
QIcon program();

// Slots of the toolbar's picture list (toolbar and the jump menu).
QIcon toolbarImage(int index);
// Slots of the menus' picture list (menus and the tray menu).
QIcon menuImage(int index);

// A 16-pixel picture drawn from `text` in the David font.
QIcon glyph(const QString &text, bool bold = false, int pixelSize = 15);

// A point button's picture: the point on a dotted circle, in a Hebrew font.
QIcon pointIcon(QChar point);

// The small round lamps of the save indication, and the heart of the About mode.
QIcon led(const QColor &color);
QIcon heart();

} // namespace AppIcons
