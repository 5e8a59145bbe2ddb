#include "app/commands/NoteCommands.h"

#include "support/MainWindowFixture.h"
#include "dialogs/footnotes/FootnotesDialog.h"
#include "support/WindowTestCase.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

class NoteCommandsTest : public WindowTestCase
{
    Q_OBJECT

    NoteCommands &commands() { return *m_commands; }

private slots:
    void init()
    {
        WindowTestCase::init();
        host().window.show();
        m_dialog = &make<FootnotesDialog>();
        m_commands = &make<NoteCommands>(host().editor, host().regEx, *m_dialog);
    }

    void footnoteNeedsADefinitionLine()
    {
        host().editor.setText(QStringLiteral("# שורה ראשונה אינה אחרי מעבר שורה"));
        commands().footnote();
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(HebrewMessageBox::asked().isEmpty());
    }

    // The reference at the caret, the note in the entry, the caret inside the reference
    // and the lines that were in view still in view.
    void footnoteThroughTheDialog()
    {
        QStringList lines{QStringLiteral("==שָׁלוֹם==")};
        for (int i = 1; i <= 200; ++i)
            lines << QStringLiteral("# הגדרה %1").arg(i);
        lines << QString() << QStringLiteral("{{שורש|ש-ל-ם}}");
        EditorAdapter &editor = host().editor;
        editor.setText(lines.join(QStringLiteral("\r\n")));
        QPlainTextEdit *widget = editor.widget();
        const int caret = int(editor.text().indexOf(QStringLiteral("הגדרה 150"))) + 9;
        editor.apply({editor.text(), caret, 0});
        widget->verticalScrollBar()->setValue(140);
        const QString firstShown = widget->cursorForPosition(QPoint(0, 0)).block().text();

        commands().footnote();
        FootnotesDialog &dialog = *m_dialog;
        QVERIFY(dialog.isVisible());
        MainWindowFixture::child<QLineEdit>(dialog, QStringLiteral("FootName"))->setText(QStringLiteral("מקור"));
        MainWindowFixture::child<QPlainTextEdit>(dialog, QStringLiteral("FootText"))
            ->setPlainText(QStringLiteral("הערה"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("AddFootnote")), Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        const EditorState after = editor.state();
        QVERIFY(after.text.contains(QStringLiteral("# הגדרה 150{{הפניה|1|מקור}}\r\n")));
        QVERIFY(
            after.text.endsWith(QStringLiteral("\r\n\r\n===הערות שוליים===\r\n# {{הערה|מקור}} הערה\r\n\r\n"
                                               "{{שורש|ש-ל-ם}}")));
        QCOMPARE(after.selStart, caret + 2);
        QCOMPARE(widget->cursorForPosition(QPoint(0, 0)).block().text(), firstShown);
        widget->undo();
        QCOMPARE(editor.text(), lines.join(QStringLiteral("\r\n")));
    }

    // A name the template cannot hold is refused with a word, and nothing is lost.
    void refusalKeepsEverything()
    {
        host().set({QStringLiteral("==א==\r\n# א"), 5, 0});
        commands().footnote();
        FootnotesDialog &dialog = *m_dialog;
        MainWindowFixture::child<QLineEdit>(dialog, QStringLiteral("FootName"))->setText(QStringLiteral("a=b"));
        auto *note = MainWindowFixture::child<QPlainTextEdit>(dialog, QStringLiteral("FootText"));
        note->setPlainText(QStringLiteral("הערה"));
        QTest::mouseClick(MainWindowFixture::child<QPushButton>(dialog, QStringLiteral("AddFootnote")), Qt::LeftButton);
        QCOMPARE(MainWindowFixture::askedTexts().size(), 1);
        QVERIFY(MainWindowFixture::askedTexts().first().startsWith(QStringLiteral("שם ההערה או טקסט ההערה")));
        QCOMPARE(HebrewMessageBox::asked().first().kind, -1);
        QCOMPARE(host().editor.text(), QStringLiteral("==א==\r\n# א"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(note->toPlainText(), QStringLiteral("הערה"));
    }

    void fixReferences()
    {
        const QString text = QStringLiteral("==שָׁלוֹם==\r\n# א{{הפניה|7|x}} ב{{הפניה|3|y}}");
        host().editor.setText(text);
        host().editor.apply({text, 20, 0});
        commands().fixReferences();
        QCOMPARE(host().editor.state(),
                 (EditorState{QStringLiteral("==שָׁלוֹם==\r\n# א{{הפניה|1|x}} ב{{הפניה|2|y}}"), 0, 0}));
        host().editor.widget()->undo();
        QCOMPARE(host().editor.text(), text);
    }

private:
    FootnotesDialog *m_dialog = nullptr;
    NoteCommands *m_commands = nullptr;
};

QTEST_MAIN(NoteCommandsTest)
#include "NoteCommandsTest.moc"
