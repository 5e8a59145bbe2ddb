#pragma once

#include "BenchInput.h"
#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

// The main window's parts reached as a user reaches them: by their names, through
// the menus, the keys and the Preferences.
namespace WindowParts {

inline QPlainTextEdit *editor(QWidget &window)
{
    return window.findChild<QPlainTextEdit *>(QStringLiteral("ArticleText"));
}

// Before start(): the file that the first item of the recent list opens.
inline void setFirstRecent(const QString &path)
{
    Settings::ensureFile();
    Settings::write(QStringLiteral("RecentItems"), QStringLiteral("R1"), path);
}

// Opens the first item of the recent list, the question about the text there answered
// Yes; the menu is made anew on each opening.
inline void openFirstRecent(QWidget &window)
{
    HebrewMessageBox::setTestMode(true);
    HebrewMessageBox::presetAnswer(QMessageBox::Yes);
    window.findChild<QAction *>(QStringLiteral("R1"))->trigger();
}

// A key pressed in the editor takes in whatever a long document still has to bring.
inline void takeInTheRest(QWidget &window)
{
    BenchInput::key(editor(window), Qt::Key_Shift, QString(), Qt::ShiftModifier);
}

// The highlighting and the spell check switched in the Preferences; with the spell
// check on, until a misspelt word is underlined (the dictionary is read on a thread).
inline void setWritingAids(QWidget &window, bool on)
{
    window.findChild<QAction *>(QStringLiteral("Prefs"))->trigger();
    auto *preferences = window.findChild<QDialog *>(QStringLiteral("TOptions"));
    for (const char *name : {"Highlighting", "SpellCheck"}) {
        auto *box = preferences->findChild<QCheckBox *>(QLatin1String(name));
        if (box->isChecked() != on)
            box->click();
    }
    preferences->hide();
    if (!on)
        return;
    QPlainTextEdit *text = editor(window);
    text->setPlainText(QStringLiteral("כתבבת"));
    const QDeadlineTimer limit(30000);
    while (text->document()->firstBlock().layout()->formats().isEmpty() && !limit.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace WindowParts
