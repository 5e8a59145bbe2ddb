#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/TimerTrayCommands.h"
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
        TForm1 form;
        form.show();
        QVERIFY(form.document().OpenDocumentFile(m_file));
        form.document().Timer1Timer();
        form.editor().setText(QStringLiteral("חדש\r\nשורה"));
        form.action(QStringLiteral("QuickSave"))->setEnabled(true);
        form.timer2()->setInterval(100);
        form.timer2()->start();
        QTRY_COMPARE_WITH_TIMEOUT(readBack(), QStringLiteral("חדש\r\nשורה"), 3000);
        QVERIFY(form.greenLed()->isVisible());
        QVERIFY(!form.blueLed()->isVisible());
        QVERIFY(!form.action(QStringLiteral("QuickSave"))->isEnabled());
        QCOMPARE(form.document().savedText(), QStringLiteral("חדש\r\nשורה"));
        form.timer2()->stop();
        // The lamp goes back after half a second.
        QTRY_VERIFY_WITH_TIMEOUT(form.blueLed()->isVisible(), 2000);
        QVERIFY(!form.greenLed()->isVisible());
    }

    void autoSaveWithoutFile()
    {
        TForm1 form;
        form.show();
        form.editor().setText(QStringLiteral("טקסט"));
        trayCommands(form)->Timer2Timer();
        QVERIFY(!form.greenLed()->isVisible());
        QVERIFY(!form.timer1()->isActive());

        // A file deleted meanwhile is not written again.
        QVERIFY(form.document().OpenDocumentFile(m_file));
        form.document().Timer1Timer();
        QVERIFY(QFile::remove(m_file));
        trayCommands(form)->Timer2Timer();
        QVERIFY(!QFile::exists(m_file));
        QVERIFY(!form.greenLed()->isVisible());
    }

    void autoSaveInAboutMode()
    {
        TForm1 form;
        form.show();
        QVERIFY(form.document().OpenDocumentFile(m_file));
        form.document().Timer1Timer();
        form.love()->show();
        form.editor().setText(QStringLiteral("באודות"));
        trayCommands(form)->Timer2Timer();
        QCOMPARE(readBack(), QStringLiteral("באודות"));
        QVERIFY(!form.greenLed()->isVisible());
        QVERIFY(form.timer1()->isActive());
    }

    void trayMenu()
    {
        TForm1 form;
        QMenu *menu = trayCommands(form)->trayPopup();
        QStringList items;
        for (QAction *a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
        QCOMPARE(items, (QStringList{"TrayRestore=פתיחה", "-", "RecentChangesTray=שינויים אחרונים", "-",
                                     "TrayExit=יציאה"}));
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(trayCommands(form)->trayIcon()->toolTip(), QStringLiteral("דלבנה"));
    }

    void closeHidesInTheTray()
    {
        TForm1 form;
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
        form.action(QStringLiteral("TrayRestore"))->trigger();
        QVERIFY(form.isVisible());
        QVERIFY(!tray->trayIcon()->isVisible());
    }

    // Without a notification area the window could not be brought back.
    void closeMinimisesWithoutANotificationArea()
    {
        TimerTrayCommands::setTrayAvailableForTesting(false);
        TForm1 form;
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
        TForm1 form;
        form.setVerbDialogVisibleQuery([verbDialog] { return verbDialog; });
        QVERIFY(!trayCommands(form)->HideToTray());
        QVERIFY(!trayCommands(form)->trayIcon()->isVisible());
    }

private:
    static TimerTrayCommands *trayCommands(TForm1 &form) { return form.findChild<TimerTrayCommands *>(); }
    QString readBack() const { return MainWindowFixture::readDocument(m_file); }

    QTemporaryDir m_dir;
    QString m_file;
};

QTEST_MAIN(TimerTrayCommandsTest)
#include "TimerTrayCommandsTest.moc"
