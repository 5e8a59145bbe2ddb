#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <optional>

class AboutMode;
class DocumentCommands;
class NavigationCommands;
class PreferencesModel;
class QMenu;
class QTimer;
class QWidget;
class VerbsDialog;

// The auto-save timer and the notification-area icon the window can hide in.
class TimerTrayCommands : public QObject
{
    Q_OBJECT

public:
    TimerTrayCommands(QWidget &window, QTimer &autoSaveTimer, DocumentCommands &document,
                      NavigationCommands &navigation, const PreferencesModel &preferences,
                      const VerbsDialog &verbsDialog, const AboutMode &aboutMode);
    ~TimerTrayCommands() override;

    // Writes the document to its file on every tick, changed or not.
    void autoSave();

    // Closing the window with the Preferences' tray box on (and the verb dialog
    // closed) hides it in the notification area; where the desktop has none, it
    // is minimised instead. True when the close was taken over.
    bool hideToTray();
    void restoreWindow();
    void trayActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QMenu *trayPopup() const { return m_trayPopup; }

    // Tests decide whether the desktop has a notification area.
    static void setTrayAvailableForTesting(std::optional<bool> available);

private:
    QWidget &m_window;
    DocumentCommands &m_document;
    const PreferencesModel &m_preferences;
    const VerbsDialog &m_verbsDialog;
    const AboutMode &m_aboutMode;
    QSystemTrayIcon *m_trayIcon;
    QMenu *m_trayPopup;
};
