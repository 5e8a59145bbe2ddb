#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/TimerTrayCommands.h"
#include "platform/ShellOpen.h"
#include "support/TestFiles.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class ShortcutCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        MainWindowFixture::startTestCase();
        TimerTrayCommands::setTrayAvailableForTesting(true);
    }

    void init()
    {
        MainWindowFixture::freshSettings(m_dir);
        m_file = m_dir.filePath(QStringLiteral("ערך.txt"));
        QString error;
        QVERIFY(DocumentFormat::writeFile(m_file, QStringLiteral("ישן"), &error));
        m_form = std::make_unique<MainWindow>();
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        m_form->editor().widget()->setFocus();
    }

    void cleanup() { m_form.reset(); }

    void f9Saves()
    {
        QVERIFY(m_form->documentCommands().openFile(m_file));
        m_form->document().endSaveIndication();
        m_form->editor().setText(QStringLiteral("נשמר ב-F9"));
        MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->setEnabled(true);
        QTest::keyClick(m_form->editor().widget(), Qt::Key_F9);
        QCOMPARE(readBack(), QStringLiteral("נשמר ב-F9"));
        QVERIFY(MainWindowFixture::label(*m_form, "GreenLed")->isVisible());
        QVERIFY(!MainWindowFixture::label(*m_form, "BlueLed")->isVisible());
        QVERIFY(m_form->document().saveLamp().isActive());
        QVERIFY(!MainWindowFixture::action(*m_form, QStringLiteral("QuickSave"))->isEnabled());
        // The key goes on to the editor, which has no use for it.
        QCOMPARE(m_form->editor().text(), QStringLiteral("נשמר ב-F9"));
    }

    void f9WithoutFile()
    {
        m_form->editor().setText(QStringLiteral("טקסט"));
        QTest::keyClick(m_form->editor().widget(), Qt::Key_F9);
        QVERIFY(!MainWindowFixture::label(*m_form, "GreenLed")->isVisible());
        QCOMPARE(readBack(), QStringLiteral("ישן"));
    }

    void functionKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("about");
        QTest::addColumn<bool>("jumpFocused");
        QTest::addColumn<int>("opened");
        QTest::addColumn<bool>("saved");
        QTest::newRow("F6") << int(Qt::Key_F6) << false << true << 0 << false;
        QTest::newRow("F5") << int(Qt::Key_F5) << false << false << 1 << false;
        QTest::newRow("F9") << int(Qt::Key_F9) << false << false << 0 << true;
        QTest::newRow("F2") << int(Qt::Key_F2) << false << false << 1 << false;
        QTest::newRow("F6 in About mode") << int(Qt::Key_F6) << true << false << 0 << false;
        QTest::newRow("F5 in About mode") << int(Qt::Key_F5) << true << false << 0 << false;
        QTest::newRow("F9 in About mode") << int(Qt::Key_F9) << true << false << 0 << false;
        QTest::newRow("F2 in About mode") << int(Qt::Key_F2) << true << false << 0 << false;
        QTest::newRow("F3 in About mode") << int(Qt::Key_F3) << true << false << 0 << false;
        QTest::newRow("F4 in About mode") << int(Qt::Key_F4) << true << false << 0 << false;
    }

    void functionKeys()
    {
        QFETCH(int, key);
        QFETCH(bool, about);
        QFETCH(bool, jumpFocused);
        QFETCH(int, opened);
        QFETCH(bool, saved);
        const QString program = makeProgram(QStringLiteral("tool"));
        for (const char *k : {"F2", "F3", "F4"})
            Settings::write(QStringLiteral("Shortcuts"), QString::fromLatin1(k),
                            QLatin1Char('"') + program + QLatin1Char('"'));
        m_form->preferences().load(true);
        QVERIFY(m_form->documentCommands().openFile(m_file));
        m_form->editor().setText(QStringLiteral("חדש"));
        if (about)
            m_form->aboutMode().setOn(true);
        ShellOpenRecorder recorder;
        QTest::keyClick(m_form->editor().widget(), Qt::Key(key));
        QCOMPARE(MainWindowFixture::jumpQuery(*m_form)->hasFocus(), jumpFocused);
        QCOMPARE(recorder.requests.size(), opened);
        QCOMPARE(readBack() == QStringLiteral("חדש"), saved);
    }

    void configuredPrograms_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("stored"); // "PROGRAM" stands for an existing program
        QTest::addColumn<bool>("runs");
        QTest::newRow("F3") << int(Qt::Key_F3) << 0 << "\"PROGRAM\"" << true;
        QTest::newRow("F4") << int(Qt::Key_F4) << 0 << "\"PROGRAM\"" << true;
        QTest::newRow("Shift+F4") << int(Qt::Key_F4) << int(Qt::ShiftModifier) << "\"PROGRAM\"" << true;
        QTest::newRow("Alt+F4") << int(Qt::Key_F4) << int(Qt::AltModifier) << "\"PROGRAM\"" << false;
        QTest::newRow("without quotes") << int(Qt::Key_F3) << 0 << "PROGRAM" << true;
        QTest::newRow("empty key") << int(Qt::Key_F3) << 0 << "" << false;
        QTest::newRow("missing file") << int(Qt::Key_F3) << 0 << "\"/nonexistent/tool\"" << false;
    }

    void configuredPrograms()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, stored);
        QFETCH(bool, runs);
        const QString program = makeProgram(QStringLiteral("כלי עזר"));
        const QString keyName = key == Qt::Key_F3 ? QStringLiteral("F3") : QStringLiteral("F4");
        Settings::write(QStringLiteral("Shortcuts"), keyName,
                        QString(stored).replace(QLatin1String("PROGRAM"), program));
        m_form->preferences().load(true);
        const QString before = QDir::currentPath();
        ShellOpenRecorder recorder;
        QTest::keyClick(m_form->editor().widget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(recorder.requests.size(), runs ? 1 : 0);
        if (runs) {
            QCOMPARE(recorder.requests.first().kind, ShellOpenRequest::Kind::Program);
            QCOMPARE(recorder.requests.first().program, program);
            QCOMPARE(recorder.requests.first().workingDirectory, QFileInfo(program).absolutePath());
        }
        QCOMPARE(QDir::currentPath(), before);
    }

    void altF4Closes()
    {
        m_form->preferences().setTray(true);
        QTest::keyClick(m_form->editor().widget(), Qt::Key_F4, Qt::AltModifier);
        QVERIFY(!m_form->isVisible());
    }

    void tabInTheEditor_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 0;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier);
    }

    void tabInTheEditor()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        m_form->editor().setText(QStringLiteral("#שורה"));
        m_form->editor().apply({m_form->editor().text(), 1, 0});
        QTest::keyClick(m_form->editor().widget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_form->editor().text(), QStringLiteral("#::שורה"));
        QCOMPARE(m_form->editor().state().selStart, 3);
        QVERIFY(m_form->editor().widget()->hasFocus());
    }

    // Through the window, as the desktop delivers keys: each key acts once.
    void keysThroughTheWindowActOnce()
    {
        m_form->editor().setText(QString());
        QTest::keyClick(m_form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(m_form->editor().text(), QStringLiteral("::"));
        ShellOpenRecorder recorder;
        QTest::keyClick(m_form->windowHandle(), Qt::Key_F5);
        QCOMPARE(recorder.requests.size(), 1);
        QTest::keyClick(m_form->windowHandle(), Qt::Key_F6);
        QVERIFY(MainWindowFixture::jumpQuery(*m_form)->hasFocus());
        QTest::keyClick(m_form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(m_form->editor().text(), QStringLiteral("::"));
    }

    void tabInTheJumpBoxMovesOn()
    {
        m_form->editor().setText(QStringLiteral("טקסט"));
        MainWindowFixture::jumpQuery(*m_form)->setFocus();
        MainWindowFixture::jumpQuery(*m_form)->setText(QStringLiteral("מילה"));
        QTest::keyClick(MainWindowFixture::jumpQuery(*m_form), Qt::Key_Tab);
        QVERIFY(!MainWindowFixture::jumpQuery(*m_form)->hasFocus());
        QCOMPARE(MainWindowFixture::jumpQuery(*m_form)->text(), QStringLiteral("מילה"));
        QCOMPARE(m_form->editor().text(), QStringLiteral("טקסט"));
    }

    void shiftInsertPastesTheQuotation_data()
    {
        QTest::addColumn<bool>("fromJumpBox");
        QTest::newRow("editor focused") << false;
        QTest::newRow("jump box focused") << true;
    }

    void shiftInsertPastesTheQuotation()
    {
        QFETCH(bool, fromJumpBox);
        QApplication::clipboard()->setText(QStringLiteral("שורה א\nשורה ב\n"));
        m_form->editor().setText(QStringLiteral("#הגדרה\r\n"));
        m_form->editor().apply({m_form->editor().text(), 8, 0});
        MainWindowFixture::jumpQuery(*m_form)->setText(QStringLiteral("תיבה"));
        QWidget *target = fromJumpBox ? static_cast<QWidget *>(MainWindowFixture::jumpQuery(*m_form))
                                      : m_form->editor().widget();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(m_form->editor().text(), QStringLiteral("#הגדרה\r\n#:* \"שורה א / שורה ב\" (["));
        QCOMPARE(MainWindowFixture::jumpQuery(*m_form)->text(), QStringLiteral("תיבה"));
    }

    void ctrlVKeepsTheOrdinaryPaste()
    {
        QApplication::clipboard()->setText(QStringLiteral("הדבקה"));
        MainWindowFixture::jumpQuery(*m_form)->clear();
        MainWindowFixture::jumpQuery(*m_form)->setFocus();
        QTest::keyClick(MainWindowFixture::jumpQuery(*m_form), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(MainWindowFixture::jumpQuery(*m_form)->text(), QStringLiteral("הדבקה"));
        QCOMPARE(m_form->editor().text(), QString());
    }

    void ctrlMPressesMath()
    {
        m_form->editor().setText(QString());
        QTest::keyClick(m_form->editor().widget(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(m_form->editor().text(), QStringLiteral("<math>"));
        // A plain M is typed, and does not close the tag.
        QTest::keyClick(m_form->editor().widget(), Qt::Key_M);
        QCOMPARE(m_form->editor().text(), QStringLiteral("<math>m"));
    }

private:
    QString makeProgram(const QString &name)
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("bin")));
        const QString path = m_dir.filePath(QStringLiteral("bin/") + name);
        TestFiles::writeExecutable(path, "#!/bin/sh\n");
        return path;
    }

    QString readBack() const { return MainWindowFixture::readDocument(m_file); }

    QTemporaryDir m_dir;
    QString m_file;
    std::unique_ptr<MainWindow> m_form;
};

QTEST_MAIN(ShortcutCommandsTest)
#include "ShortcutCommandsTest.moc"
