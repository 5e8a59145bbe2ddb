#include "app/commands/ShortcutCommands.h"

#include "app/AboutMode.h"
#include "app/EditorAdapter.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/MarkupCommands.h"
#include "app/commands/NavigationCommands.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "platform/Settings.h"
#include "platform/ShellOpen.h"
#include "wikitext/EditorKeys.h"

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

ShortcutCommands::ShortcutCommands(QWidget &window, EditorAdapter &editor, DocumentCommands &document,
                                   MarkupCommands &markup, NavigationCommands &navigation,
                                   const PreferencesModel &preferences, const AboutMode &aboutMode,
                                   QLineEdit &jumpQuery)
    : m_window(window)
    , m_editor(editor)
    , m_document(document)
    , m_markup(markup)
    , m_navigation(navigation)
    , m_preferences(preferences)
    , m_aboutMode(aboutMode)
    , m_jumpQuery(jumpQuery)
{
    qApp->installEventFilter(this);
}

void ShortcutCommands::handleFunctionKey(const QKeyEvent &key)
{
    if (m_aboutMode.isOn())
        return;
    const int k = key.key();
    if (k == Qt::Key_F6)
        m_jumpQuery.setFocus(Qt::ShortcutFocusReason);
    // Saves whether or not quick save has anything to write.
    if (k == Qt::Key_F9)
        m_document.saveToCurrentFile();
    if (k == Qt::Key_F5)
        m_navigation.showRecentChanges();
    if (k != Qt::Key_F2 && k != Qt::Key_F3 && k != Qt::Key_F4)
        return;
    if (!QFileInfo::exists(Settings::iniPath()))
        return;
    // Alt+F4 is left to close the window.
    if (k == Qt::Key_F4 && (key.modifiers() & Qt::AltModifier))
        return;
    runConfiguredProgram(k - Qt::Key_F2);
}

bool ShortcutCommands::handleWindowKey(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers mods = key.modifiers();
    bool handled = false;
    if (isKeyM(key.key()) && (mods & Qt::ControlModifier)) {
        m_markup.math();
        handled = true;
    } else if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && m_editor.widget()->hasFocus()) {
        m_editor.apply(EditorKeys::insertTab(m_editor.state()));
        handled = true;
    }
    // Into the editor wherever the focus is; Ctrl+V stays the focused box's paste.
    if (key.key() == Qt::Key_Insert && (mods & Qt::ShiftModifier)) {
        m_editor.apply(EditorKeys::pasteQuotation(m_editor.state(), QGuiApplication::clipboard()->text()));
        handled = true;
    }
    return handled;
}

void ShortcutCommands::runConfiguredProgram(int key)
{
    const QString program = m_preferences.shortcutProgram(key);
    if (!program.isEmpty() && QFileInfo(program).isFile())
        ShellOpen::open(program);
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
    handleFunctionKey(key);
    if (widget->window() != &m_window)
        return false;
    if (key.key() == Qt::Key_F4 && (key.modifiers() & Qt::AltModifier)) {
        // Where the window manager leaves Alt+F4 to the program.
        m_window.close();
        return true;
    }
    return handleWindowKey(key);
}
