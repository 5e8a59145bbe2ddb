#include "support/MainWindowFixture.h"
#include "app/ClipboardKeeper.h"
#include "app/commands/HelpCommands.h"
#include "dialogs/about/AboutDialog.h"
#include "platform/BrowserMenu.h"

#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace MainWindowFixture;

class HelpCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;

private slots:
    void initTestCase() { startTestCase(m_dir); }

    void init()
    {
        m_form = std::make_unique<MainWindow>();
        HebrewMessageBox::clearAsked();
    }

    void cleanup() { m_form.reset(); }

    // While the About window is open the four menus and the toolbar rest.
    void aboutMode()
    {
        press(*m_form, "AboutF");
        QVERIFY(m_form->aboutDialog().isVisible());
        QVERIFY(m_form->aboutMode().isOn());
        QVERIFY(!action(*m_form, "ToolsMenu")->isEnabled());
        QVERIFY(!toolBar(*m_form)->isEnabled());
        // Minimising the window, the desktop minimises its tool windows too: the About
        // window is not closed by that.
        m_form->show();
        m_form->showMinimized();
        m_form->aboutDialog().setWindowState(Qt::WindowMinimized);
        QVERIFY(m_form->aboutMode().isOn());
        m_form->aboutDialog().setWindowState(Qt::WindowNoState);
        m_form->showNormal();
        m_form->aboutDialog().close();
        QVERIFY(!m_form->aboutMode().isOn());
        QVERIFY(action(*m_form, "HelpMenu")->isEnabled());
        QVERIFY(toolBar(*m_form)->isEnabled());
    }

    void browserMenuToggles()
    {
        QAction *item = action(*m_form, "IE1");
        const qint64 removedIcon = item->icon().cacheKey();
        press(*m_form, "IE1");
        QVERIFY(QFile::exists(BrowserMenu::scriptPath()));
        QVERIFY(item->icon().cacheKey() != removedIcon);
        press(*m_form, "IE1");
        QVERIFY(!QFile::exists(BrowserMenu::scriptPath()));
        // Each stored message read as stored, and where the bookmarklet page went.
        const QStringList told = askedTexts();
        QCOMPARE(told.size(), 2);
        QVERIFY(told[0].startsWith(QChar(0x2066) + BrowserMenu::InstalledMessage + QChar(0x2069) + u'\n'));
        QVERIFY(told[0].contains(QChar(0x2066) + BrowserMenu::bookmarkletPath() + QChar(0x2069)));
        QCOMPARE(told[1], QChar(0x2066) + BrowserMenu::RemovedMessage + QChar(0x2069));
    }

    // The text goes to the clipboard and the program ends at once, unsaved or not.
    void goBack()
    {
        m_form->editor().setText(QStringLiteral("==שָׁלוֹם==\r\n# ברכה."));
        ClipboardKeeper::setProgramForTesting(QStringLiteral("/bin/true"));
        QVERIFY(leavesEventLoop([this] { m_form->helpCommands().goBack(); }));
        QCOMPARE(QGuiApplication::clipboard()->text().remove(u'\r'), QStringLiteral("==שָׁלוֹם==\n# ברכה."));
        QVERIFY(askedTexts().isEmpty());

        ClipboardKeeper::setProgramForTesting(m_dir.filePath(QStringLiteral("no such program")));
        QVERIFY(!leavesEventLoop([this] { m_form->helpCommands().goBack(); }));
        QCOMPARE(askedTexts().size(), 1);
        ClipboardKeeper::setProgramForTesting(QString());
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "HelpCommandsTest.moc"
