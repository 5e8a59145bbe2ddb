#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/TimerTrayCommands.h"
#include "dialogs/verbs/VerbsDialog.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class TimerTrayCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(); }

    void init()
    {
        MainWindowFixture::freshSettings(m_dir);
        TimerTrayCommands::setTrayAvailableForTesting(true);
        m_file = m_dir.filePath(QStringLiteral("ערך.txt"));
        QString error;
        QVERIFY(DocumentFormat::writeFile(m_file, QStringLiteral("ישן"), &error));
    }

    void autoSaveWritesAtItsInterval()
    {
        MainWindow form;
        form.show();
        QVERIFY(form.documentCommands().openFile(m_file));
        form.document().endSaveIndication();
        form.editor().setText(QStringLiteral("חדש\r\nשורה"));
        form.document().setQuickSavePending(true);
        emit form.preferences().autoSaveRestarted(100);
        QTRY_COMPARE_WITH_TIMEOUT(readBack(), QStringLiteral("חדש\r\nשורה"), 3000);
        QVERIFY(MainWindowFixture::label(form, "GreenLed")->isVisible());
        QVERIFY(!MainWindowFixture::label(form, "BlueLed")->isVisible());
        QVERIFY(!MainWindowFixture::action(form, QStringLiteral("QuickSave"))->isEnabled());
        QCOMPARE(form.document().savedText(), QStringLiteral("חדש\r\nשורה"));
        emit form.preferences().autoSaveRestarted(0);
        // The lamp goes back after half a second.
        QTRY_VERIFY_WITH_TIMEOUT(MainWindowFixture::label(form, "BlueLed")->isVisible(), 2000);
        QVERIFY(!MainWindowFixture::label(form, "GreenLed")->isVisible());
    }

    void autoSaveWithoutFile()
    {
        MainWindow form;
        form.show();
        form.editor().setText(QStringLiteral("טקסט"));
        trayCommands(form)->autoSave();
        QVERIFY(!MainWindowFixture::label(form, "GreenLed")->isVisible());
        QVERIFY(!form.document().saveLamp().isActive());

        // A file deleted meanwhile is not written again.
        QVERIFY(form.documentCommands().openFile(m_file));
        form.document().endSaveIndication();
        QVERIFY(QFile::remove(m_file));
        trayCommands(form)->autoSave();
        QVERIFY(!QFile::exists(m_file));
        QVERIFY(!MainWindowFixture::label(form, "GreenLed")->isVisible());
    }

    void autoSaveInAboutMode()
    {
        MainWindow form;
        form.show();
        QVERIFY(form.documentCommands().openFile(m_file));
        form.document().endSaveIndication();
        form.aboutMode().setOn(true);
        form.editor().setText(QStringLiteral("באודות"));
        trayCommands(form)->autoSave();
        QCOMPARE(readBack(), QStringLiteral("באודות"));
        QVERIFY(!MainWindowFixture::label(form, "GreenLed")->isVisible());
        QVERIFY(form.document().saveLamp().isActive());
    }

    void trayMenu()
    {
        MainWindow form;
        QMenu *menu = trayCommands(form)->trayPopup();
        QStringList items;
        for (QAction *a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
        QCOMPARE(items,
                 (QStringList{"TrayRestore=פתיחה", "-", "RecentChangesTray=שינויים אחרונים", "-", "TrayExit=יציאה"}));
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(trayCommands(form)->trayIcon()->toolTip(), QStringLiteral("דלבנה"));
    }

    void closeHidesInTheTray()
    {
        MainWindow form;
        form.preferences().load(true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        TimerTrayCommands *tray = trayCommands(form);
        form.close();
        QVERIFY(!form.isVisible());
        QVERIFY(tray->trayIcon()->isVisible());
        emit tray->trayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!form.isVisible());
        emit tray->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(form.isVisible());
        QVERIFY(!tray->trayIcon()->isVisible());

        form.close();
        QVERIFY(!form.isVisible());
        MainWindowFixture::action(form, QStringLiteral("TrayRestore"))->trigger();
        QVERIFY(form.isVisible());
        QVERIFY(!tray->trayIcon()->isVisible());
    }

    // Without a notification area the window could not be brought back.
    void closeMinimisesWithoutANotificationArea()
    {
        TimerTrayCommands::setTrayAvailableForTesting(false);
        MainWindow form;
        form.preferences().load(true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.close();
        QVERIFY(!form.isHidden());
        QVERIFY(form.windowState() & Qt::WindowMinimized);
        QVERIFY(!trayCommands(form)->trayIcon()->isVisible());
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
        MainWindow form;
        form.start({});
        if (verbDialog)
            form.document().setRootPagePending(true);
        QVERIFY(!trayCommands(form)->hideToTray());
        QVERIFY(!trayCommands(form)->trayIcon()->isVisible());
    }

private:
    static TimerTrayCommands *trayCommands(MainWindow &form) { return &form.timerTrayCommands(); }
    QString readBack() const { return MainWindowFixture::readDocument(m_file); }

    QTemporaryDir m_dir;
    QString m_file;
};

QTEST_MAIN(TimerTrayCommandsTest)
#include "TimerTrayCommandsTest.moc"
