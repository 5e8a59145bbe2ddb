#include "app/commands/TimerTrayCommands.h"

#include "app/DocumentRules.h"
#include "app/HebrewMessageBox.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/NavigationCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
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

bool AboutModeOn(const TForm1 &form)
{
    return !form.love()->isHidden();
}

TimerTrayCommands::TimerTrayCommands(TForm1 &form, NavigationCommands &navigation)
    : QObject(&form)
    , m_form(form)
    , m_trayIcon(new QSystemTrayIcon(this))
    , m_trayPopup(new QMenu(&form))
{
    connect(form.timer2(), &QTimer::timeout, this, &TimerTrayCommands::Timer2Timer);

    m_trayPopup->setObjectName(QStringLiteral("TrayPopup"));
    m_trayPopup->setLayoutDirection(Qt::RightToLeft);
    m_trayPopup->setFont(form.font());
    connect(addItem(m_trayPopup, "TrayRestore", QStringLiteral("פתיחה")), &QAction::triggered, this,
            &TimerTrayCommands::TrayRestoreClick);
    m_trayPopup->addSeparator();
    connect(addItem(m_trayPopup, "RecentChangesTray", QStringLiteral("שינויים אחרונים")), &QAction::triggered,
            &navigation, &NavigationCommands::RecentChangesTrayClick);
    m_trayPopup->addSeparator();
    connect(addItem(m_trayPopup, "TrayExit", QStringLiteral("יציאה")), &QAction::triggered, this,
            &TimerTrayCommands::TrayExitClick);

    QIcon icon = form.windowIcon();
    if (icon.isNull())
        icon = QIcon::fromTheme(QStringLiteral("accessories-text-editor"));
    m_trayIcon->setIcon(icon);
    m_trayIcon->setToolTip(AppTitle);
    m_trayIcon->setContextMenu(m_trayPopup);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &TimerTrayCommands::TrayActivated);
    // Leaving always takes the icon away, also when Exit was chosen in the window.
    connect(qApp, &QCoreApplication::aboutToQuit, m_trayIcon, &QSystemTrayIcon::hide);

    form.setCloseDiverter([this] { return HideToTray(); });
}

void TimerTrayCommands::Timer2Timer()
{
    DocumentCommands &document = m_form.document();
    if (!DocumentRules::fileExists(document.currentFileName()))
        return;
    QLabel *green = m_form.greenLed();
    QLabel *blue = m_form.blueLed();
    const bool about = AboutModeOn(m_form);
    const bool greenShown = !green->isHidden();
    const bool blueShown = !blue->isHidden();
    // The same safe writer as every save; a failed write has told the user why.
    if (!document.saveToCurrentFile())
        return;
    m_form.action(QStringLiteral("QuickSave"))->setEnabled(false);
    if (about) {
        // The heart keeps its spot; only the lamp's timer runs.
        green->setVisible(greenShown);
        blue->setVisible(blueShown);
    }
}

bool TimerTrayCommands::HideToTray()
{
    if (Settings::read(QStringLiteral("Preferences"), QStringLiteral("Tray")) != QLatin1String("Yes")
        || m_form.verbDialogVisible())
        return false;
    if (!trayAvailable()) {
        // Hidden without an icon to bring it back, the window would be lost.
        m_form.showMinimized();
        return true;
    }
    m_form.hide();
    m_trayIcon->show();
    return true;
}

void TimerTrayCommands::TrayRestoreClick()
{
    m_form.show();
    m_form.raise();
    m_form.activateWindow();
    m_trayIcon->hide();
}

void TimerTrayCommands::TrayExitClick()
{
    m_form.action(QStringLiteral("Exit"))->trigger();
}

void TimerTrayCommands::TrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        TrayRestoreClick();
}

void TimerTrayCommands::setTrayAvailableForTesting(std::optional<bool> available)
{
    g_trayAvailable = available;
}
