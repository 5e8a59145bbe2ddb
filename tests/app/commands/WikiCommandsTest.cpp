#include "support/MainWindowFixture.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/WikiCommands.h"
#include "platform/WikiPasswordStore.h"
#include "support/TestWiki.h"
#include "wiki/WikiClient.h"
#include "wiki/WikiSync.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The window's wiring: the client's cases are its own test's.
class WikiCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TestWiki m_wiki;
    std::unique_ptr<MainWindow> m_form;
    QStringList m_answers;

    // Runs a menu item and waits until its wiki operations have ended.
    void press(const char *item, int operations = 1)
    {
        QSignalSpy spy(&m_form->wikiCommands(), &WikiCommands::finished);
        MainWindowFixture::press(*m_form, item);
        while (spy.size() < operations)
            QVERIFY(spy.wait(20000));
    }

    QString wikiText(const QString &title)
    {
        WikiClient client(m_wiki.api());
        WikiPage page;
        WikiSync::readPage(client, title, &page);
        return page.text;
    }

    void type(const QString &text) { m_form->editor().apply(EditorState{text, int(text.size()), 0}); }

private slots:
    void initTestCase()
    {
        MainWindowFixture::startTestCase();
        WikiPasswordStore::setInMemoryForTesting(true);
        QString reason;
        if (!m_wiki.start(&reason))
            QSKIP(qPrintable(reason));
    }

    void init()
    {
        MainWindowFixture::freshSettings(m_dir);
        m_form = std::make_unique<MainWindow>();
        m_form->preferences().setWikiApi(m_wiki.api().toString());
        m_form->preferences().setWikiUser(TestWiki::Editor);
        WikiPasswordStore::write(TestWiki::Editor, TestWiki::EditorPassword, m_form.get(), [](const QString &) {});
        m_form->wikiCommands().setAskerForTesting([this](const QString &, const QString &) -> std::optional<QString> {
            if (m_answers.isEmpty())
                return std::nullopt;
            return m_answers.takeFirst();
        });
        HebrewMessageBox::clearAsked();
    }

    void cleanup() { m_form.reset(); }

    // The jump box's abbreviation is written out; the page comes in as CR LF text.
    void openEditSave()
    {
        m_wiki.editAs(QStringLiteral("Other"), QStringLiteral("תבנית:ניסוי"), QStringLiteral("a\nb"));
        m_answers = QStringList{QStringLiteral("ת:ניסוי")};
        press("OpenFromWiki");
        QCOMPARE(m_form->editor().text(), QStringLiteral("a\r\nb"));
        QVERIFY(m_form->windowTitle().contains(QStringLiteral("תבנית:ניסוי")));
        QVERIFY(!m_form->documentCommands().isModified());

        type(QStringLiteral("a\r\nb\r\nג"));
        m_answers = QStringList{QStringLiteral("תקציר")};
        press("SaveToWiki");
        QVERIFY2(MainWindowFixture::askedTexts().isEmpty(), qPrintable(MainWindowFixture::askedTexts().join(u'\n')));
        QCOMPARE(wikiText(QStringLiteral("תבנית:ניסוי")), QStringLiteral("a\nb\nג"));
        QVERIFY(!m_form->documentCommands().isModified());
    }

    // After a conflict the wiki's text is shown beside, and a second save goes on top.
    void conflictThenSaveOnTop()
    {
        const QString title = QStringLiteral("Both");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("first"));
        m_answers = QStringList{title};
        press("OpenFromWiki");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("theirs"));
        type(QStringLiteral("mine"));
        m_answers = QStringList{QString()};
        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        press("SaveToWiki", 2);
        QCOMPARE(wikiText(title), QStringLiteral("theirs"));
        QVERIFY(m_form->wikiCommands().comparison());
        QCOMPARE(m_form->wikiCommands().comparison()->toPlainText(), QStringLiteral("theirs"));
        QCOMPARE(m_form->editor().text(), QStringLiteral("mine"));
        QVERIFY(m_form->documentCommands().isModified());

        m_answers = QStringList{QString()};
        press("SaveToWiki");
        QCOMPARE(wikiText(title), QStringLiteral("mine"));
    }

    // Last, as it stops the wiki: the text stays in the editor, still modified.
    void stoppedServerKeepsTheText()
    {
        m_wiki.editAs(QStringLiteral("Other"), QStringLiteral("Kept"), QStringLiteral("old"));
        m_answers = QStringList{QStringLiteral("Kept")};
        press("OpenFromWiki");
        type(QStringLiteral("new text"));
        m_wiki.stop();
        m_answers = QStringList{QStringLiteral("summary")};
        press("SaveToWiki");
        QCOMPARE(m_form->editor().text(), QStringLiteral("new text"));
        QVERIFY(m_form->documentCommands().isModified());
        QCOMPARE(MainWindowFixture::askedTexts().size(), 1);
        QVERIFY(MainWindowFixture::askedTexts().first().startsWith(QStringLiteral("אין חיבור לשרת הוויקי")));
    }
};

QTEST_MAIN(WikiCommandsTest)
#include "WikiCommandsTest.moc"
