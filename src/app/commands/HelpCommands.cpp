#include "app/commands/HelpCommands.h"

#include "app/AboutMode.h"
#include "app/ClipboardKeeper.h"
#include "app/EditorAdapter.h"
#include "dialogs/about/AboutDialog.h"
#include "dialogs/guide/EntryGuideDialog.h"
#include "dialogs/links/LinksDialog.h"
#include "gui/AppIcons.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/BrowserMenu.h"
#include "platform/KeyStore.h"
#include "platform/ShellOpen.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int InstalledImage = 23;
constexpr int RemovedImage = 24;

// Where the link for the browser's bookmarks bar went, and what to do with it.
const QString BookmarkletNote = QStringLiteral(
    "דף הסימנייה לדפדפן נכתב אל:\n%1\nפתחו אותו בדפדפן וגררו את הקישור שבו אל סרגל הסימניות.\u200F");

const QString HandOverFailed = QStringLiteral(
    "לא ניתן להעביר את הטקסט ללוח כך שיישאר בו אחרי היציאה מהתוכנה. הטקסט נשאר בעורך ובלוח; "
    "הדביקו אותו בדפדפן לפני היציאה.\u200F");

} // namespace

HelpCommands::HelpCommands(EditorAdapter &editor, AboutMode &aboutMode, Windows windows, QAction &browserMenu)
    : m_editor(editor)
    , m_aboutMode(aboutMode)
    , m_windows(windows)
    , m_browserMenu(browserMenu)
{
    connect(&m_windows.about, &AboutDialog::closed, this, [this] { m_aboutMode.setOn(false); });
}

void HelpCommands::showGuide()
{
    m_windows.guide.showGuide();
}

QString HelpCommands::helpFile()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {program.filePath(QStringLiteral("dalvana-help.html")),
                                     program.filePath(QStringLiteral("../share/doc/dalvana/dalvana-help.html"))}) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

void HelpCommands::showHelp()
{
    const QString file = helpFile();
    if (!file.isEmpty())
        ShellOpen::open(file);
}

void HelpCommands::showAbout()
{
    m_windows.about.showAbout();
    m_aboutMode.setOn(true);
}

void HelpCommands::showLinks()
{
    m_windows.links.showLinks();
}

void HelpCommands::toggleBrowserMenu()
{
    KeyStore currentUser(KeyStore::Root::CurrentUser);
    const BrowserMenu::Toggled toggled = BrowserMenu::toggle(currentUser, QCoreApplication::applicationFilePath());
    reflectBrowserMenu();
    if (!toggled.error.isEmpty()) {
        HebrewMessageBox::show(toggled.error, HebrewMessageBox::Error, QMessageBox::Ok);
        return;
    }
    HebrewMessageBox::notice(browserMenuMessage(toggled.installed));
}

QString HelpCommands::browserMenuMessage(bool installed)
{
    // Stored for a left-to-right box, full stop first: in ours it is isolated to
    // read as stored, else it runs backwards.
    if (!installed)
        return HebrewUi::leftToRight(BrowserMenu::RemovedMessage);
    return HebrewUi::leftToRight(BrowserMenu::InstalledMessage) + u'\n'
        + BookmarkletNote.arg(HebrewUi::leftToRight(BrowserMenu::bookmarkletPath()));
}

void HelpCommands::reflectBrowserMenu()
{
    const bool installed = BrowserMenu::isInstalled(KeyStore(KeyStore::Root::CurrentUser));
    m_browserMenu.setIcon(AppIcons::menuImage(installed ? InstalledImage : RemovedImage));
}

void HelpCommands::goBack()
{
    if (!ClipboardKeeper::handOver(m_editor.text())) {
        HebrewMessageBox::show(HandOverFailed, HebrewMessageBox::Warning, QMessageBox::Ok);
        return;
    }
    QCoreApplication::exit(0);
}
