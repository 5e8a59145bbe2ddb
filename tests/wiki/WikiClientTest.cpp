#include "support/CannedWiki.h"
#include "support/TestWiki.h"
#include "wiki/WikiClient.h"
#include "wiki/WikiSync.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(CannedWiki::Answer)
Q_DECLARE_METATYPE(WikiPage)

namespace {

// "דף" at revision 4.
const QByteArray kPage
    = "{\"query\":{\"pages\":[{\"title\":\"דף\",\"revisions\":[{\"revid\":4,"
      "\"slots\":{\"main\":{\"content\":\"טקסט\"}}}]}]}}";

} // namespace

// The round trip against a real MediaWiki, each case the wiki's own answer; and what
// the client sends and how it ends against a canned server, for the answers a real
// wiki does not give on demand.
class WikiClientTest : public QObject
{
    Q_OBJECT

    TestWiki m_wiki;
    QString m_noWiki;
    CannedWiki m_elsewhere; // another origin, which must never be sent anything

    std::unique_ptr<WikiClient> loggedIn(const QString &name, const QString &password)
    {
        auto client = std::make_unique<WikiClient>(m_wiki.api());
        const WikiError e = WikiSync::login(*client, name, password);
        if (!e.ok())
            qWarning("login failed: %s", qPrintable(e.detail));
        return client;
    }

    // The page's revision (0 when missing) and text.
    std::pair<qint64, QString> read(const QString &title)
    {
        WikiClient client(m_wiki.api());
        WikiPage page;
        QString text;
        WikiSync::readPage(client, title, &page, &text);
        return {page.revision, text};
    }

private slots:
    void initTestCase()
    {
        if (!m_wiki.start(&m_noWiki))
            qInfo("%s", qPrintable(m_noWiki));
    }

    void init()
    {
        const QByteArray name = QTest::currentTestFunction();
        if (!m_noWiki.isEmpty() && !name.startsWith("canned") && !name.startsWith("offline"))
            QSKIP(qPrintable(m_noWiki));
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
        WikiPage saved;
        WikiEdit edit{WikiPage{title}, text, QStringLiteral("round trip")};
        edit.create = true;
        QCOMPARE(WikiSync::savePage(*client, edit, &saved).kind, WikiError::None);
        QVERIFY(saved.revision > 0);
        WikiPage page;
        QString got;
        QCOMPARE(WikiSync::readPage(*client, title, &page, &got).kind, WikiError::None);
        QCOMPARE(page.title, title);
        QCOMPARE(page.revision, saved.revision);
        QCOMPARE(WikiClient::textForEditor(got), expected);
    }

    void conflictChangesNothing()
    {
        const QString title = QStringLiteral("התנגשות");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("first"));
        auto client = loggedIn(TestWiki::Editor, TestWiki::EditorPassword);
        WikiPage page;
        QString text;
        QCOMPARE(WikiSync::readPage(*client, title, &page, &text).kind, WikiError::None);
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("second, meanwhile"));
        const qint64 theirs = read(title).first;

        WikiPage saved;
        const WikiError e = WikiSync::savePage(*client, WikiEdit{page, QStringLiteral("mine")}, &saved);
        QCOMPARE(e.kind, WikiError::EditConflict);
        QCOMPARE(e.revision, theirs);
        QCOMPARE(saved, page);
        QVERIFY(e.message().contains(QString::number(theirs)));
        QCOMPARE(read(title).second, QStringLiteral("second, meanwhile"));
        // The revision the conflict names, read for the merge.
        WikiPage current;
        QCOMPARE(WikiSync::readRevision(*client, e.title, e.revision, &current, &text).kind, WikiError::None);
        QCOMPARE(current.revision, theirs);
        QCOMPARE(text, QStringLiteral("second, meanwhile"));
    }

    void deletedSinceRead()
    {
        const QString title = QStringLiteral("Deleted meanwhile");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("text"));
        auto client = loggedIn(TestWiki::Editor, TestWiki::EditorPassword);
        WikiPage page;
        QString text;
        WikiSync::readPage(*client, title, &page, &text);
        m_wiki.maintenance({QStringLiteral("deleteBatch"), QStringLiteral("--u"), QStringLiteral("Admin")},
                           title.toUtf8());
        WikiPage saved;
        QCOMPARE(WikiSync::savePage(*client, WikiEdit{page, QStringLiteral("mine")}, &saved).kind,
                 WikiError::PageDeleted);
        QCOMPARE(read(title).first, 0);
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
        WikiPage saved;
        WikiEdit edit{WikiPage{title}, QStringLiteral("ש\u05C1\u05BC"), QStringLiteral("refused")};
        edit.create = create;
        if (kind == WikiError::RateLimited) { // the first edit of the minute goes through
            QCOMPARE(WikiSync::savePage(*client, edit, &saved).kind, WikiError::None);
            edit.text += u'2';
        }
        const WikiError e = WikiSync::savePage(*client, edit, &saved);
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
        QString text;
        QCOMPARE(WikiSync::readPage(client, QStringLiteral("אין דף כזה"), &page, &text).kind, WikiError::PageMissing);
        QCOMPARE(WikiSync::readPage(client, QStringLiteral("a[b]"), &page, &text).kind, WikiError::BadTitle);
        // The wiki's own normalisation of a title is followed, not taken for another page.
        QCOMPARE(WikiSync::readPage(client, QStringLiteral("x_y"), &page, &text).kind, WikiError::PageMissing);
        QCOMPARE(page.title, QStringLiteral("X y"));
    }

    // Without replicas the wiki reports a lag of -1, so a maxlag below that is
    // always exceeded.
    void lagPastItsRetries()
    {
        WikiClient client(m_wiki.api());
        client.setMaxLag(-2);
        client.setRetryPolicy(1, 10);
        WikiPage page;
        QString text;
        QCOMPARE(WikiSync::readPage(client, QStringLiteral("x"), &page, &text).kind, WikiError::Lagged);
    }

    void unreachable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::newRow("a missing wiki page, not the API")
            << QStringLiteral("/index.php") << int(WikiError::ServerError);
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
        QString text;
        const WikiError e = WikiSync::readPage(client, QStringLiteral("x"), &page, &text);
        QCOMPARE(int(e.kind), kind);
        QVERIFY(e.unreachable());
    }

    // How a request ends, by where it was sent and how the answer came.
    void cannedTransport_data()
    {
        QTest::addColumn<QString>("action"); // the request that gets the answer below
        QTest::addColumn<CannedWiki::Answer>("answer");
        QTest::addColumn<int>("kind");
        const QByteArray otherPort = "Location: " + m_elsewhere.api().toEncoded() + "\r\n";
        const QByteArray otherHost = "Location: " + m_elsewhere.api(QStringLiteral("localhost")).toEncoded() + "\r\n";
        QTest::newRow("307 to another port, at the login")
            << "login" << CannedWiki::Answer{307, {}, otherPort} << int(WikiError::Redirected);
        QTest::newRow("302 to another host, at the read")
            << "query" << CannedWiki::Answer{302, {}, otherHost} << int(WikiError::Redirected);
        QTest::newRow("307 on the same origin")
            << "query" << CannedWiki::Answer{307, {}, "Location: /w/api.php\r\n"} << int(WikiError::None);
        // Eight seconds at this pace, past the deadline; each byte well inside the silence limit.
        QTest::newRow("trickling answer")
            << "query" << CannedWiki::Answer{200, kPage + QByteArray(400, ' '), {}, 0, 20} << int(WikiError::TimedOut);
        QTest::newRow("silent server") << "query" << CannedWiki::Answer{200, {}, {}, 0, 0, true}
                                       << int(WikiError::TimedOut);
        QTest::newRow("HTTP 500 with a page")
            << "query" << CannedWiki::Answer{500, kPage} << int(WikiError::ServerError);
    }

    void cannedTransport()
    {
        QFETCH(QString, action);
        QFETCH(CannedWiki::Answer, answer);
        QFETCH(int, kind);
        CannedWiki wiki([&](const CannedWiki::Request &r) {
            if (r["action"] == action && !r.head.startsWith("POST /w/"))
                return answer;
            return r["action"] == QLatin1String("query") && !r.has("meta") ? CannedWiki::json(kPage)
                                                                           : CannedWiki::session(r);
        });
        WikiClient client(wiki.api());
        client.setLimits({200, 1000, 1000});
        WikiError e = WikiSync::login(client, TestWiki::Editor, QStringLiteral("secret"));
        WikiPage page;
        QString text;
        if (e.ok())
            e = WikiSync::readPage(client, QStringLiteral("דף"), &page, &text);
        QCOMPARE(int(e.kind), kind);
        QCOMPARE(text.isEmpty(), kind != WikiError::None);
        QVERIFY(m_elsewhere.requests().isEmpty());
        QVERIFY(!client.busy());
    }

    // The wiki is asked again as often as the policy says, however long it asks to wait.
    void cannedRetries_data()
    {
        QTest::addColumn<QByteArray>("error");
        QTest::addColumn<QByteArray>("retryAfter");
        QTest::addColumn<int>("kind");
        QTest::newRow("lag, Retry-After past a signed int in milliseconds")
            << QByteArray("maxlag") << QByteArray("99999999") << int(WikiError::Lagged);
        QTest::newRow("rate limit without Retry-After")
            << QByteArray("ratelimited") << QByteArray() << int(WikiError::RateLimited);
    }

    void cannedRetries()
    {
        QFETCH(QByteArray, error);
        QFETCH(QByteArray, retryAfter);
        QFETCH(int, kind);
        CannedWiki wiki([&](const CannedWiki::Request &) {
            return CannedWiki::Answer{200, R"({"error":{"code":")" + error + R"("}})",
                                      retryAfter.isEmpty() ? QByteArray() : "Retry-After: " + retryAfter + "\r\n"};
        });
        WikiClient client(wiki.api());
        client.setRetryPolicy(2, 50);
        WikiPage page;
        QString text;
        QCOMPARE(int(WikiSync::readPage(client, QStringLiteral("דף"), &page, &text).kind), kind);
        QCOMPARE(wiki.requests().size(), 3);
    }

    // What a save sends, and what it refuses before sending the edit. The wiki's page
    // "a_b" is "A b", at `current` (0: missing).
    void cannedSave_data()
    {
        QTest::addColumn<WikiPage>("base");
        QTest::addColumn<bool>("create");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("current");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("sent"); // the edit's parameters beside the usual ones
        const WikiPage seen{QStringLiteral("a_b"), 7, QStringLiteral("2024-01-01T00:00:00Z"),
                            QStringLiteral("2024-01-01T00:05:00Z")};
        const WikiPage fresh{QStringLiteral("a_b")};
        QTest::newRow("on top of a revision") << seen << false << "x" << qint64(7) << int(WikiError::None)
                                              << QStringList{"baserevid=7", "basetimestamp=2024-01-01T00:00:00Z",
                                                             "nocreate=1", "starttimestamp=2024-01-01T00:05:00Z"};
        QTest::newRow("a new page") << fresh << true << "x" << qint64(0) << int(WikiError::None)
                                    << QStringList{"createonly=1"};
        QTest::newRow("over what stands there")
            << fresh << false << "x" << qint64(5) << int(WikiError::None) << QStringList();
        QTest::newRow("a new page over one that exists")
            << fresh << true << "x" << qint64(5) << int(WikiError::EditConflict) << QStringList();
        QTest::newRow("changed since its base")
            << seen << false << "x" << qint64(8) << int(WikiError::EditConflict) << QStringList();
        QTest::newRow("deleted since its base")
            << seen << false << "x" << qint64(0) << int(WikiError::PageDeleted) << QStringList();
        QTest::newRow("empty text") << seen << false << "" << qint64(7) << int(WikiError::Blank) << QStringList();
        QTest::newRow("only line breaks and spaces") << seen << false << "\r\n \t\r\n"
                                                     << qint64(7) << int(WikiError::Blank) << QStringList();
    }

    void cannedSave()
    {
        QFETCH(WikiPage, base);
        QFETCH(bool, create);
        QFETCH(QString, text);
        QFETCH(qint64, current);
        QFETCH(int, kind);
        QFETCH(QStringList, sent);
        CannedWiki wiki([&](const CannedWiki::Request &r) {
            if (r["action"] == QLatin1String("edit"))
                return CannedWiki::json(R"({"edit":{"result":"Success","title":"A b","newrevid":)"
                                        + QByteArray::number(std::max(current, base.revision) + 1)
                                        + R"(,"newtimestamp":"2024-01-04T00:00:00Z"}})");
            if (r["action"] == QLatin1String("query") && !r.has("meta"))
                return CannedWiki::json(R"({"query":{"normalized":[{"from":"a_b","to":"A b"}],"pages":[{"title":"A b",)"
                                        + (current
                                               ? R"("revisions":[{"revid":)" + QByteArray::number(current) + "}]}]}}"
                                               : QByteArray(R"("missing":true}]}})")));
            return CannedWiki::session(r);
        });
        WikiClient client(wiki.api());
        WikiEdit edit{base, text};
        edit.create = create;
        WikiPage saved;
        QCOMPARE(int(WikiSync::savePage(client, edit, &saved).kind), kind);
        const QList<CannedWiki::Request> edits = wiki.requestsWith("action", QStringLiteral("edit"));
        QCOMPARE(edits.size(), kind == WikiError::None ? 1 : 0);
        if (kind == WikiError::Blank)
            QVERIFY(wiki.requests().isEmpty());
        if (edits.isEmpty()) {
            QCOMPARE(saved, base);
            return;
        }
        QCOMPARE(saved,
                 (WikiPage{QStringLiteral("A b"), std::max(current, base.revision) + 1,
                           QStringLiteral("2024-01-04T00:00:00Z"), QStringLiteral("2024-01-04T00:00:00Z")}));
        QCOMPARE(edits.first()["title"], QStringLiteral("A b"));
        QStringList extra;
        for (const char *key : {"baserevid", "basetimestamp", "createonly", "nocreate", "starttimestamp"})
            if (edits.first().has(key))
                extra << QLatin1String(key) + u'=' + edits.first()[key];
        QCOMPARE(extra, sent);
    }

    // A revision is asked for by its id alone, and the answer must be that revision.
    void cannedReadRevision()
    {
        CannedWiki wiki([](const CannedWiki::Request &) { return CannedWiki::json(kPage); });
        WikiClient client(wiki.api());
        WikiPage page;
        QString text;
        QCOMPARE(WikiSync::readRevision(client, QStringLiteral("דף"), 4, &page, &text).kind, WikiError::None);
        QCOMPARE(text, QStringLiteral("טקסט"));
        const CannedWiki::Request &sent = wiki.requests().first();
        QCOMPARE(sent["revids"], QStringLiteral("4"));
        QVERIFY(!sent.has("titles"));
        QVERIFY(sent["rvprop"].split(u'|').contains(QStringLiteral("content")));
        QCOMPARE(WikiSync::readRevision(client, QStringLiteral("דף"), 5, &page, &text).kind, WikiError::BadAnswer);
        QVERIFY(text.isEmpty());
    }

    // What the wiki keeps of a text, as the editor would hold it.
    void offlineStoredText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("trailing breaks and spaces dropped") << "א\r\nב \r\n\t\r\n"
                                                            << "א\r\nב";
        QTest::newRow("leading ones kept") << "\r\n א"
                                           << "\r\n א";
        QTest::newRow("points in NFC order") << "ש\u05C1\u05BC"
                                             << "ש\u05BC\u05C1";
        QTest::newRow("a lone CR is a break") << "a\rb"
                                              << "a\r\nb";
        QTest::newRow("only white space") << " \r\n"
                                          << "";
    }

    void offlineStoredText()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(WikiClient::storedText(text), stored);
    }

    // An edit sent without a believable answer may have been saved; a refusal was not.
    void cannedUncertainSave_data()
    {
        QTest::addColumn<CannedWiki::Answer>("answer");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("maybeSaved");
        QTest::newRow("success without a revision")
            << CannedWiki::json(R"({"edit":{"result":"Success","title":"T"}})") << int(WikiError::BadAnswer) << true;
        QTest::newRow("HTTP 500") << CannedWiki::json("{}", 500) << int(WikiError::ServerError) << true;
        QTest::newRow("no answer in time")
            << CannedWiki::Answer{200, {}, {}, 0, 0, true} << int(WikiError::TimedOut) << true;
        QTest::newRow("protected") << CannedWiki::json(R"({"error":{"code":"protectedpage"}})")
                                   << int(WikiError::Protected) << false;
    }

    void cannedUncertainSave()
    {
        QFETCH(CannedWiki::Answer, answer);
        QFETCH(int, kind);
        QFETCH(bool, maybeSaved);
        CannedWiki wiki([&](const CannedWiki::Request &r) {
            if (r["action"] == QLatin1String("query") && !r.has("meta"))
                return CannedWiki::json(R"({"query":{"pages":[{"title":"T","missing":true}]}})");
            return r["action"] == QLatin1String("edit") ? answer : CannedWiki::session(r);
        });
        WikiClient client(wiki.api());
        client.setLimits({200, 300, 300});
        WikiPage saved;
        const WikiError e = WikiSync::savePage(client, WikiEdit{WikiPage{QStringLiteral("T")}, QStringLiteral("x")},
                                               &saved);
        QCOMPARE(int(e.kind), kind);
        QCOMPARE(e.maybeSaved, maybeSaved);
    }
};

QTEST_GUILESS_MAIN(WikiClientTest)
#include "WikiClientTest.moc"
