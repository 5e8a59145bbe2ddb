#include "app/commands/ShortcutCommands.h"

#include "app/DocumentRules.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/TimerTrayCommands.h"
#include "platform/ShellOpen.h"
#include "wikitext/EditorKeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The Hebrew layout puts "צ" on the M key.
bool isKeyM(int key)
{
    return key == Qt::Key_M || key == 0x05E6;
}

} // namespace

ShortcutCommands::ShortcutCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
{
    qApp->installEventFilter(this);
}

void ShortcutCommands::ApplicationEvents1ShortCut(const QKeyEvent &key)
{
    const bool about = AboutModeOn(m_form);
    const int k = key.key();
    if (k == Qt::Key_F6 && !about)
        m_form.jumpQuery()->setFocus(Qt::ShortcutFocusReason);
    if (k == Qt::Key_F9 && !about && DocumentRules::fileExists(m_form.document().currentFileName())) {
        // Saves whether or not quick save is enabled.
        if (m_form.document().saveToCurrentFile())
            m_form.action(QStringLiteral("QuickSave"))->setEnabled(false);
    }
    if (k == Qt::Key_F5 && !about) {
        if (QAction *recent = m_form.action(QStringLiteral("RecentChangesTray")))
            recent->trigger();
    }
    if (about || (k != Qt::Key_F2 && k != Qt::Key_F3 && k != Qt::Key_F4))
        return;
    if (!QFileInfo::exists(Settings::iniPath()))
        return;
    if (k == Qt::Key_F2)
        RunConfiguredProgram(QStringLiteral("F2"));
    if (k == Qt::Key_F3)
        RunConfiguredProgram(QStringLiteral("F3"));
    // Alt+F4 is left to close the window.
    if (k == Qt::Key_F4 && !(key.modifiers() & Qt::AltModifier))
        RunConfiguredProgram(QStringLiteral("F4"));
}

bool ShortcutCommands::TntFormShortCut(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers mods = key.modifiers();
    EditorAdapter &editor = m_form.editor();
    bool handled = false;
    if (isKeyM(key.key()) && (mods & Qt::ControlModifier)) {
        m_form.action(QStringLiteral("Math"))->trigger();
        handled = true;
    } else if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && m_form.articleText()->hasFocus()) {
        editor.apply(TabKeyInsert(editor.state()));
        handled = true;
    }
    // Into the editor wherever the focus is; Ctrl+V stays the focused box's paste.
    if (key.key() == Qt::Key_Insert && (mods & Qt::ShiftModifier)) {
        editor.apply(QuotationPaste(editor.state(), QGuiApplication::clipboard()->text()));
        handled = true;
    }
    return handled;
}

void ShortcutCommands::RunConfiguredProgram(const QString &key)
{
    // The reader has already dropped the quotes around the path.
    const QString program = Settings::read(QStringLiteral("Shortcuts"), key);
    if (!program.isEmpty() && QFileInfo(program).isFile())
        ShellOpen(program);
}

bool ShortcutCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key press travels from the focused widget up to its parents; it is
    // looked at once, where it starts.
    auto *widget = static_cast<QWidget *>(watched);
    QWidget *focus = QApplication::focusWidget();
    if (widget != (focus ? focus : widget->window()))
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    ApplicationEvents1ShortCut(key);
    if (widget->window() != &m_form)
        return false;
    if (key.key() == Qt::Key_F4 && (key.modifiers() & Qt::AltModifier)) {
        // Where the window manager leaves Alt+F4 to the program.
        m_form.close();
        return true;
    }
    return TntFormShortCut(key);
}
