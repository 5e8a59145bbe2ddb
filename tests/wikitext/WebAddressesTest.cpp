#include "wikitext/WebAddresses.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace {
const QString kWiki = QStringLiteral("https://he.wiktionary.org");
const QString kRecent = kWiki + QStringLiteral("/w/index.php?title=Special:Recentchanges&action=purge");
} // namespace

class WebAddressesTest : public QObject
{
    Q_OBJECT

private slots:
    void percentEncode_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("shalom and a digit") << QStringLiteral("שלום 2") << QStringLiteral("%d7%a9%d7%9c%d7%95%d7%9d+");
        QTest::newRow("first and last letter") << QStringLiteral("את") << QStringLiteral("%d7%90%d7%aa");
        QTest::newRow("final letters") << QStringLiteral("ךץ") << QStringLiteral("%d7%9a%d7%a5");
        QTest::newRow("listed points") << QStringLiteral("\u05B0\u05B9\u05BB\u05BC\u05BF\u05C1\u05C2")
                                       << QStringLiteral("%d6%b0%d6%b9%d6%bb%d6%bc%d6%bf%d7%81%d7%82");
        QTest::newRow("maqaf") << QStringLiteral("כל־בו") << QStringLiteral("%d7%9b%d7%9c%d6%be%d7%91%d7%95");
        QTest::newRow("unlisted marks dropped")
            << QStringLiteral("\u05BA\u05BD\u05C0\u05C3\u05F3\u05F4'0123456789") << QString();
        QTest::newRow("quotation mark") << QStringLiteral("צה\"ל") << QStringLiteral("%d7%a6%d7%94%22%d7%9c");
        QTest::newRow("listed punctuation")
            << QStringLiteral("-():.,?!;") << QStringLiteral("%2d%28%29%3a%2e%2c%3f%21%3b");
        QTest::newRow("ASCII letters and the six between")
            << QStringLiteral("Az[\\]^_`") << QStringLiteral("Az[\\]^_`");
        QTest::newRow("just outside the copied range") << QStringLiteral("@{~&#/*") << QString();
        // Their low bytes are 0x41 and 0x41..0x7A, but they are not ASCII.
        QTest::newRow("Cyrillic es") << QStringLiteral("aсb") << QStringLiteral("ab");
        QTest::newRow("Arabic fa") << QStringLiteral("ف") << QString();
        QTest::newRow("Latin extended") << QStringLiteral("Łź") << QString();
        QTest::newRow("outside the BMP") << QStringLiteral("x\U0001F600y") << QStringLiteral("xy");
        QTest::newRow("empty") << QString() << QString();
    }

    void percentEncode()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        const QString encoded = WebAddresses::percentEncodeHebrew(in);
        QCOMPARE(encoded, out);
        for (const QChar c : encoded)
            QVERIFY(c.unicode() < 0x80);
    }

    void timestamp_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("out");
        QTest::newRow("zero padded") << QDateTime(QDate(2026, 3, 5), QTime(7, 8, 9), Qt::UTC)
                                     << QStringLiteral("20260305070809");
        QTest::newRow("24-hour clock") << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58), Qt::UTC)
                                       << QStringLiteral("20251231235958");
        QTest::newRow("local time in UTC") << QDateTime(QDate(2026, 1, 1), QTime(1, 30, 0), Qt::OffsetFromUTC, 7200)
                                           << QStringLiteral("20251231233000");
    }

    void timestamp()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, out);
        WikiClock::setForTesting([now] { return now; });
        QCOMPARE(WebAddresses::formatWikiTimestamp(), out);
        WikiClock::setForTesting({});
        QCOMPARE(WebAddresses::formatWikiTimestamp().size(), 14);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("jump");
        QTest::addColumn<QString>("google");
        QTest::newRow("empty") << QString() << 24 << QStringLiteral("שינויים אחרונים (F5)") << QString();
        QTest::newRow("word") << QStringLiteral("שלום") << 23 << QStringLiteral("חפש בוויקימילון את \"שלום\"")
                              << QStringLiteral("חפש בגוגל את \"שלום\"");
        QTest::newRow("equals alone reads") << QStringLiteral("=") << 23 << QStringLiteral("חפש בוויקימילון את \"=\"")
                                            << QStringLiteral("חפש בגוגל את \"=\"");
        QTest::newRow("equals only reads")
            << QStringLiteral("===") << 23 << QStringLiteral("חפש בוויקימילון את \"===\"")
            << QStringLiteral("חפש בגוגל את \"===\"");
        QTest::newRow("equals and a word edits")
            << QStringLiteral("=של=ום") << 25 << QStringLiteral("ערוך בוויקימילון את \"שלום\"")
            << QStringLiteral("חפש בגוגל את \"=של=ום\"");
        QTest::newRow("equals later reads")
            << QStringLiteral("a=b") << 23 << QStringLiteral("חפש בוויקימילון את \"a=b\"")
            << QStringLiteral("חפש בגוגל את \"a=b\"");
    }

    void hints()
    {
        QFETCH(QString, query);
        QFETCH(int, kind);
        QFETCH(QString, jump);
        QFETCH(QString, google);
        QCOMPARE(int(WebAddresses::jumpKindFor(query)), kind);
        const JumpHints h = WebAddresses::jumpHintsFor(query);
        QCOMPARE(h.jump, jump);
        QCOMPARE(h.google, google);
        QCOMPARE(h.wikipedia.isEmpty(), query.isEmpty());
        if (!query.isEmpty()) {
            QCOMPARE(h.wikipedia, QStringLiteral("חפש בוויקיפדיה את \"%1\"").arg(query));
            QCOMPARE(h.commons, QStringLiteral("חפש בוויקישיתוף את \"%1\"").arg(query));
        }
    }

    void namespaces_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out"); // empty: nothing expands
        QTest::addColumn<int>("caret");
        QTest::newRow("category") << QStringLiteral("ק:") << QStringLiteral("קטגוריה:") << 8;
        QTest::newRow("project") << QStringLiteral("ו:") << QStringLiteral("ויקימילון:") << 10;
        QTest::newRow("user") << QStringLiteral("מ:") << QStringLiteral("משתמש:") << 6;
        QTest::newRow("talk") << QStringLiteral("ש:") << QStringLiteral("שיחה:") << 5;
        QTest::newRow("user talk") << QStringLiteral("שמ:") << QStringLiteral("שיחת משתמש:") << 11;
        QTest::newRow("template") << QStringLiteral("ת:") << QStringLiteral("תבנית:") << 6;
        QTest::newRow("with a title") << QStringLiteral("ת:גרש") << QStringLiteral("תבנית:גרש") << 6;
        QTest::newRow("not at the start") << QStringLiteral("אבא ת:") << QString() << 0;
        QTest::newRow("already written out") << QStringLiteral("קטגוריה:") << QString() << 0;
        QTest::newRow("letter without colon") << QStringLiteral("קו") << QString() << 0;
        // The same letters inside the title stay as typed.
        QTest::newRow("title keeps its letters") << QStringLiteral("ק:אק:") << QStringLiteral("קטגוריה:אק:") << 8;
    }

    void namespaces()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QFETCH(int, caret);
        const auto result = WebAddresses::expandNamespacePrefix(in);
        QCOMPARE(result.has_value(), !out.isEmpty());
        if (result) {
            QCOMPARE(result->text, out);
            QCOMPARE(result->caret, caret);
            QVERIFY(!WebAddresses::expandNamespacePrefix(result->text)); // written out once
        }
    }

    void jumpAddress_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("address");
        QTest::newRow("empty box") << QString() << kRecent;
        QTest::newRow("word") << QStringLiteral("שלום") << kWiki + QStringLiteral("/wiki/שלום");
        QTest::newRow("equals alone") << QStringLiteral("=") << kWiki + QStringLiteral("/wiki/=");
        QTest::newRow("edit form") << QStringLiteral("=שלום")
                                   << kWiki + QStringLiteral("/w/index.php?title=שלום&action=edit");
        QTest::newRow("every equals removed")
            << QStringLiteral("==א=ב") << kWiki + QStringLiteral("/w/index.php?title=אב&action=edit");
        QTest::newRow("quotation mark") << QStringLiteral("צה\"ל") << kWiki + QStringLiteral("/wiki/צה%22ל");
        QTest::newRow("quotation mark in edit")
            << QStringLiteral("=צה\"ל") << kWiki + QStringLiteral("/w/index.php?title=צה%22ל&action=edit");
        QTest::newRow("space kept") << QStringLiteral("בית ספר") << kWiki + QStringLiteral("/wiki/בית ספר");
    }

    void jumpAddress()
    {
        QFETCH(QString, query);
        QFETCH(QString, address);
        QCOMPARE(WebAddresses::jumpAddress(query), address);
    }

    // What the browser gets back out of the address is the title as typed.
    void titleSurvivesTheAddress_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("ampersand") << QStringLiteral("AT&T");
        QTest::newRow("hash") << QStringLiteral("C#");
        QTest::newRow("question mark") << QStringLiteral("מה?");
        QTest::newRow("plus") << QStringLiteral("C++");
        QTest::newRow("percent") << QStringLiteral("100%");
        QTest::newRow("all at once") << QStringLiteral("א&ב#ג?ד \"ה\" %22");
    }

    void titleSurvivesTheAddress()
    {
        QFETCH(QString, title);
        const QUrl read(WebAddresses::jumpAddress(title));
        QVERIFY(read.isValid());
        QVERIFY(!read.hasFragment());
        QVERIFY(!read.hasQuery());
        QCOMPARE(read.path(QUrl::FullyDecoded), QStringLiteral("/wiki/") + title);

        const QUrl edit(WebAddresses::jumpAddress(QLatin1Char('=') + title));
        QVERIFY(!edit.hasFragment());
        const QUrlQuery query(edit);
        QCOMPARE(query.queryItemValue(QStringLiteral("title"), QUrl::FullyDecoded), title);
        QCOMPARE(query.queryItemValue(QStringLiteral("action")), QStringLiteral("edit"));
        QVERIFY(!edit.toEncoded().contains('+')); // a "+" would reach the wiki as a space
    }

    void recentChanges_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("address");
        QTest::newRow("time not kept") << false << QStringLiteral("20260101120000") << kRecent;
        QTest::newRow("kept, none yet") << true << QStringLiteral("1") << kRecent;
        QTest::newRow("kept, off value") << true << QStringLiteral("0") << kRecent;
        QTest::newRow("kept, stored") << true << QStringLiteral("20260101120000")
                                      << kRecent + QStringLiteral("&from=20260101120000");
    }

    void recentChanges()
    {
        QFETCH(bool, keep);
        QFETCH(QString, last);
        QFETCH(QString, address);
        QCOMPARE(WebAddresses::recentChangesAddress(keep, last), address);
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("address");
        QTest::newRow("wikipedia latin") << "wikipedia" << QStringLiteral("Paris")
                                         << QStringLiteral("https://en.wikipedia.org/wiki/Paris");
        QTest::newRow("wikipedia hebrew, points dropped")
            << "wikipedia" << QStringLiteral("שָׁלוֹם") << QStringLiteral("https://he.wikipedia.org/wiki/שלום");
        QTest::newRow("wikipedia digit") << "wikipedia" << QStringLiteral("1948")
                                         << QStringLiteral("https://he.wikipedia.org/wiki/1948");
        QTest::newRow("wikipedia quotation mark")
            << "wikipedia" << QStringLiteral("\"Yes\"") << QStringLiteral("https://he.wikipedia.org/wiki/%22Yes%22");
        QTest::newRow("wikipedia underscore first")
            << "wikipedia" << QStringLiteral("_x") << QStringLiteral("https://en.wikipedia.org/wiki/_x");
        QTest::newRow("wikipedia empty") << "wikipedia" << QString() << QString();
        QTest::newRow("google") << "google" << QStringLiteral("שלום 2")
                                << QStringLiteral("https://www.google.com/search?hl=en&q=%d7%a9%d7%9c%d7%95%d7%9d+");
        QTest::newRow("google empty") << "google" << QString() << QString();
        QTest::newRow("commons") << "commons" << QStringLiteral("חתול")
                                 << QStringLiteral(
                                        "https://commons.wikimedia.org/wiki/Special:MediaSearch?q=חתול&t=r&z=30");
        QTest::newRow("commons empty") << "commons" << QString() << QString();
    }

    void lookups()
    {
        QFETCH(QString, kind);
        QFETCH(QString, query);
        QFETCH(QString, address);
        const QString built = kind == QLatin1String("wikipedia") ? WebAddresses::wikipediaAddress(query)
            : kind == QLatin1String("google")                    ? WebAddresses::googleAddress(query)
                                                                 : WebAddresses::commonsSearchAddress(query);
        QCOMPARE(built, address);
    }
};

QTEST_GUILESS_MAIN(WebAddressesTest)
#include "WebAddressesTest.moc"
