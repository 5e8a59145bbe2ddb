#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <optional>

class NavigationCommands;
class QMenu;
class TForm1;

// While the About window is open its heart shows, and the function keys and the
// save lamp leave the window alone.
bool AboutModeOn(const TForm1 &form);

// The auto-save timer and the notification-area icon the window can hide in.
class TimerTrayCommands : public QObject
{
    Q_OBJECT

public:
    TimerTrayCommands(TForm1 &form, NavigationCommands &navigation);

    // Writes the document to its file on every tick, changed or not.
    void Timer2Timer();

    // Closing the window with the Preferences' tray box on (and the verb dialog
    // closed) hides it in the notification area; where the desktop has none, it
    // is minimised instead. True when the close was taken over.
    bool HideToTray();
    void TrayRestoreClick();
    void TrayExitClick();
    void TrayActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QMenu *trayPopup() const { return m_trayPopup; }

    // Tests decide whether the desktop has a notification area.
    static void setTrayAvailableForTesting(std::optional<bool> available);

private:
    TForm1 &m_form;
    QSystemTrayIcon *m_trayIcon;
    QMenu *m_trayPopup;
};
