#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <memory>

// The program's title, the caption of every plain notice.
inline const QString AppTitle = QStringLiteral("דלבנה");

// The one modal question box of the program: Hebrew caption by kind, Hebrew button
// captions, laid out right to left. Tests preset the answers and read what was asked
// instead of a box being shown.
class HebrewMessageBox
{
public:
    enum Kind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

    static QMessageBox::StandardButton show(const QString &text, int kind, QMessageBox::StandardButtons buttons,
                                            int helpContext = 0);
    // The box itself, not yet shown.
    static std::unique_ptr<QMessageBox> build(const QString &text, int kind, QMessageBox::StandardButtons buttons,
                                              QWidget *parent = nullptr);
    // Kind confirmation with Yes and No; true when the answer is Yes.
    static bool askYesNo(const QString &text);

    // A question whose buttons say what they do: each a standard button under a
    // caption of its own, the first the default, the last what closing the box means
    // (and the answer the seam gives when no answer is preset).
    struct Choice
    {
        QMessageBox::StandardButton button;
        QString caption;
    };
    static QMessageBox::StandardButton choose(const QString &text, const QList<Choice> &choices);
    static std::unique_ptr<QMessageBox> buildChoice(const QString &text, const QList<Choice> &choices,
                                                    QWidget *parent = nullptr);

    // A plain notice with an OK button and the program's title as caption.
    static void notice(const QString &text);

    // The caption of a kind ("אזהרה", "שגיאה", "מידע", "אישור"); empty for others.
    static QString caption(int kind);
    // The Hebrew caption of a standard button.
    static QString buttonCaption(QMessageBox::StandardButton button);

    // The seam for tests: once enabled, nothing is shown; each question takes the
    // next preset answer (No when none is left) and everything asked is recorded.
    struct Asked
    {
        QString text;
        int kind = -1; // -1 for a plain notice
        QMessageBox::StandardButtons buttons;
    };
    static void setTestMode(bool on);
    static void presetAnswer(QMessageBox::StandardButton answer);
    static const QList<Asked> &asked();
    static void clearAsked();
};
