#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <optional>

class AboutMode;
class DocumentCommands;
class DocumentModel;
class NavigationCommands;
class PreferencesModel;
class QMenu;
class QWidget;

// The auto-save timer, run at the interval the preferences give, and the
// notification-area icon the window can hide in.
class TimerTrayCommands : public QObject
{
    Q_OBJECT

public:
    TimerTrayCommands(QWidget &window, DocumentCommands &documents, const DocumentModel &document,
                      NavigationCommands &navigation, const PreferencesModel &preferences, const AboutMode &aboutMode);
    ~TimerTrayCommands() override;

    // Writes the document to its file on every tick, changed or not.
    void autoSave();

    // Closing the window with the Preferences' tray box on (and no root page being
    // written) hides it in the notification area; where the desktop has none, it is
    // minimised instead. True when the close was taken over.
    bool hideToTray();
    void restoreWindow();
    void trayActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    QMenu *trayPopup() const { return m_trayPopup; }
    const QTimer &autoSaveTicks() const { return m_autoSave; }

    // Tests decide whether the desktop has a notification area.
    static void setTrayAvailableForTesting(std::optional<bool> available);

private:
    void restartAutoSave(int interval);

    QWidget &m_window;
    DocumentCommands &m_documents;
    const DocumentModel &m_document;
    const PreferencesModel &m_preferences;
    const AboutMode &m_aboutMode;
    QTimer m_autoSave;
    QSystemTrayIcon *m_trayIcon;
    QMenu *m_trayPopup;
};
