#include "app/commands/ExampleCommands.h"

#include "support/MainWindowFixture.h"
#include "dialogs/sentences/SentencesDialog.h"
#include "support/TextFixtures.h"
#include "support/WindowTestCase.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using TextFixtures::kBayit;
using TextFixtures::kShalom;
using TextFixtures::page;

class ExampleCommandsTest : public WindowTestCase
{
    Q_OBJECT

    SentencesDialog *m_dialog = nullptr;
    ExampleCommands *m_commands = nullptr;

    QDialog &dialog() { return *m_dialog; }

    void open(const QString &text, int caret)
    {
        host().set(EditorState{text, caret, 0});
        m_commands->showExamples();
    }

    void addPlainSentence(const QString &sentence)
    {
        MainWindowFixture::child<QLineEdit>(dialog(), QStringLiteral("SText"))->setText(sentence);
        MainWindowFixture::child<QPushButton>(dialog(), QStringLiteral("SAdd"))->click();
    }

    void pressUpdate() { MainWindowFixture::child<QPushButton>(dialog(), QStringLiteral("Update"))->click(); }

private slots:
    void init()
    {
        WindowTestCase::init();
        m_dialog = &make<SentencesDialog>();
        m_commands = &make<ExampleCommands>(host().editor, host().regEx, *m_dialog);
    }

    // The toolbar button runs the menu item; "עדכן" writes the entry under the caret.
    void toolbarButtonOpensAndUpdateWrites()
    {
        MainWindow form;
        MainWindowFixture::ArticleText editor(form);
        const QString text = page({kShalom, "# א", "", kBayit, "# ב", ""});
        editor.set(EditorState{text, int(text.indexOf(kBayit)) + 3, 0});
        MainWindowFixture::press(form, "Sentences");
        QDialog &sentences = *MainWindowFixture::topLevel<QDialog>(form, QStringLiteral("TSentencesForm"));
        QVERIFY(sentences.isVisible());
        MainWindowFixture::child<QLineEdit>(sentences, QStringLiteral("SText"))->setText(QStringLiteral("משפט"));
        MainWindowFixture::child<QPushButton>(sentences, QStringLiteral("SAdd"))->click();
        MainWindowFixture::child<QPushButton>(sentences, QStringLiteral("Update"))->click();
        QVERIFY(!sentences.isVisible());
        QCOMPARE(editor.text(), page({kShalom, "# א", "", kBayit, "# ב", "#:* משפט", ""}));
        editor.widget()->undo();
        QCOMPARE(editor.text(), text);
    }

    void withoutADefinitionLineNothingOpens()
    {
        open(page({kShalom, "טקסט", "", kBayit, "# ב", ""}), 3);
        QVERIFY(!dialog().isVisible());
        QVERIFY(HebrewMessageBox::asked().isEmpty());
    }

    // The definitions changed in the editor while the dialog was open: nothing is
    // written, the user is told, and the sentences stay in the dialog.
    void whatWasReadIsGone()
    {
        const QString text = page({kShalom, "# א", ""});
        open(text, 3);
        addPlainSentence(QStringLiteral("משפט"));
        const QString edited = page({kShalom, "# אב", ""});
        host().editor.apply(EditorState{edited, 0, 0});
        pressUpdate();
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{Sentences::NotFoundMessage});
        QVERIFY(dialog().isVisible());
        QCOMPARE(host().editor.text(), edited);
        // The sentence is still there to write once the text is back.
        host().editor.apply(EditorState{text, 3, 0});
        pressUpdate();
        QCOMPARE(host().editor.text(), page({kShalom, "# א", "#:* משפט", ""}));
    }
};

QTEST_MAIN(ExampleCommandsTest)
#include "ExampleCommandsTest.moc"
