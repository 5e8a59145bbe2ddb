#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/TemplateCommands.h"
#include "support/WindowTestCase.h"
#include "wikitext/EntryTemplates.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The main window with the verb dialog created as at start-up.
struct Editor
{
    MainWindow form;
    MainWindowFixture::ArticleText editor{form};
    QDialog &verbs = *MainWindowFixture::topLevel<QDialog>(form, QStringLiteral("TVerbsForm"));

    void press(const char *action) { MainWindowFixture::press(form, action); }
    void type(const QString &text) { editor.apply({editor.text() + text, 0, 0}); }

    QStringList asked() const { return MainWindowFixture::askedTexts(); }
};

} // namespace

class TemplateCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void newDocument_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("article") << "NewArticle" << TemplateCommands::NewArticleQuestion << Templates::newArticle().text
                                 << 2;
        QTest::newRow("verb") << "NewVerb" << TemplateCommands::NewVerbQuestion << Templates::newVerb().text << 2;
        QTest::newRow("root") << "NewRoot" << TemplateCommands::NewRootQuestion << QString() << 0;
    }

    void newDocument()
    {
        QFETCH(QString, action);
        QFETCH(QString, question);
        QFETCH(QString, text);
        QFETCH(int, caret);

        // Nothing to lose: no question.
        {
            Editor e;
            MainWindowFixture::action(e.form, action)->trigger();
            QVERIFY(e.asked().isEmpty());
            QCOMPARE(e.editor.state(), (EditorState{text, caret, 0}));
            QCOMPARE(e.form.windowTitle(), QStringLiteral("דלבנה"));
            QVERIFY(!MainWindowFixture::action(e.form, QStringLiteral("QuickSave"))->isEnabled());
            QCOMPARE(e.verbs.isVisible(), action == QLatin1String("NewRoot"));
        }
        // Unsaved text and the answer No: nothing changes.
        {
            Editor e;
            e.type(QStringLiteral("טיוטה"));
            HebrewMessageBox::presetAnswer(QMessageBox::No);
            MainWindowFixture::action(e.form, action)->trigger();
            QCOMPARE(e.asked(), QStringList{question});
            QCOMPARE(e.editor.text(), QStringLiteral("טיוטה"));
            QVERIFY(!e.verbs.isVisible());
        }
        HebrewMessageBox::clearAsked();
        // ... and Yes.
        {
            Editor e;
            e.type(QStringLiteral("טיוטה"));
            HebrewMessageBox::presetAnswer(QMessageBox::Yes);
            MainWindowFixture::action(e.form, action)->trigger();
            QCOMPARE(e.asked(), QStringList{question});
            QCOMPARE(e.editor.text(), text);
            // The discarded text comes back with one undo.
            e.editor.widget()->undo();
            QCOMPARE(e.editor.text(), QStringLiteral("טיוטה"));
        }
    }

    void questionsEndInAMark()
    {
        for (const QString &q : {TemplateCommands::NewArticleQuestion, TemplateCommands::NewVerbQuestion,
                                 TemplateCommands::NewRootQuestion})
            QVERIFY(q.endsWith(QStringLiteral("חדש?\u200F")));
    }

    void inserting_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("another entry") << "AddArticle" << QStringLiteral("abc\r\n\r\n") + Templates::Article << 9;
        QTest::newRow("another verb") << "AddVerb" << QStringLiteral("abc\r\n\r\n") + Templates::Verb << 9;
        QTest::newRow("another meaning") << "Another" << Templates::AnotherMeaningNote + QStringLiteral("abc") << 21;
    }

    void inserting()
    {
        QFETCH(QString, action);
        QFETCH(QString, text);
        QFETCH(int, caret);
        Editor e;
        e.editor.setText(QStringLiteral("abc"));
        MainWindowFixture::action(e.form, action)->trigger();
        QCOMPARE(e.editor.state(), (EditorState{text, caret, 0}));
        QVERIFY(e.asked().isEmpty());
    }

    void tableOfContents()
    {
        Editor e;
        e.editor.apply({QStringLiteral("==דָּג==\r\nא"), 5, 0});
        e.press("TOC");
        QCOMPARE(e.editor.state(), (EditorState{QStringLiteral("{{תוכן|דָּג}}\r\n\r\n==דָּג==\r\nא"), 0, 0}));
        e.press("TOC");
        QCOMPARE(e.editor.text(), QStringLiteral("{{תוכן|דָּג}}\r\n\r\n==דָּג==\r\nא"));
    }

    void rootPageFromTheDialog()
    {
        Editor e;
        e.press("NewRoot");
        QVERIFY(e.verbs.isVisible());
        QVERIFY(e.verbs.isVisible());
        MainWindowFixture::child<QLineEdit>(e.verbs, QStringLiteral("Root"))->setText(QStringLiteral("ע-ר-ך"));
        MainWindowFixture::child<QLineEdit>(e.verbs, QStringLiteral("Gizra"))->setText(QStringLiteral("השלמים"));
        e.verbs.findChild<QPushButton *>(QStringLiteral("AddVerbs"))->click();
        QVERIFY(!e.verbs.isVisible());
        QVERIFY(!e.verbs.isVisible());
        QVERIFY(e.editor.text().startsWith(QStringLiteral("השורש ע־ר־כ הוא שורש מגזרת השלמים.\r\n")));
        QCOMPARE(e.editor.state().selStart, 0);
    }

    void exitAsksWhileTheDialogIsOpen()
    {
        Editor e;
        e.press("NewRoot");
        HebrewMessageBox::presetAnswer(QMessageBox::No);
        QVERIFY(!MainWindowFixture::leavesEventLoop([&e] { e.press("Exit"); }));
        QCOMPARE(e.asked(), QStringList{DocumentCommands::ExitQuestion});
        // The question came from the open dialog alone: the new page itself is unchanged.
        HebrewMessageBox::clearAsked();
        e.verbs.hide();
        QVERIFY(MainWindowFixture::leavesEventLoop([&e] { e.press("Exit"); }));
        QVERIFY(e.asked().isEmpty());
    }

    void clickInTheEditorSendsTheFocusToTheRoot()
    {
        Editor e;
        e.press("NewRoot");
        MainWindowFixture::child<QLineEdit>(e.verbs, QStringLiteral("Gizra"))->setFocus();
        QTest::mouseClick(e.editor.widget()->viewport(), Qt::LeftButton);
        QCOMPARE(e.verbs.focusWidget(), MainWindowFixture::child<QLineEdit>(e.verbs, QStringLiteral("Root")));

        // Without the dialog the click is the editor's own.
        MainWindowFixture::child<QLineEdit>(e.verbs, QStringLiteral("Gizra"))->setFocus();
        e.verbs.hide();
        QTest::mouseClick(e.editor.widget()->viewport(), Qt::LeftButton);
        QCOMPARE(e.verbs.focusWidget(), MainWindowFixture::child<QLineEdit>(e.verbs, QStringLiteral("Gizra")));
    }
};

QTEST_MAIN(TemplateCommandsTest)
#include "TemplateCommandsTest.moc"
