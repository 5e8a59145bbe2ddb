#include "support/MainWindowFixture.h"
#include "app/ClipboardKeeper.h"
#include "gui/ClickableLabel.h"
#include "platform/BrowserMenu.h"
#include "support/WindowTestCase.h"

#include <QClipboard>
#include <QFile>
#include <QTest>

using namespace MainWindowFixture;

class HelpCommandsTest : public WindowTestCase
{
    Q_OBJECT

    MainWindow *m_form = nullptr;

    bool goesBack()
    {
        return leavesEventLoop([this] { emit child<ClickableLabel>(*m_form, QStringLiteral("GoBack"))->clicked(); });
    }

private slots:
    void init()
    {
        WindowTestCase::init();
        m_form = &make<MainWindow>();
    }

    // While the About window is open the four menus and the toolbar rest.
    void aboutMode()
    {
        press(*m_form, "AboutF");
        auto *about = topLevel<QDialog>(*m_form, QStringLiteral("TForm2"));
        QVERIFY(about->isVisible());
        QVERIFY(!action(*m_form, "ToolsMenu")->isEnabled());
        QVERIFY(!toolBar(*m_form)->isEnabled());
        // Minimising the window, the desktop minimises its tool windows too: the About
        // window is not closed by that.
        m_form->show();
        m_form->showMinimized();
        about->setWindowState(Qt::WindowMinimized);
        QVERIFY(!action(*m_form, "ToolsMenu")->isEnabled());
        about->setWindowState(Qt::WindowNoState);
        m_form->showNormal();
        about->close();
        QVERIFY(action(*m_form, "ToolsMenu")->isEnabled());
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
        ArticleText(*m_form).setText(QStringLiteral("==שָׁלוֹם==\r\n# ברכה."));
        ClipboardKeeper::setProgramForTesting(QStringLiteral("/bin/true"));
        QVERIFY(goesBack());
        QCOMPARE(QGuiApplication::clipboard()->text().remove(u'\r'), QStringLiteral("==שָׁלוֹם==\n# ברכה."));
        QVERIFY(askedTexts().isEmpty());

        ClipboardKeeper::setProgramForTesting(m_dir.filePath(QStringLiteral("no such program")));
        QVERIFY(!goesBack());
        QCOMPARE(askedTexts().size(), 1);
        ClipboardKeeper::setProgramForTesting(QString());
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "HelpCommandsTest.moc"
