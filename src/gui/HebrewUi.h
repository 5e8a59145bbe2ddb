#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QApplication;
class QFileDialog;
class QPlainTextEdit;
class QWidget;

// The program's look in one place: the Hebrew font, and right to left for every
// window (set once on the application, so each new widget starts that way).
namespace HebrewUi {

// "David", with the font substitution falling back to Culmus's David CLM.
QFont davidFont(int pixelSize = 16);

// Right to left, and Qt's own texts in Hebrew; false when Qt's Hebrew translations
// are not installed (the texts then stay English).
bool install(QApplication &app);

// Qt's own file dialog, right to left, with its paths, file types and file list left to right:
// mirrored, "/usr/share" reads "usr/share/" and the dates are cut short.
void setUpFileDialog(QFileDialog &dialog);

// Wiki text laid out as the wiki's edit box lays it out: every line right to left and
// right-aligned. Left to itself Qt takes a line's direction from its first letter,
// which mirrors a Hebrew line that starts with "#", "==", "{{" or "|".
void setUpWikiText(QPlainTextEdit &view);

// Left-to-right text, a path above all, inside right-to-left text: between the
// directional isolates U+2066 and U+2069 it keeps its own order, where on its own
// "/tmp/x" after a Hebrew word reads "tmp/x/".
QString leftToRight(const QString &text);
// `message` with every occurrence of each of `paths` isolated so.
QString isolatePaths(const QString &message, const QStringList &paths);
// `text` with U+200F in front of each line that has no letter outside its isolates, a
// line that is only a path above all: Qt lays such a line out left to right and
// left-aligned, where the lines around it in a right-to-left window run from the right.
QString rightToLeftLines(const QString &text);
// A box that holds a path, left to right inside a right-to-left window.
void setUpPathField(QWidget &field);

// The editor of an entry's wiki text, and the windows that show such text whole:
// every paragraph right to left and right-aligned, as in the wiki's own edit box, in David.
void setUpArticleEditor(QPlainTextEdit &editor);

} // namespace HebrewUi
