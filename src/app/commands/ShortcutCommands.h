#pragma once

#include <QObject>

class AboutMode;
class DocumentCommands;
class EditorAdapter;
class MarkupCommands;
class NavigationCommands;
class PreferencesModel;
class QKeyEvent;
class QLineEdit;
class QWidget;

// The keys that are no menu item's shortcut: the function keys, seen first for
// the whole application, and the main window's own Ctrl+M, Tab and Shift+Insert.
class ShortcutCommands : public QObject
{
    Q_OBJECT

public:
    ShortcutCommands(QWidget &window, EditorAdapter &editor, DocumentCommands &document, MarkupCommands &markup,
                     NavigationCommands &navigation, const PreferencesModel &preferences, const AboutMode &aboutMode,
                     QLineEdit &jumpQuery);

    // F6 jump box, F9 save, F5 recent changes, F2 to F4 the configured programs.
    // Never takes the key: it goes on to the window and its menus.
    void handleFunctionKey(const QKeyEvent &key);
    // The main window's own keys; true when the key was used here.
    bool handleWindowKey(const QKeyEvent &key);
    // Starts the program chosen for F2, F3 or F4 (key 0 to 2) when it exists.
    void runConfiguredProgram(int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    EditorAdapter &m_editor;
    DocumentCommands &m_document;
    MarkupCommands &m_markup;
    NavigationCommands &m_navigation;
    const PreferencesModel &m_preferences;
    const AboutMode &m_aboutMode;
    QLineEdit &m_jumpQuery;
};
