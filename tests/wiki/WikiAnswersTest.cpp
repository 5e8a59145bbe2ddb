#include "wiki/WikiAnswers.h"

#include <QJsonDocument>
#include <QTest>

namespace {

QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// A query answer for one page, with `normalized` and the page's fields as given.
QByteArray pageAnswer(const QByteArray &page, const QByteArray &normalized = "[]")
{
    return R"({"curtimestamp":"2024-01-02T00:00:00Z","query":{"normalized":)" + normalized + R"(,"pages":[)" + page
        + "]}}";
}

QByteArray revision(const QByteArray &revid, const QByteArray &slotObject = R"({"main":{"content":"טקסט"}})")
{
    return R"({"title":"דף","revisions":[{"revid":)" + revid + R"(,"timestamp":"2024-01-01T00:00:00Z","slots":)"
        + slotObject + "}]}";
}

} // namespace

// Every answer is checked before it is believed; rows at the edges of what may pass.
class WikiAnswersTest : public QObject
{
    Q_OBJECT

private slots:
    void envelope_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("kind");
        const QByteArray fine = R"({"edit":{"result":"Success","newrevid":5}})";
        QTest::newRow("200 with an answer") << 200 << fine << int(WikiError::None);
        QTest::newRow("299, the last success") << 299 << fine << int(WikiError::None);
        QTest::newRow("300") << 300 << fine << int(WikiError::ServerError);
        QTest::newRow("404 with a JSON body") << 404 << fine << int(WikiError::ServerError);
        QTest::newRow("500 with a JSON body") << 500 << fine << int(WikiError::ServerError);
        QTest::newRow("500 with an unknown API error")
            << 500 << QByteArray(R"({"error":{"code":"internal_api_error_DBQueryError"}})")
            << int(WikiError::ServerError);
        QTest::newRow("503 that says maxlag")
            << 503 << QByteArray(R"({"error":{"code":"maxlag","info":"5 s"}})") << int(WikiError::Lagged);
        QTest::newRow("protected") << 200 << QByteArray(R"({"error":{"code":"protectedpage"}})")
                                   << int(WikiError::Protected);
        QTest::newRow("other refusal") << 200 << QByteArray(R"({"error":{"code":"spamblacklist"}})")
                                       << int(WikiError::Refused);
        QTest::newRow("HTML page") << 200 << QByteArray("<html></html>") << int(WikiError::NotMediaWiki);
        QTest::newRow("empty body") << 200 << QByteArray() << int(WikiError::NotMediaWiki);
    }

    void envelope()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, kind);
        QJsonObject answer;
        QCOMPARE(int(WikiAnswers::envelope(status, body, &answer).kind), kind);
    }

    void retryWait_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("wait");
        QTest::newRow("seconds") << QByteArray("3") << 3000;
        QTest::newRow("the cap exactly") << QByteArray("10") << 10000;
        QTest::newRow("a second past the cap") << QByteArray("11") << 10000;
        QTest::newRow("past a signed int in milliseconds") << QByteArray("99999999") << 10000;
        QTest::newRow("past 64 bits") << QByteArray("99999999999999999999") << 10000;
        QTest::newRow("negative") << QByteArray("-5") << 10000;
        QTest::newRow("an HTTP date") << QByteArray("Wed, 21 Oct 2015 07:28:00 GMT") << 10000;
    }

    void retryWait()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, wait);
        QCOMPARE(WikiAnswers::retryWait(header, 10000), wait);
    }

    // Asked for "דף" (or "a_b", normalised to "A b").
    void read_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("revision");
        QTest::addColumn<QString>("text");
        const QString daf = QStringLiteral("דף");
        QTest::newRow("a revision") << pageAnswer(revision("17")) << daf << int(WikiError::None) << qint64(17)
                                    << QStringLiteral("טקסט");
        QTest::newRow("an empty page") << pageAnswer(revision("1", R"({"main":{"content":""}})")) << daf
                                       << int(WikiError::None) << qint64(1) << QString();
        QTest::newRow("normalised title followed")
            << pageAnswer(R"({"title":"A b","revisions":[{"revid":3,"slots":{"main":{"content":"x"}}}]})",
                          R"([{"from":"a_b","to":"A b"}])")
            << QStringLiteral("a_b") << int(WikiError::None) << qint64(3) << QStringLiteral("x");
        QTest::newRow("another title") << pageAnswer(revision("17")) << QStringLiteral("אחר")
                                       << int(WikiError::BadAnswer) << qint64(0) << QString();
        QTest::newRow("normalised from another title")
            << pageAnswer(revision("17"), R"([{"from":"x","to":"דף"}])") << QStringLiteral("אחר")
            << int(WikiError::BadAnswer) << qint64(0) << QString();
        QTest::newRow("missing") << pageAnswer(R"({"title":"דף","missing":true})") << daf << int(WikiError::PageMissing)
                                 << qint64(0) << QString();
        QTest::newRow("invalid") << pageAnswer(R"({"title":"דף","invalid":true})") << daf << int(WikiError::BadTitle)
                                 << qint64(0) << QString();
        QTest::newRow("no revisions") << pageAnswer(R"({"title":"דף"})") << daf << int(WikiError::BadAnswer)
                                      << qint64(0) << QString();
        QTest::newRow("empty revisions") << pageAnswer(R"({"title":"דף","revisions":[]})") << daf
                                         << int(WikiError::BadAnswer) << qint64(0) << QString();
        QTest::newRow("revision 0") << pageAnswer(revision("0")) << daf << int(WikiError::BadAnswer) << qint64(0)
                                    << QString();
        QTest::newRow("negative revision")
            << pageAnswer(revision("-4")) << daf << int(WikiError::BadAnswer) << qint64(0) << QString();
        QTest::newRow("revision as a string")
            << pageAnswer(revision(R"("17")")) << daf << int(WikiError::BadAnswer) << qint64(0) << QString();
        QTest::newRow("no content") << pageAnswer(revision("17", R"({"main":{}})")) << daf << int(WikiError::BadAnswer)
                                    << qint64(0) << QString();
        QTest::newRow("two pages") << pageAnswer(revision("17") + "," + revision("18")) << daf
                                   << int(WikiError::BadAnswer) << qint64(0) << QString();
        QTest::newRow("no query") << QByteArray(R"({"batchcomplete":true})") << daf << int(WikiError::BadAnswer)
                                  << qint64(0) << QString();
    }

    void read()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, title);
        QFETCH(int, kind);
        QFETCH(qint64, revision);
        QFETCH(QString, text);
        WikiPage page;
        QString got;
        QCOMPARE(int(WikiAnswers::read(parse(answer), title, &page, &got).kind), kind);
        QCOMPARE(page.revision, revision);
        QCOMPARE(got, text);
        if (kind == WikiError::None)
            QCOMPARE(page.startTimestamp, QStringLiteral("2024-01-02T00:00:00Z"));
    }

    // Revision 17 of "דף", asked for by its id.
    void readRevision_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("the revision") << pageAnswer(revision("17")) << int(WikiError::None) << QStringLiteral("טקסט");
        QTest::newRow("another revision") << pageAnswer(revision("16")) << int(WikiError::BadAnswer) << QString();
        QTest::newRow("another page") << pageAnswer(QByteArray(revision("17")).replace("דף", "אחר"))
                                      << int(WikiError::BadAnswer) << QString();
        QTest::newRow("gone from the wiki")
            << QByteArray(R"({"query":{"badrevids":{"17":{"revid":17,"missing":true}}}})")
            << int(WikiError::PageDeleted) << QString();
        QTest::newRow("its text hidden") << pageAnswer(revision("17", R"({"main":{"texthidden":true}})"))
                                         << int(WikiError::BadAnswer) << QString();
    }

    void readRevision()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, kind);
        QFETCH(QString, text);
        WikiPage page;
        QString got;
        QCOMPARE(int(WikiAnswers::revision(parse(answer), QStringLiteral("דף"), 17, &page, &got).kind), kind);
        QCOMPARE(got, text);
        if (kind == WikiError::None)
            QCOMPARE(page,
                     (WikiPage{QStringLiteral("דף"), 17, QStringLiteral("2024-01-01T00:00:00Z"),
                               QStringLiteral("2024-01-02T00:00:00Z")}));
    }

    // A save of "דף" on top of revision 10.
    void edit_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("revision");
        QTest::newRow("saved") << QByteArray(
            R"({"edit":{"result":"Success","title":"דף","newrevid":11,"newtimestamp":"2024-01-03T00:00:00Z"}})")
                               << int(WikiError::None) << qint64(11);
        QTest::newRow("no change") << QByteArray(R"({"edit":{"result":"Success","title":"דף","nochange":true}})")
                                   << int(WikiError::NoChange) << qint64(10);
        QTest::newRow("no new revision") << QByteArray(R"({"edit":{"result":"Success","title":"דף"}})")
                                         << int(WikiError::BadAnswer) << qint64(10);
        QTest::newRow("new revision at the base")
            << QByteArray(R"({"edit":{"result":"Success","title":"דף","newrevid":10}})") << int(WikiError::BadAnswer)
            << qint64(10);
        QTest::newRow("negative new revision")
            << QByteArray(R"({"edit":{"result":"Success","title":"דף","newrevid":-11}})") << int(WikiError::BadAnswer)
            << qint64(10);
        QTest::newRow("new revision as a string")
            << QByteArray(R"({"edit":{"result":"Success","title":"דף","newrevid":"11"}})") << int(WikiError::BadAnswer)
            << qint64(10);
        QTest::newRow("another title") << QByteArray(R"({"edit":{"result":"Success","title":"אחר","newrevid":11}})")
                                       << int(WikiError::BadAnswer) << qint64(10);
        QTest::newRow("captcha") << QByteArray(R"({"edit":{"result":"Failure","captcha":{}}})")
                                 << int(WikiError::Refused) << qint64(10);
    }

    void edit()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, kind);
        QFETCH(qint64, revision);
        WikiPage saved;
        const WikiPage base{QStringLiteral("דף"), 10, QStringLiteral("t0"), QStringLiteral("t1")};
        QCOMPARE(int(WikiAnswers::edit(parse(answer), base, &saved).kind), kind);
        QCOMPARE(saved.revision, revision);
    }

    void session_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("type"); // empty: the login's own answer
        QTest::addColumn<int>("kind");
        QTest::newRow("no token") << QByteArray(R"({"query":{"tokens":{}}})") << "csrf" << int(WikiError::BadAnswer);
        QTest::newRow("anonymous edit token")
            << QByteArray(R"({"query":{"tokens":{"csrftoken":"+\\"}}})") << "csrf" << int(WikiError::LoggedOut);
        QTest::newRow("no login result") << QByteArray(R"({"login":{}})") << QString() << int(WikiError::BadAnswer);
    }

    void session()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, type);
        QFETCH(int, kind);
        QString token;
        const WikiError e = type.isEmpty() ? WikiAnswers::login(parse(answer))
                                           : WikiAnswers::token(parse(answer), type, &token);
        QCOMPARE(int(e.kind), kind);
    }
};

QTEST_GUILESS_MAIN(WikiAnswersTest)
#include "WikiAnswersTest.moc"
