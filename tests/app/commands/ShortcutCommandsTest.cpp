#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/MarkupCommands.h"
#include "app/commands/NavigationCommands.h"
#include "app/commands/ShortcutCommands.h"
#include "platform/ShellOpen.h"
#include "support/TestFiles.h"
#include "support/WindowTestCase.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

// The keys' group with the groups it hands keys to, made on an editor host.
struct KeyHost
{
    explicit KeyHost(EditorHost &h)
        : documents(h.editor, h.document, h.recentMenu, h.window)
        , markup(h.editor)
        , navigation(h.editor, h.preferences, *h.jumpQuery, {&jump, &wikipedia, &google, &commons})
        , keys(h.window, h.editor, documents, markup, navigation, h.preferences, h.aboutMode, *h.jumpQuery)
    {
    }

    QAction jump, wikipedia, google, commons;
    DocumentCommands documents;
    MarkupCommands markup;
    NavigationCommands navigation;
    ShortcutCommands keys;
};

class ShortcutCommandsTest : public WindowTestCase
{
    Q_OBJECT

    EditorAdapter &editor() { return host().editor; }
    QLineEdit *jumpQuery() { return host().jumpQuery; }

private slots:
    void init()
    {
        WindowTestCase::init();
        m_file = m_dir.filePath(QStringLiteral("ערך.txt"));
        QString error;
        QVERIFY(DocumentFormat::writeFile(m_file, QStringLiteral("ישן"), &error));
        m_groups = std::make_unique<KeyHost>(host());
        QWidget &window = host().window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        host().widget->setFocus();
    }

    void cleanup()
    {
        m_groups.reset();
        WindowTestCase::cleanup();
    }

    void f9Saves()
    {
        QVERIFY(m_groups->documents.openFile(m_file));
        DocumentModel &document = host().document;
        document.endSaveIndication();
        editor().setText(QStringLiteral("נשמר ב-F9"));
        document.setQuickSavePending(true);
        QTest::keyClick(host().widget, Qt::Key_F9);
        QCOMPARE(readBack(), QStringLiteral("נשמר ב-F9"));
        QVERIFY(document.saveLampLit());
        QVERIFY(document.saveLamp().isActive());
        QVERIFY(!document.quickSavePending());
        // The key goes on to the editor, which has no use for it.
        QCOMPARE(editor().text(), QStringLiteral("נשמר ב-F9"));
    }

    void f9WithoutFile()
    {
        editor().setText(QStringLiteral("טקסט"));
        QTest::keyClick(host().widget, Qt::Key_F9);
        QVERIFY(!host().document.saveLampLit());
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
        host().preferences.load(true);
        QVERIFY(m_groups->documents.openFile(m_file));
        editor().setText(QStringLiteral("חדש"));
        if (about)
            host().aboutMode.setOn(true);
        ShellOpenRecorder recorder;
        QTest::keyClick(host().widget, Qt::Key(key));
        QCOMPARE(jumpQuery()->hasFocus(), jumpFocused);
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
        host().preferences.load(true);
        const QString before = QDir::currentPath();
        ShellOpenRecorder recorder;
        QTest::keyClick(host().widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
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
        QTest::keyClick(host().widget, Qt::Key_F4, Qt::AltModifier);
        QVERIFY(!host().window.isVisible());
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
        editor().setText(QStringLiteral("#שורה"));
        editor().apply({editor().text(), 1, 0});
        QTest::keyClick(host().widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(editor().text(), QStringLiteral("#::שורה"));
        QCOMPARE(editor().state().selStart, 3);
        QVERIFY(host().widget->hasFocus());
    }

    // Through the main window, as the desktop delivers keys: each key acts once.
    void keysThroughTheWindowActOnce()
    {
        m_groups.reset();
        MainWindow form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        MainWindowFixture::ArticleText text(form);
        text.widget()->setFocus();
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
        QCOMPARE(text.text(), QStringLiteral("::"));
        ShellOpenRecorder recorder;
        QTest::keyClick(form.windowHandle(), Qt::Key_F5);
        QCOMPARE(recorder.requests.size(), 1);
        QTest::keyClick(form.windowHandle(), Qt::Key_F6);
        QVERIFY(MainWindowFixture::jumpQuery(form)->hasFocus());
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
        QCOMPARE(text.text(), QStringLiteral("::"));
    }

    void tabInTheJumpBoxMovesOn()
    {
        editor().setText(QStringLiteral("טקסט"));
        jumpQuery()->setFocus();
        jumpQuery()->setText(QStringLiteral("מילה"));
        QTest::keyClick(jumpQuery(), Qt::Key_Tab);
        QVERIFY(!jumpQuery()->hasFocus());
        QCOMPARE(jumpQuery()->text(), QStringLiteral("מילה"));
        QCOMPARE(editor().text(), QStringLiteral("טקסט"));
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
        editor().setText(QStringLiteral("#הגדרה\r\n"));
        editor().apply({editor().text(), 8, 0});
        jumpQuery()->setText(QStringLiteral("תיבה"));
        QWidget *target = fromJumpBox ? static_cast<QWidget *>(jumpQuery()) : host().widget;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(editor().text(), QStringLiteral("#הגדרה\r\n#:* \"שורה א / שורה ב\" (["));
        QCOMPARE(jumpQuery()->text(), QStringLiteral("תיבה"));
    }

    void ctrlVKeepsTheOrdinaryPaste()
    {
        QApplication::clipboard()->setText(QStringLiteral("הדבקה"));
        jumpQuery()->clear();
        jumpQuery()->setFocus();
        QTest::keyClick(jumpQuery(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(jumpQuery()->text(), QStringLiteral("הדבקה"));
        QCOMPARE(editor().text(), QString());
    }

    void ctrlMPressesMath()
    {
        editor().setText(QString());
        QTest::keyClick(host().widget, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(editor().text(), QStringLiteral("<math>"));
        // A plain M is typed, and does not close the tag.
        QTest::keyClick(host().widget, Qt::Key_M);
        QCOMPARE(editor().text(), QStringLiteral("<math>m"));
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

    QString m_file;
    std::unique_ptr<KeyHost> m_groups;
};

QTEST_MAIN(ShortcutCommandsTest)
#include "ShortcutCommandsTest.moc"
