#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/NavigationCommands.h"
#include "app/commands/TimerTrayCommands.h"
#include "support/WindowTestCase.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

// The groups the timer and the tray work with, made on an editor host.
struct TrayHost
{
    explicit TrayHost(EditorHost &h)
        : documents(h.editor, h.document, h.recentMenu, h.window)
        , navigation(h.editor, h.preferences, *h.jumpQuery, {&jump, &wikipedia, &google, &commons})
        , tray(h.window, documents, h.document, navigation, h.preferences, h.aboutMode)
    {
    }

    QAction jump, wikipedia, google, commons;
    DocumentCommands documents;
    NavigationCommands navigation;
    TimerTrayCommands tray;
};

class TimerTrayCommandsTest : public WindowTestCase
{
    Q_OBJECT

    TrayHost *m_groups = nullptr;

    TrayHost &groups() { return *m_groups; }

    TimerTrayCommands &tray() { return groups().tray; }

    // The window shown with the file open and its lamp out.
    void openShown()
    {
        host().window.show();
        QVERIFY(groups().documents.openFile(m_file));
        host().document.endSaveIndication();
    }

    void showWithTheStoredChoices()
    {
        host().preferences.load(true);
        host().window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host().window));
    }

private slots:
    void init()
    {
        WindowTestCase::init();
        TimerTrayCommands::setTrayAvailableForTesting(true);
        m_file = m_dir.filePath(QStringLiteral("ערך.txt"));
        QString error;
        QVERIFY(DocumentFormat::writeFile(m_file, QStringLiteral("ישן"), &error));
        m_groups = &make<TrayHost>(host());
    }

    void autoSaveWritesAtItsInterval()
    {
        openShown();
        DocumentModel &document = host().document;
        host().editor.setText(QStringLiteral("חדש\r\nשורה"));
        document.setQuickSavePending(true);
        emit host().preferences.autoSaveRestarted(100);
        QTRY_COMPARE_WITH_TIMEOUT(readBack(), QStringLiteral("חדש\r\nשורה"), 3000);
        QVERIFY(document.saveLampLit());
        QVERIFY(!document.quickSavePending());
        QCOMPARE(document.savedText(), QStringLiteral("חדש\r\nשורה"));
        emit host().preferences.autoSaveRestarted(0);
        QVERIFY(!tray().autoSaveTicks().isActive());
        // The lamp goes back after half a second.
        QTRY_VERIFY_WITH_TIMEOUT(!document.saveLampLit(), 2000);
    }

    // The ticks follow the stored interval, in minutes, from the start.
    void autoSaveIntervalFromTheSettings_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("interval");
        QTest::newRow("default") << QString() << 0;
        QTest::newRow("4") << QStringLiteral("4") << 4 * 60000;
    }

    void autoSaveIntervalFromTheSettings()
    {
        QFETCH(QString, stored);
        QFETCH(int, interval);
        if (!stored.isNull())
            Settings::write(QStringLiteral("Preferences"), QStringLiteral("AutoSave"), stored);
        host().preferences.load(true);
        QCOMPARE(tray().autoSaveTicks().isActive(), interval > 0);
        if (interval > 0)
            QCOMPARE(tray().autoSaveTicks().interval(), interval);
    }

    void autoSaveWithoutFile()
    {
        host().window.show();
        host().editor.setText(QStringLiteral("טקסט"));
        tray().autoSave();
        QVERIFY(!host().document.saveLampLit());
        QVERIFY(!host().document.saveLamp().isActive());

        // A file deleted meanwhile is not written again.
        openShown();
        QVERIFY(QFile::remove(m_file));
        tray().autoSave();
        QVERIFY(!QFile::exists(m_file));
        QVERIFY(!host().document.saveLampLit());
    }

    void autoSaveInAboutMode()
    {
        openShown();
        host().aboutMode.setOn(true);
        host().editor.setText(QStringLiteral("באודות"));
        tray().autoSave();
        QCOMPARE(readBack(), QStringLiteral("באודות"));
        QVERIFY(!host().document.saveLampLit());
        QVERIFY(host().document.saveLamp().isActive());
    }

    void trayMenu()
    {
        QMenu *menu = tray().trayPopup();
        QStringList items;
        for (QAction *a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
        QCOMPARE(items,
                 (QStringList{"TrayRestore=פתיחה", "-", "RecentChangesTray=שינויים אחרונים", "-", "TrayExit=יציאה"}));
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(tray().trayIcon()->toolTip(), QStringLiteral("דלבנה"));
    }

    void closeHidesInTheTray()
    {
        showWithTheStoredChoices();
        QWidget &window = host().window;
        QVERIFY(tray().hideToTray());
        QVERIFY(!window.isVisible());
        QVERIFY(tray().trayIcon()->isVisible());
        emit tray().trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!window.isVisible());
        emit tray().trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.isVisible());
        QVERIFY(!tray().trayIcon()->isVisible());
    }

    // The window's close goes to the tray, and the tray's item brings it back.
    void windowClosesToTheTray()
    {
        MainWindow form;
        form.start({});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.close();
        QVERIFY(!form.isVisible());
        MainWindowFixture::action(form, QStringLiteral("TrayRestore"))->trigger();
        QVERIFY(form.isVisible());
    }

    // Without a notification area the window could not be brought back.
    void closeMinimisesWithoutANotificationArea()
    {
        TimerTrayCommands::setTrayAvailableForTesting(false);
        showWithTheStoredChoices();
        QWidget &window = host().window;
        QVERIFY(tray().hideToTray());
        QVERIFY(!window.isHidden());
        QVERIFY(window.windowState() & Qt::WindowMinimized);
        QVERIFY(!tray().trayIcon()->isVisible());
    }

    void closeNotDiverted_data()
    {
        QTest::addColumn<QString>("tray");
        QTest::addColumn<bool>("verbDialog");
        QTest::newRow("tray off") << QStringLiteral("No") << false;
        QTest::newRow("tray lower case") << QStringLiteral("yes") << false;
        QTest::newRow("verb dialog open") << QStringLiteral("Yes") << true;
    }

    void closeNotDiverted()
    {
        QFETCH(QString, tray);
        QFETCH(bool, verbDialog);
        Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), tray);
        host().preferences.load(true);
        if (verbDialog)
            host().document.setRootPagePending(true);
        QVERIFY(!this->tray().hideToTray());
        QVERIFY(!this->tray().trayIcon()->isVisible());
    }

private:
    QString readBack() const { return MainWindowFixture::readDocument(m_file); }

    QString m_file;
};

QTEST_MAIN(TimerTrayCommandsTest)
#include "TimerTrayCommandsTest.moc"
