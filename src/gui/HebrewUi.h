#pragma once

#include <QFont>

class QApplication;
class QFileDialog;

// The program's look in one place: the Hebrew font, and right to left for every
// window (set once on the application, so each new widget starts that way).
namespace HebrewUi {

// "David", with the font substitution falling back to Culmus's David CLM.
QFont davidFont(int pixelSize = 16);

// Right to left, and Qt's own texts in Hebrew; false when Qt's Hebrew translations
// are not installed (the texts then stay English).
bool install(QApplication &app);

// Qt's own file dialog, right to left, with its paths and file list left to right:
// mirrored, "/usr/share" reads "usr/share/" and the dates are cut short.
void setUpFileDialog(QFileDialog &dialog);

} // namespace HebrewUi
