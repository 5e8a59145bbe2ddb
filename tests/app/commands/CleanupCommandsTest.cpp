#include "support/MainWindowFixture.h"
#include "support/TextFixtures.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class CleanupCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(); }

    void init()
    {
        MainWindowFixture::freshSettings(m_dir);
        m_form = std::make_unique<MainWindow>();
        HebrewMessageBox::clearAsked();
    }

    void cleanup() { m_form.reset(); }

    void items_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("FixSpaces") << "FixSpaces"
                                   << "a b  \r\n\r\n\r\n\r\nc"
                                   << "a b\r\n\r\nc";
        QTest::newRow("Punctuation") << "Punctuation"
                                     << "#הגדרה.בית-ספר"
                                     << "# הגדרה. בית־ספר";
        QTest::newRow("Unify") << "Unify"
                               << "==שָׁלוֹם==\r\n# ברכה.\r\n\r\n===משפטים לדוגמה===\r\n* שלום לך!\r\n\r\nx"
                               << "==שָׁלוֹם==\r\n# ברכה.\r\n#:* שלום לך!\r\n\r\nx";
    }

    // The item changes the editor as one edit that one undo takes back, caret at the start.
    void items()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, result);
        m_form->editor().setText(text);
        m_form->editor().apply(EditorState{text, 5, 0});
        MainWindowFixture::action(*m_form, item)->trigger();
        QCOMPARE(m_form->editor().state(), (EditorState{result, 0, 0}));
        QVERIFY(HebrewMessageBox::asked().isEmpty());
        m_form->editor().widget()->undo();
        QCOMPARE(m_form->editor().text(), text);
    }

    void nothingToDoLeavesTheEditorAlone_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("FixSpaces") << "FixSpaces";
        QTest::newRow("Punctuation") << "Punctuation";
        QTest::newRow("Unify") << "Unify";
    }

    void nothingToDoLeavesTheEditorAlone()
    {
        QFETCH(QString, item);
        const EditorState state{QStringLiteral("אב\r\nגד"), 4, 1};
        m_form->editor().setText(state.text);
        m_form->editor().apply(state);
        MainWindowFixture::action(*m_form, item)->trigger();
        QCOMPARE(m_form->editor().state(), state);
        QVERIFY(HebrewMessageBox::asked().isEmpty());
    }

    // When the engine gives up, the text stays as it was and the user is told.
    void engineGivingUpChangesNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("Unify") << "Unify";
        QTest::newRow("TOC") << "TOC";
    }

    void engineGivingUpChangesNothing()
    {
        QFETCH(QString, item);
        const QString text = QStringLiteral("==דָּג==\r\n") + TextFixtures::runawayHeadingLine();
        m_form->editor().setText(text);
        MainWindowFixture::action(*m_form, item)->trigger();
        QCOMPARE(m_form->editor().text(), text);
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{EngineGaveUpMessage});
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_form;
};

QTEST_MAIN(CleanupCommandsTest)
#include "CleanupCommandsTest.moc"
