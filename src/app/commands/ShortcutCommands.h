#pragma once

#include <QObject>

class QKeyEvent;
class TForm1;

// The keys that are no menu item's shortcut: the function keys, seen first for
// the whole application, and the main window's own Ctrl+M, Tab and Shift+Insert.
class ShortcutCommands : public QObject
{
    Q_OBJECT

public:
    explicit ShortcutCommands(TForm1 &form);

    // F6 jump box, F9 save, F5 recent changes, F2 to F4 the configured programs.
    // Never takes the key: it goes on to the window and its menus.
    void ApplicationEvents1ShortCut(const QKeyEvent &key);
    // True when the key was used here.
    bool TntFormShortCut(const QKeyEvent &key);
    // Starts the program stored under `key` ("F2", "F3", "F4") when it exists.
    void RunConfiguredProgram(const QString &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TForm1 &m_form;
};
