#include "app/commands/TimerTrayCommands.h"

#include "app/AboutMode.h"
#include "app/DocumentModel.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/NavigationCommands.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "gui/HebrewMessageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

std::optional<bool> g_trayAvailable;

bool trayAvailable()
{
    return g_trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

} // namespace

TimerTrayCommands::TimerTrayCommands(QWidget &window, DocumentCommands &documents, const DocumentModel &document,
                                     NavigationCommands &navigation, const PreferencesModel &preferences,
                                     const AboutMode &aboutMode)
    : m_window(window)
    , m_documents(documents)
    , m_document(document)
    , m_preferences(preferences)
    , m_aboutMode(aboutMode)
    , m_trayIcon(new QSystemTrayIcon(this))
    , m_trayPopup(new QMenu(&window))
{
    connect(&m_autoSave, &QTimer::timeout, this, &TimerTrayCommands::autoSave);
    connect(&m_preferences, &PreferencesModel::autoSaveRestarted, this, &TimerTrayCommands::restartAutoSave);

    m_trayPopup->setObjectName(QStringLiteral("TrayPopup"));
    m_trayPopup->setFont(window.font());
    connect(addItem(m_trayPopup, "TrayRestore", QStringLiteral("פתיחה")), &QAction::triggered, this,
            &TimerTrayCommands::restoreWindow);
    m_trayPopup->addSeparator();
    connect(addItem(m_trayPopup, "RecentChangesTray", QStringLiteral("שינויים אחרונים")), &QAction::triggered,
            &navigation, &NavigationCommands::showRecentChanges);
    m_trayPopup->addSeparator();
    connect(addItem(m_trayPopup, "TrayExit", QStringLiteral("יציאה")), &QAction::triggered, &documents,
            &DocumentCommands::exit);

    m_trayIcon->setIcon(window.windowIcon());
    m_trayIcon->setToolTip(AppTitle);
    m_trayIcon->setContextMenu(m_trayPopup);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &TimerTrayCommands::trayActivated);
    // Leaving always takes the icon away, also when Exit was chosen in the window.
    connect(qApp, &QCoreApplication::aboutToQuit, m_trayIcon, &QSystemTrayIcon::hide);
}

TimerTrayCommands::~TimerTrayCommands()
{
    delete m_trayPopup;
}

void TimerTrayCommands::autoSave()
{
    // The same safe writer as every save; a failed write has told the user why.
    // In the About mode the heart keeps its spot; only the lamp's timer runs.
    m_documents.saveToCurrentFile(!m_aboutMode.isOn());
}

void TimerTrayCommands::restartAutoSave(int interval)
{
    m_autoSave.stop();
    // A zero interval would make a Qt timer fire without pause; it means "never".
    if (interval > 0)
        m_autoSave.start(interval);
}

bool TimerTrayCommands::hideToTray()
{
    if (!m_preferences.tray() || m_document.rootPagePending())
        return false;
    if (!trayAvailable()) {
        // Hidden without an icon to bring it back, the window would be lost.
        m_window.showMinimized();
        return true;
    }
    m_window.hide();
    m_trayIcon->show();
    return true;
}

void TimerTrayCommands::restoreWindow()
{
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    m_trayIcon->hide();
}

void TimerTrayCommands::trayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        restoreWindow();
}

void TimerTrayCommands::setTrayAvailableForTesting(std::optional<bool> available)
{
    g_trayAvailable = available;
}
