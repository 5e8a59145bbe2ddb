#include "support/MainWindowFixture.h"
#include "dialogs/sentences/SentencesDialog.h"
#include "support/TextFixtures.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using TextFixtures::kBayit;
using TextFixtures::kShalom;
using TextFixtures::page;

class ExampleCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;

    SentencesDialog &dialog() { return m_form->sentencesDialog(); }

    void open(const QString &text, int caret, const char *item)
    {
        m_form->editor().setText(text);
        m_form->editor().apply(EditorState{text, caret, 0});
        MainWindowFixture::action(*m_form, QLatin1String(item))->trigger();
    }

    void addPlainSentence(const QString &sentence)
    {
        MainWindowFixture::child<QLineEdit>(dialog(), QStringLiteral("SText"))->setText(sentence);
        MainWindowFixture::child<QPushButton>(dialog(), QStringLiteral("SAdd"))->click();
    }

    void pressUpdate() { MainWindowFixture::child<QPushButton>(dialog(), QStringLiteral("Update"))->click(); }

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(); }

    void init()
    {
        MainWindowFixture::freshSettings(m_dir);
        m_form = std::make_unique<MainWindow>();
        HebrewMessageBox::clearAsked();
    }

    void cleanup() { m_form.reset(); }

    // The toolbar button runs the menu item; "עדכן" writes the entry under the caret.
    void toolbarButtonOpensAndUpdateWrites()
    {
        const QString text = page({kShalom, "# א", "", kBayit, "# ב", ""});
        open(text, int(text.indexOf(kBayit)) + 3, "Sentences");
        QVERIFY(dialog().isVisible());
        addPlainSentence(QStringLiteral("משפט"));
        pressUpdate();
        QVERIFY(!dialog().isVisible());
        QCOMPARE(m_form->editor().text(), page({kShalom, "# א", "", kBayit, "# ב", "#:* משפט", ""}));
        m_form->editor().widget()->undo();
        QCOMPARE(m_form->editor().text(), text);
    }

    void withoutADefinitionLineNothingOpens()
    {
        open(page({kShalom, "טקסט", "", kBayit, "# ב", ""}), 3, "Example");
        QVERIFY(!dialog().isVisible());
        QVERIFY(HebrewMessageBox::asked().isEmpty());
    }

    // The definitions changed in the editor while the dialog was open: nothing is
    // written, the user is told, and the sentences stay in the dialog.
    void whatWasReadIsGone()
    {
        const QString text = page({kShalom, "# א", ""});
        open(text, 3, "Example");
        addPlainSentence(QStringLiteral("משפט"));
        const QString edited = page({kShalom, "# אב", ""});
        m_form->editor().apply(EditorState{edited, 0, 0});
        pressUpdate();
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{Sentences::NotFoundMessage});
        QVERIFY(dialog().isVisible());
        QCOMPARE(m_form->editor().text(), edited);
        // The sentence is still there to write once the text is back.
        m_form->editor().apply(EditorState{text, 3, 0});
        pressUpdate();
        QCOMPARE(m_form->editor().text(), page({kShalom, "# א", "#:* משפט", ""}));
    }
};

QTEST_MAIN(ExampleCommandsTest)
#include "ExampleCommandsTest.moc"
