#include "support/TestWiki.h"
#include "wiki/WikiClient.h"
#include "wiki/WikiSync.h"

#include <QTcpServer>
#include <QTest>

#include <memory>

// Against a real MediaWiki: each case is the wiki's own answer, not a recorded one.
class WikiClientTest : public QObject
{
    Q_OBJECT

    TestWiki m_wiki;

    std::unique_ptr<WikiClient> loggedIn(const QString &name, const QString &password)
    {
        auto client = std::make_unique<WikiClient>(m_wiki.api());
        const WikiError e = WikiSync::login(*client, name, password);
        if (!e.ok())
            qWarning("login failed: %s", qPrintable(e.detail));
        return client;
    }

    WikiPage read(const QString &title)
    {
        WikiClient client(m_wiki.api());
        WikiPage page;
        WikiSync::readPage(client, title, &page);
        return page;
    }

private slots:
    void initTestCase()
    {
        QString reason;
        if (!m_wiki.start(&reason))
            QSKIP(qPrintable(reason));
    }

    void siteInfo()
    {
        WikiClient client(m_wiki.api());
        WikiSiteInfo info;
        QCOMPARE(WikiSync::fetchSiteInfo(client, &info).kind, WikiError::None);
        QVERIFY(info.generator.startsWith(QLatin1String("MediaWiki 1.")));
    }

    // Written as the editor holds it, read back as the editor would hold it.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("title with points, spaces and quotation marks")
            << QStringLiteral("מִלָּה \"בְּמֵרְכָאוֹת\" וגרש'") << QStringLiteral("== שָׁלוֹם ==\r\n# a+b&c=d%20e#f")
            << QStringLiteral("== שָׁלוֹם ==\r\n# a+b&c=d%20e#f");
        // Dagesh (class 21) goes before the shin dot (class 24) in NFC.
        QTest::newRow("points put in NFC order")
            << QStringLiteral("נקודות") << QStringLiteral("ש\u05C1\u05BC") << QStringLiteral("ש\u05BC\u05C1");
        QTest::newRow("lone CR and LF become CR LF")
            << QStringLiteral("שורות") << QStringLiteral("a\rb\nc") << QStringLiteral("a\r\nb\r\nc");
        QTest::newRow("one character") << QStringLiteral("תו") << QStringLiteral("x") << QStringLiteral("x");
        QTest::newRow("character beyond the BMP")
            << QStringLiteral("𝔸 כותרת") << QStringLiteral("𝔸\r\n𝔸") << QStringLiteral("𝔸\r\n𝔸");
    }

    void roundTrip()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        auto client = loggedIn(TestWiki::Editor, TestWiki::EditorPassword);
        qint64 revision = 0;
        WikiEdit edit{title, text, QStringLiteral("round trip")};
        edit.create = true;
        QCOMPARE(WikiSync::savePage(*client, edit, &revision).kind, WikiError::None);
        QVERIFY(revision > 0);
        WikiPage page;
        QCOMPARE(WikiSync::readPage(*client, title, &page).kind, WikiError::None);
        QCOMPARE(page.title, title);
        QCOMPARE(page.revision, revision);
        QCOMPARE(WikiClient::textForEditor(page.text), expected);
    }

    void conflictChangesNothing()
    {
        const QString title = QStringLiteral("התנגשות");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("first"));
        auto client = loggedIn(TestWiki::Editor, TestWiki::EditorPassword);
        WikiPage page;
        QCOMPARE(WikiSync::readPage(*client, title, &page).kind, WikiError::None);
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("second, meanwhile"));
        const qint64 theirs = read(title).revision;

        qint64 revision = -1;
        const WikiEdit edit{title,         QStringLiteral("mine"), QString(),
                            page.revision, page.revisionTimestamp, page.startTimestamp};
        const WikiError e = WikiSync::savePage(*client, edit, &revision);
        QCOMPARE(e.kind, WikiError::EditConflict);
        QCOMPARE(e.revision, theirs);
        QVERIFY(e.message().contains(QString::number(theirs)));
        QCOMPARE(read(title).text, QStringLiteral("second, meanwhile"));
    }

    void deletedSinceRead()
    {
        const QString title = QStringLiteral("Deleted meanwhile");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("text"));
        auto client = loggedIn(TestWiki::Editor, TestWiki::EditorPassword);
        WikiPage page;
        WikiSync::readPage(*client, title, &page);
        m_wiki.maintenance({QStringLiteral("deleteBatch"), QStringLiteral("--u"), QStringLiteral("Admin")},
                           title.toUtf8());
        qint64 revision = 0;
        const WikiEdit edit{title,         QStringLiteral("mine"), QString(),
                            page.revision, page.revisionTimestamp, page.startTimestamp};
        QCOMPARE(WikiSync::savePage(*client, edit, &revision).kind, WikiError::PageDeleted);
        QVERIFY(!read(title).exists);
    }

    // Each refusal of a save, with the user who meets it.
    void refusals_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("create");
        QTest::addColumn<int>("kind");
        QTest::newRow("protected page") << TestWiki::Editor << TestWiki::EditorPassword << QStringLiteral("Protected")
                                        << false << int(WikiError::Protected);
        QTest::newRow("blocked user") << TestWiki::Blocked << TestWiki::BlockedPassword << QStringLiteral("Any")
                                      << false << int(WikiError::Blocked);
        QTest::newRow("new page that exists meanwhile")
            << TestWiki::Editor << TestWiki::EditorPassword << QStringLiteral("Protected") << true
            << int(WikiError::EditConflict);
        QTest::newRow("same text after NFC") << TestWiki::Editor << TestWiki::EditorPassword << QStringLiteral("Same")
                                             << false << int(WikiError::NoChange);
        QTest::newRow("rate limit past its retries")
            << TestWiki::Limited << TestWiki::LimitedPassword << QStringLiteral("Limited") << false
            << int(WikiError::RateLimited);
    }

    void refusals()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, title);
        QFETCH(bool, create);
        QFETCH(int, kind);
        m_wiki.editAs(QStringLiteral("Admin"), QStringLiteral("Protected"), QStringLiteral("protected"));
        m_wiki.maintenance({QStringLiteral("protect"), QStringLiteral("--user"), QStringLiteral("Admin"),
                            QStringLiteral("Protected")});
        // Stored as NFC; the save below sends the decomposed order.
        m_wiki.editAs(QStringLiteral("Admin"), QStringLiteral("Same"), QStringLiteral("ש\u05BC\u05C1"));
        auto client = loggedIn(user, password);
        client->setRetryPolicy(2, 50);
        qint64 revision = 0;
        WikiEdit edit{title, QStringLiteral("ש\u05C1\u05BC"), QStringLiteral("refused")};
        edit.create = create;
        if (kind == WikiError::RateLimited) { // the first edit of the minute goes through
            QCOMPARE(WikiSync::savePage(*client, edit, &revision).kind, WikiError::None);
            edit.text += u'2';
        }
        const WikiError e = WikiSync::savePage(*client, edit, &revision);
        QCOMPARE(int(e.kind), kind);
        QVERIFY(!e.message().isEmpty());
    }

    void wrongPassword()
    {
        WikiClient client(m_wiki.api());
        const WikiError e = WikiSync::login(client, TestWiki::Editor,
                                            QStringLiteral("0123456789abcdef0123456789abcdef"));
        QCOMPARE(e.kind, WikiError::WrongPassword);
    }

    void missingPage()
    {
        WikiClient client(m_wiki.api());
        WikiPage page;
        QCOMPARE(WikiSync::readPage(client, QStringLiteral("אין דף כזה"), &page).kind, WikiError::PageMissing);
        QCOMPARE(WikiSync::readPage(client, QStringLiteral("a[b]"), &page).kind, WikiError::BadTitle);
    }

    // Without replicas the wiki reports a lag of -1, so a maxlag below that is
    // always exceeded.
    void lagPastItsRetries()
    {
        WikiClient client(m_wiki.api());
        client.setMaxLag(-2);
        client.setRetryPolicy(1, 10);
        WikiPage page;
        QCOMPARE(WikiSync::readPage(client, QStringLiteral("x"), &page).kind, WikiError::Lagged);
    }

    void unreachable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::newRow("not MediaWiki's API") << QStringLiteral("/index.php") << int(WikiError::NotMediaWiki);
        QTest::newRow("nothing listening") << QString() << int(WikiError::NoNetwork);
    }

    void unreachable()
    {
        QFETCH(QString, path);
        QFETCH(int, kind);
        QUrl api = m_wiki.api();
        if (path.isEmpty()) {
            // A port just freed: nothing listens there.
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            api.setPort(closed.serverPort());
            closed.close();
        } else {
            api.setPath(path);
        }
        WikiClient client(api);
        WikiPage page;
        const WikiError e = WikiSync::readPage(client, QStringLiteral("x"), &page);
        QCOMPARE(int(e.kind), kind);
        QVERIFY(e.unreachable());
    }

    // A server that takes the request and never answers.
    void silentServer_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("kind");
        QTest::newRow("time-out") << false << int(WikiError::TimedOut);
        QTest::newRow("cancelled") << true << int(WikiError::Cancelled);
    }

    void silentServer()
    {
        QFETCH(bool, cancel);
        QFETCH(int, kind);
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        WikiClient client(QUrl(QStringLiteral("http://127.0.0.1:%1/api.php").arg(silent.serverPort())));
        client.setTimeout(cancel ? 60000 : 200);
        if (cancel)
            QTimer::singleShot(100, &client, [&client] { client.cancel(); });
        WikiPage page;
        QCOMPARE(int(WikiSync::readPage(client, QStringLiteral("x"), &page).kind), kind);
        QVERIFY(!client.busy());
    }
};

QTEST_GUILESS_MAIN(WikiClientTest)
#include "WikiClientTest.moc"
