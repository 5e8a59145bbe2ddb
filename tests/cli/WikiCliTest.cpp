#include "support/CliRun.h"
#include "support/CannedWiki.h"
#include "support/TestWiki.h"
#include "wiki/WikiError.h"
#include "wikitext/DocumentFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using CliRun::run;

// The refusals themselves are the client's to test; here, that each reaches the
// right exit status and stream, and that text and revisions travel whole.
class WikiCliTest : public QObject
{
    Q_OBJECT

    TestWiki m_wiki;
    QString m_noWiki;
    QTemporaryDir m_files;

    QString api() const { return m_wiki.api().toString(); }

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QStringList put(const QString &user, const QString &password, const QStringList &more)
    {
        return QStringList{QStringLiteral("wiki-put"),
                           QStringLiteral("--api"),
                           api(),
                           QStringLiteral("--user"),
                           user,
                           QStringLiteral("--password-file"),
                           file(QStringLiteral("password-") + password, password.toUtf8() + "\n")}
        + more;
    }

    static QString messageOf(WikiError::Kind kind, const QString &title = QString())
    {
        WikiError e;
        e.kind = kind;
        e.title = title;
        return e.message();
    }

    static qint64 revisionIn(const QString &line) { return line.trimmed().section(u' ', 1).toLongLong(); }

private slots:
    void initTestCase()
    {
        if (!m_wiki.start(&m_noWiki))
            qInfo("%s", qPrintable(m_noWiki));
    }

    void init()
    {
        if (!m_noWiki.isEmpty() && QByteArray(QTest::currentTestFunction()) != "hostileServer")
            QSKIP(qPrintable(m_noWiki));
    }

    // Hebrew title with points, spaces and quotation marks, byte for byte after NFC.
    void putThenGet()
    {
        const QString title = QStringLiteral("מִלָּה \"בְּמֵרְכָאוֹת\" ו'גרש");
        const QByteArray text = QStringLiteral("== שָׁלוֹם ==\r\n# a+b&c").toUtf8();
        const auto saved = run<QString>(
            put(TestWiki::Editor, TestWiki::EditorPassword,
                {QStringLiteral("--summary"), QStringLiteral("תקציר"), title, file(QStringLiteral("page.txt"), text)}));
        QCOMPARE(saved.status, 0);
        QVERIFY(saved.out.startsWith(QLatin1String("revision ")));

        const auto got = run({QStringLiteral("wiki-get"), QStringLiteral("--api"), api(), title});
        QCOMPARE(got.status, 0);
        QCOMPARE(got.out, text);
        QCOMPARE(revisionIn(QString::fromUtf8(got.err)), revisionIn(saved.out));

        const QString out = m_files.filePath(QStringLiteral("out.txt"));
        QCOMPARE(
            run({QStringLiteral("wiki-get"), QStringLiteral("--api"), api(), QStringLiteral("-o"), out, title}).status,
            0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), DocumentFormat::encode(QString::fromUtf8(text)));
    }

    void conflictNamesTheRevision()
    {
        const QString title = QStringLiteral("Conflict");
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("one"));
        const qint64 base = revisionIn(
            QString::fromUtf8(run({QStringLiteral("wiki-get"), QStringLiteral("--api"), api(), title}).err));
        m_wiki.editAs(QStringLiteral("Other"), title, QStringLiteral("two"));
        const auto r = run<QString>(put(TestWiki::Editor, TestWiki::EditorPassword,
                                        {QStringLiteral("--base-revision"), QString::number(base), title,
                                         file(QStringLiteral("mine.txt"), "mine")}));
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(QString::number(base + 1)));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(run({QStringLiteral("wiki-get"), QStringLiteral("--api"), api(), title}).out, QByteArray("two"));
    }

    void statuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        const QString page = file(QStringLiteral("x.txt"), "x");
        QTest::newRow("missing page") << QStringList{"wiki-get", "--api", api(), "אין כזה"} << 1
                                      << messageOf(WikiError::PageMissing, QStringLiteral("אין כזה"));
        QTest::newRow("wrong password") << put(TestWiki::Editor, QStringLiteral("0123456789abcdef0123456789abcdef"),
                                               {QStringLiteral("T"), page})
                                        << 1 << messageOf(WikiError::WrongPassword);
        QTest::newRow("no change") << put(TestWiki::Editor, TestWiki::EditorPassword, {QStringLiteral("Same"), page})
                                   << 1 << messageOf(WikiError::NoChange, QStringLiteral("Same"));
        QTest::newRow("password on the command line")
            << QStringList{"wiki-put", "--api", api(), "--user", "U", "--password", "p", "T", page} << 2 << QString();
        QTest::newRow("blank text") << put(TestWiki::Editor, TestWiki::EditorPassword,
                                           {QStringLiteral("T"), file(QStringLiteral("blank.txt"), " \r\n")})
                                    << 1 << messageOf(WikiError::Blank, QStringLiteral("T"));
        QTest::newRow("FILE forgotten") << put(TestWiki::Editor, TestWiki::EditorPassword, {QStringLiteral("T")}) << 2
                                        << QString();
        QTest::newRow("standard input as FILE")
            << put(TestWiki::Editor, TestWiki::EditorPassword, {QStringLiteral("T"), QStringLiteral("-")}) << 2
            << QString();
        QTest::newRow("base revision not a number")
            << put(TestWiki::Editor, TestWiki::EditorPassword,
                   {QStringLiteral("--base-revision"), QStringLiteral("0"), QStringLiteral("T"), page})
            << 2 << QString();
    }

    void statuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        m_wiki.editAs(QStringLiteral("Admin"), QStringLiteral("Same"), QStringLiteral("x"));
        const auto r = run<QString>(args);
        QCOMPARE(r.status, status);
        if (!err.isEmpty())
            QCOMPARE(r.err, err + u'\n');
        QVERIFY(!r.err.isEmpty());
        QVERIFY(r.out.isEmpty());
    }

    void stoppedServer()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        QUrl stopped = m_wiki.api();
        stopped.setPort(closed.serverPort());
        closed.close();
        QStringList args = put(TestWiki::Editor, TestWiki::EditorPassword,
                               {QStringLiteral("T"), file(QStringLiteral("t.txt"), "x")});
        args[2] = stopped.toString();
        const auto r = run<QString>(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QStringLiteral("אין חיבור")), qPrintable(r.err));
    }

    // An empty file empties a page when asked to (without, it is refused: see statuses).
    void allowBlank()
    {
        m_wiki.editAs(QStringLiteral("Admin"), QStringLiteral("Blanked"), QStringLiteral("text"));
        const auto r = run(
            put(TestWiki::Editor, TestWiki::EditorPassword,
                {QStringLiteral("--allow-blank"), QStringLiteral("Blanked"), file(QStringLiteral("empty"), "\r\n")}));
        QCOMPARE(r.status, 0);
        QCOMPARE(run({QStringLiteral("wiki-get"), QStringLiteral("--api"), api(), QStringLiteral("Blanked")}).out,
                 QByteArray());
    }

    // A server that answers badly or sends the client elsewhere: exit 2, nothing written
    // to -o, nothing sent to the other server.
    void hostileServer_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("action"); // the request that gets the answer below
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::newRow("read without revisions")
            << "wiki-get" << QByteArray("query") << QByteArray(R"({"query":{"pages":[{"title":"T"}]}})") << 200;
        QTest::newRow("login redirected to another port") << "wiki-put" << QByteArray("login") << QByteArray() << 307;
    }

    void hostileServer()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, action);
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        CannedWiki elsewhere;
        CannedWiki wiki([&](const CannedWiki::Request &r) {
            if (r["action"] == QLatin1String(action) && !r.has("meta")) {
                if (status == 307)
                    return CannedWiki::Answer{307, {}, "Location: " + elsewhere.api().toEncoded() + "\r\n"};
                return CannedWiki::json(answer, status);
            }
            if (r["action"] == QLatin1String("query") && !r.has("meta"))
                return CannedWiki::json(R"({"query":{"pages":[{"title":"T","missing":true}]}})");
            return CannedWiki::session(r);
        });
        const QString out = file(QStringLiteral("kept.txt"), "kept");
        QStringList args = command == QLatin1String("wiki-get")
            ? QStringList{command, QStringLiteral("--api"), api(), QStringLiteral("-o"), out, QStringLiteral("T")}
            : put(TestWiki::Editor, TestWiki::EditorPassword, {QStringLiteral("T"), file(QStringLiteral("t"), "x")});
        args[2] = wiki.api().toString();
        const auto r = run<QString>(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!r.err.isEmpty());
        QVERIFY(elsewhere.requests().isEmpty());
        QFile kept(out);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(WikiCliTest)
#include "WikiCliTest.moc"
