#include "support/MainWindowFixture.h"

#include "dialogs/footnotes/FootnotesDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

class NoteCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(m_dir); }

    void init()
    {
        m_form = std::make_unique<MainWindow>();
        m_form->show();
        HebrewMessageBox::clearAsked();
    }

    void cleanup() { m_form.reset(); }

    void footnoteNeedsADefinitionLine()
    {
        m_form->editor().setText(QStringLiteral("# שורה ראשונה אינה אחרי מעבר שורה"));
        MainWindowFixture::press(*m_form, "Footnote");
        QVERIFY(!m_form->footnotesDialog().isVisible());
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
        EditorAdapter &editor = m_form->editor();
        editor.setText(lines.join(QStringLiteral("\r\n")));
        QPlainTextEdit *widget = editor.widget();
        const int caret = int(editor.text().indexOf(QStringLiteral("הגדרה 150"))) + 9;
        editor.apply({editor.text(), caret, 0});
        widget->verticalScrollBar()->setValue(140);
        const QString firstShown = widget->cursorForPosition(QPoint(0, 0)).block().text();

        MainWindowFixture::press(*m_form, "Footnote");
        FootnotesDialog &dialog = m_form->footnotesDialog();
        QVERIFY(dialog.isVisible());
        dialog.footName()->setText(QStringLiteral("מקור"));
        dialog.footText()->setPlainText(QStringLiteral("הערה"));
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

    void fixReferences()
    {
        const QString text = QStringLiteral("==שָׁלוֹם==\r\n# א{{הפניה|7|x}} ב{{הפניה|3|y}}");
        m_form->editor().setText(text);
        m_form->editor().apply({text, 20, 0});
        MainWindowFixture::press(*m_form, "FixReferences");
        QCOMPARE(m_form->editor().state(),
                 (EditorState{QStringLiteral("==שָׁלוֹם==\r\n# א{{הפניה|1|x}} ב{{הפניה|2|y}}"), 0, 0}));
        m_form->editor().widget()->undo();
        QCOMPARE(m_form->editor().text(), text);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;
};

QTEST_MAIN(NoteCommandsTest)
#include "NoteCommandsTest.moc"
