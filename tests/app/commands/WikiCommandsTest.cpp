#include "support/MainWindowFixture.h"
#include "app/commands/ChangesCommands.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/WikiCommands.h"
#include "dialogs/changes/ChangesDialog.h"
#include "dialogs/merge/MergeDialog.h"
#include "platform/WikiPasswordStore.h"
#include "support/CannedWiki.h"
#include "support/TestWiki.h"
#include "support/WindowTestCase.h"
#include "wiki/WikiClient.h"
#include "wiki/WikiSync.h"

#include <QInputDialog>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// "T" at revision 21 holding `text`, escaped for JSON.
CannedWiki::Answer pageAt21(const QByteArray &text)
{
    return CannedWiki::json(R"({"query":{"pages":[{"title":"T","revisions":[{"revid":21,"slots":{"main":{"content":")"
                            + text + R"("}}}]}]}})");
}

// The wiki's group with the groups it works with, wired as the window wires them.
struct WikiHost
{
    explicit WikiHost(EditorHost &h)
        : documents(h.editor, h.document, h.recentMenu, h.window)
        , wiki(h.editor, h.document, documents, h.preferences, h.window)
        , changes(h.editor, h.document, h.window)
    {
        QObject::connect(&wiki, &WikiCommands::changesWanted, &changes, &ChangesCommands::showChanges);
        QObject::connect(&wiki, &WikiCommands::editConflict, &changes, &ChangesCommands::mergeWith);
    }

    DocumentCommands documents;
    WikiCommands wiki;
    ChangesCommands changes;
};

} // namespace

// The wiring: the client's cases are its own test's. The round trip runs
// against a real MediaWiki, the progress box and the uncertain save against a canned one.
class WikiCommandsTest : public WindowTestCase
{
    Q_OBJECT

    TestWiki m_wiki;
    QString m_noWiki;
    std::unique_ptr<CannedWiki> m_canned;
    WikiHost *m_groups = nullptr;
    QStringList m_answers;

    WikiCommands &wiki() { return m_groups->wiki; }
    DocumentCommands &documents() { return m_groups->documents; }
    DocumentModel &document() { return host().document; }

    // Runs a menu item's command and waits until its wiki operations have ended.
    void run(void (WikiCommands::*command)(), int operations = 1)
    {
        QSignalSpy spy(&wiki(), &WikiCommands::finished);
        (wiki().*command)();
        while (spy.size() < operations)
            QVERIFY(spy.wait(20000));
    }

    // The wiki's current revision and text of the page.
    std::pair<qint64, QString> wikiPage(const QString &title)
    {
        WikiClient client(m_wiki.api());
        WikiPage page;
        QString text;
        WikiSync::readPage(client, title, &page, &text);
        return {page.revision, text};
    }

    void type(const QString &text) { host().editor.apply(EditorState{text, int(text.size()), 0}); }

    QProgressDialog *progress() { return host().window.findChild<QProgressDialog *>(QStringLiteral("WikiProgress")); }

    // A canned wiki where "T" does not exist yet and an edit is answered by `edit`.
    void useCanned(const CannedWiki::Answer &edit)
    {
        m_canned = std::make_unique<CannedWiki>([edit](const CannedWiki::Request &r) {
            if (r["action"] == QLatin1String("edit"))
                return edit;
            if (r["action"] == QLatin1String("query") && !r.has("meta"))
                return CannedWiki::json(R"({"query":{"pages":[{"title":"T","missing":true}]}})");
            return CannedWiki::session(r);
        });
        host().preferences.setWikiApi(m_canned->api().toString());
    }

private slots:
    void initTestCase()
    {
        WindowTestCase::initTestCase();
        WikiPasswordStore::setInMemoryForTesting(true, true);
        if (!m_wiki.start(&m_noWiki))
            qInfo("%s", qPrintable(m_noWiki));
    }

    void init()
    {
        if (!m_noWiki.isEmpty() && !QByteArray(QTest::currentTestFunction()).startsWith("canned"))
            QSKIP(qPrintable(m_noWiki));
        WindowTestCase::init();
        m_groups = &make<WikiHost>(host());
        host().preferences.setWikiApi(m_wiki.api().toString());
        host().preferences.setWikiUser(TestWiki::Editor);
        WikiPasswordStore::write(TestWiki::Editor, TestWiki::EditorPassword, &host().window, [](const QString &) {});
        wiki().setAskerForTesting([this](const QString &, const QString &) -> std::optional<QString> {
            if (m_answers.isEmpty())
                return std::nullopt;
            return m_answers.takeFirst();
        });
    }

    void cleanup()
    {
        WindowTestCase::cleanup();
        m_canned.reset();
    }

    // The jump box's abbreviation is written out; the page comes in as CR LF text, and
    // each save moves the revision the next one builds on.
    void openEditSave()
    {
        const QString title = QStringLiteral("תבנית:ניסוי");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("a\nb"));
        m_answers = QStringList{QStringLiteral("ת:ניסוי")};
        run(&WikiCommands::openFromWiki);
        QCOMPARE(host().editor.text(), QStringLiteral("a\r\nb"));
        QCOMPARE(document().wikiPage().title, title);
        QVERIFY(!documents().isModified());
        QCOMPARE(document().wikiPage().revision, wikiPage(title).first);

        for (const QString &text : {QStringLiteral("a\r\nb\r\nג"), QStringLiteral("a\r\nb\r\nגד")}) {
            type(text);
            m_answers = QStringList{QStringLiteral("תקציר")};
            run(&WikiCommands::saveToWiki);
            QVERIFY2(MainWindowFixture::askedTexts().isEmpty(),
                     qPrintable(MainWindowFixture::askedTexts().join(u'\n')));
            const auto [revision, onWiki] = wikiPage(title);
            QCOMPARE(onWiki, WikiClient::textForWiki(text));
            QCOMPARE(document().wikiPage().revision, revision);
            QVERIFY(!documents().isModified());
        }
    }

    // The revision's text is kept from the opening, for the changes to be counted from.
    void showChangesAgainstTheRevision()
    {
        const QString title = QStringLiteral("Changes");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("a\nb"));
        m_answers = QStringList{title};
        run(&WikiCommands::openFromWiki);
        type(QStringLiteral("a\r\nc"));
        m_groups->changes.showChanges();
        auto *changes = host().window.findChild<ChangesDialog *>();
        QVERIFY(changes && changes->isVisible());
        QCOMPARE(changes->changeCount(), 1);
    }

    // A save refused because another user saved meanwhile: what they changed is merged
    // with the user's text, nothing is saved until the user saves again, and then both
    // changes stand on the wiki.
    void conflictMerged_data()
    {
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("button"); // for the conflict, if any
        QTest::addColumn<QString>("merged");
        QTest::newRow("changes apart") << "A\nb\nc\nd\ne"
                                       << "a\r\nb\r\nc\r\nd\r\nE" << QString() << "A\r\nb\r\nc\r\nd\r\nE";
        QTest::newRow("the same line, both kept") << "a\nb\nC2\nd\ne"
                                                  << "a\r\nb\r\nC1\r\nd\r\ne"
                                                  << "KeepBoth"
                                                  << "a\r\nb\r\nC1\r\nC2\r\nd\r\ne";
    }

    void conflictMerged()
    {
        QFETCH(QString, theirs);
        QFETCH(QString, mine);
        QFETCH(QString, button);
        QFETCH(QString, merged);
        const QString title = QStringLiteral("מיזוג ") + QTest::currentDataTag();
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("a\nb\nc\nd\ne"));
        m_answers = QStringList{title};
        run(&WikiCommands::openFromWiki);
        m_wiki.editAs(QStringLiteral("Other"), title, theirs);
        type(mine);
        m_answers = QStringList{QString()};
        run(&WikiCommands::saveToWiki, 2);
        QCOMPARE(wikiPage(title).second, theirs);
        auto *merge = host().window.findChild<MergeDialog *>();
        QVERIFY(merge && merge->isVisible());
        if (!button.isEmpty())
            MainWindowFixture::child<QPushButton>(*merge, button)->click();
        MainWindowFixture::child<QPushButton>(*merge, QStringLiteral("Accept"))->click();
        QCOMPARE(host().editor.text(), merged);
        QCOMPARE(wikiPage(title).second, theirs);
        QVERIFY(documents().isModified());

        m_answers = QStringList{QString()};
        run(&WikiCommands::saveToWiki);
        QCOMPARE(wikiPage(title).second, WikiClient::textForWiki(merged));
        QVERIFY(MainWindowFixture::askedTexts().isEmpty());
    }

    // The progress box shows while the wiki takes its time, and is gone with the answer:
    // nothing modal is left to swallow the keys typed next.
    void cannedSaveEndsCleanly()
    {
        useCanned(CannedWiki::Answer{
            200,
            R"({"edit":{"result":"Success","title":"T","newrevid":12,"newtimestamp":"2024-01-01T00:00:00Z"}})",
            {},
            800});
        host().window.show();
        type(QStringLiteral("new page"));
        m_answers = QStringList{QStringLiteral("T"), QStringLiteral("summary")};
        QSignalSpy spy(&wiki(), &WikiCommands::finished);
        wiki().saveToWiki();
        QTRY_VERIFY(progress() && progress()->isVisible());
        QVERIFY(spy.wait(20000));
        QVERIFY(!progress() || !progress()->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(document().wikiPage().revision, 12);
        QVERIFY(!documents().isModified());
        // A document that was never on the wiki makes a new page, never one over another.
        QCOMPARE(m_canned->requestsWith("action", QStringLiteral("edit")).first()["createonly"], QStringLiteral("1"));
    }

    // The window's items reach the group: each first asks for the page's title, and a
    // cancelled question sends nothing. Canned in name only: no wiki is asked.
    void cannedWindowItemsAskTheTitle_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::newRow("OpenFromWiki") << "OpenFromWiki"
                                      << "פתח מהוויקי";
        QTest::newRow("SaveToWiki") << "SaveToWiki"
                                    << "שמור בוויקי";
    }

    void cannedWindowItemsAskTheTitle()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        useCanned(CannedWiki::json("{}"));
        Settings::write(QStringLiteral("Preferences"), QStringLiteral("WikiApi"), m_canned->api().toString());
        MainWindow form;
        form.start({});
        form.show();
        QString asked;
        QTimer::singleShot(0, &form, [&asked] {
            if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                asked = box->windowTitle();
                box->reject();
            }
        });
        MainWindowFixture::action(form, item)->trigger();
        QCOMPARE(asked, caption);
        QCoreApplication::processEvents();
        QVERIFY(m_canned->requests().isEmpty());
    }

    // The password is read from the store in the background: the operation has begun.
    void cannedSecondCommandRefused()
    {
        useCanned(CannedWiki::json(R"({"edit":{"result":"Success","title":"T","newrevid":3}})"));
        type(QStringLiteral("x"));
        m_answers = QStringList{QStringLiteral("T"), QString()};
        QSignalSpy spy(&wiki(), &WikiCommands::finished);
        wiki().saveToWiki();
        wiki().openFromWiki();
        QCOMPARE(MainWindowFixture::askedTexts(), QStringList{WikiCommands::BusyMessage});
        QVERIFY(spy.wait(20000));
        QCOMPARE(document().wikiPage().revision, 3);
    }

    // A save cancelled after it was sent may or may not be on the wiki: the page is read
    // and the document follows what is there.
    void cannedCancelledSave_data()
    {
        QTest::addColumn<QByteArray>("onWiki");
        QTest::addColumn<qint64>("revision");
        QTest::addColumn<QString>("notice");
        QTest::newRow("it was saved") << QByteArray("mine\\n") << qint64(21)
                                      << WikiCommands::SavedAfterAllMessage.arg(QStringLiteral("T")).arg(21);
        QTest::newRow("it was not") << QByteArray("theirs") << qint64(0)
                                    << WikiCommands::NotSavedMessage.arg(QStringLiteral("T"));
    }

    void cannedCancelledSave()
    {
        QFETCH(QByteArray, onWiki);
        QFETCH(qint64, revision);
        QFETCH(QString, notice);
        useCanned(CannedWiki::Answer{200, {}, {}, 0, 0, true});
        type(QStringLiteral("mine"));
        m_answers = QStringList{QStringLiteral("T"), QString()};
        HebrewMessageBox::presetAnswer(QMessageBox::Yes);
        QSignalSpy spy(&wiki(), &WikiCommands::finished);
        wiki().saveToWiki();
        QTRY_COMPARE(m_canned->requestsWith("action", QStringLiteral("edit")).size(), 1);
        m_canned->setScript([onWiki](const CannedWiki::Request &) { return pageAt21(onWiki); });
        emit progress()->canceled(); // its button
        QTRY_COMPARE(spy.size(), 2);
        QCOMPARE(MainWindowFixture::askedTexts(),
                 (QStringList{WikiCommands::CancelledSaveText + WikiCommands::CheckQuestion, notice}));
        QCOMPARE(document().wikiPage().revision, revision);
        QCOMPARE(documents().isModified(), revision == 0);
        QCOMPARE(host().editor.text(), QStringLiteral("mine"));
    }

    // Last, as it stops the wiki: the text stays in the editor, still modified.
    void stoppedServerKeepsTheText()
    {
        m_wiki.editAs(QStringLiteral("Other"), QStringLiteral("Kept"), QStringLiteral("old"));
        m_answers = QStringList{QStringLiteral("Kept")};
        run(&WikiCommands::openFromWiki);
        type(QStringLiteral("new text"));
        m_wiki.stop();
        m_answers = QStringList{QStringLiteral("summary")};
        run(&WikiCommands::saveToWiki);
        QCOMPARE(host().editor.text(), QStringLiteral("new text"));
        QVERIFY(documents().isModified());
        QCOMPARE(MainWindowFixture::askedTexts().size(), 1);
        QVERIFY(MainWindowFixture::askedTexts().first().startsWith(QStringLiteral("אין חיבור לשרת הוויקי")));
    }
};

QTEST_MAIN(WikiCommandsTest)
#include "WikiCommandsTest.moc"
