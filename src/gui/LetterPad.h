#pragma once

#include <QFont>
#include <QString>

class ClickableLabel;
class QDialog;
class QGridLayout;
class QLineEdit;

// What the two letter pads share: letters that type into the pad's edit, the two
// icons that copy and insert its text, and the way the pad comes up.
namespace LetterPad {

// The letters of the pads are Greek and Latin with diacritics, which the David font
// lacks; one font that has them all keeps accents on their letters.
QFont letterFont(int pixelSize, bool bold = false);

// A letter at (row, column) of `grid`: shows `letter`, hints `hint`, and types the
// letter into `edit` at its caret, replacing its selection.
ClickableLabel *addLetter(QGridLayout *grid, int row, int column, const QString &letter, const QString &hint,
                          QLineEdit *edit);

// The pictures and hand cursors of the copy ("העתק") and insert ("הוסף") icons.
void setUpIcons(ClickableLabel *copy, ClickableLabel *insert);

// The edit's text on the clipboard; false, with nothing copied, when it is empty.
bool copy(const QLineEdit *edit);

// Shows the pad in the middle of the screen, or brings it forward where it is.
void showCentred(QDialog *pad);

} // namespace LetterPad
