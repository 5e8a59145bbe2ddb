#include "dialogs/lookups/logic/LookupAddresses.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace Lookups;

namespace {

const QString kSources = QStringLiteral("https://kodesh.snunit.k12.il/cgi-bin/kodesh/search_adv.pl?search=");

// Where the typed query lands in a service's address: a query key, or the path
// after a fixed start.
struct Place
{
    QString key;
    QString pathStart;
};

struct Built
{
    QString address;
    Place place;
};

QList<Built> everyAddressFor(const QString &query)
{
    const auto key = [](const char *k) { return Place{QLatin1String(k), {}}; };
    const auto path = [](const char *p) { return Place{{}, QLatin1String(p)}; };
    return {
        {dictionaryAddress(Dictionary::Wiktionary, query), path("/wiki/")},
        {dictionaryAddress(Dictionary::Logos, query), key("word")},
        {dictionaryAddress(Dictionary::Morfix, query), key("q")},
        {dictionaryAddress(Dictionary::Ayalon, query), key("String")},
        {etymologyAddress(EtymologySource::EO, query), key("search")},
        {etymologyAddress(EtymologySource::OED, query), key("queryword")},
        {etymologyAddress(EtymologySource::MW, query), path("/dictionary/")},
        {etymologyAddress(EtymologySource::AHD, query), key("query")},
        {etymologyAddress(EtymologySource::PnF, query), key("query")},
        {sourcesSearchAddress(query, AllCollections), key("search")},
    };
}

} // namespace

class LookupAddressesTest : public QObject
{
    Q_OBJECT

private slots:
    void dictionary_data()
    {
        QTest::addColumn<Dictionary>("dictionary");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("address");
        QTest::newRow("Wiktionary") << Dictionary::Wiktionary << QStringLiteral("water")
                                    << QStringLiteral("https://en.wiktionary.org/wiki/water");
        QTest::newRow("Wiktionary, Hebrew with points as the title")
            << Dictionary::Wiktionary << QStringLiteral("מַיִם") << QStringLiteral("https://en.wiktionary.org/wiki/מַיִם");
        QTest::newRow("Logos") << Dictionary::Logos << QStringLiteral("water")
                               << QStringLiteral(
                                      "https://www.logos.it/pls/dictionary/new_dictionary.gdic.main?word=water");
        QTest::newRow("Morfix") << Dictionary::Morfix << QStringLiteral("מים")
                                << QStringLiteral("https://www.morfix.co.il/default.aspx?q=מים");
        QTest::newRow("Ayalon, the suffix after the query")
            << Dictionary::Ayalon << QStringLiteral("מים")
            << QStringLiteral("https://arabdictionary.huji.ac.il/cgi-bin/hebrew_results.pl?String=מים&act=dohebSearch");
        QTest::newRow("spaces kept, not trimmed")
            << Dictionary::Morfix << QStringLiteral(" בית ספר ")
            << QStringLiteral("https://www.morfix.co.il/default.aspx?q= בית ספר ");
        QTest::newRow("a lone space is a query")
            << Dictionary::Wiktionary << QStringLiteral(" ") << QStringLiteral("https://en.wiktionary.org/wiki/ ");
        QTest::newRow("quotation mark") << Dictionary::Morfix << QStringLiteral("צה\"ל")
                                        << QStringLiteral("https://www.morfix.co.il/default.aspx?q=צה%22ל");
        QTest::newRow("empty query, no address") << Dictionary::Logos << QString() << QString();
    }

    void dictionary()
    {
        QFETCH(Dictionary, dictionary);
        QFETCH(QString, query);
        QFETCH(QString, address);
        QCOMPARE(dictionaryAddress(dictionary, query), address);
    }

    void direction()
    {
        QVERIFY(!readsRightToLeft(Dictionary::Wiktionary));
        QVERIFY(!readsRightToLeft(Dictionary::Logos));
        QVERIFY(readsRightToLeft(Dictionary::Morfix));
        QVERIFY(readsRightToLeft(Dictionary::Ayalon));
    }

    void etymology_data()
    {
        QTest::addColumn<EtymologySource>("source");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("address");
        QTest::newRow("EO") << EtymologySource::EO << QStringLiteral("algebra")
                            << QStringLiteral("https://www.etymonline.com/index.php?search=algebra&searchmode=none");
        QTest::newRow("OED") << EtymologySource::OED << QStringLiteral("algebra")
                             << QStringLiteral("https://www.oed.com/cgi/findword?query_type=word&queryword=algebra");
        QTest::newRow("MW") << EtymologySource::MW << QStringLiteral("algebra")
                            << QStringLiteral("https://www.merriam-webster.com/dictionary/algebra");
        QTest::newRow("AHD") << EtymologySource::AHD << QStringLiteral("algebra")
                             << QStringLiteral(
                                    "https://www.bartleby.com/cgi-bin/texis/webinator/"
                                    "ahdsearch?search_type=enty&query=algebra&db=ahd");
        QTest::newRow("PnF") << EtymologySource::PnF << QStringLiteral("algebra")
                             << QStringLiteral(
                                    "https://www.bartleby.com/cgi-bin/texis/webinator/"
                                    "sitesearch?query=algebra&filter=col81");
        QTest::newRow("a phrase goes in with its spaces")
            << EtymologySource::EO << QStringLiteral("kick the bucket")
            << QStringLiteral("https://www.etymonline.com/index.php?search=kick the bucket&searchmode=none");
        QTest::newRow("empty query, no address") << EtymologySource::PnF << QString() << QString();
    }

    void etymology()
    {
        QFETCH(EtymologySource, source);
        QFETCH(QString, query);
        QFETCH(QString, address);
        QCOMPARE(etymologyAddress(source, query), address);
    }

    void sources_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<Collections>("chosen");
        QTest::addColumn<QString>("address");
        const QString tail = QStringLiteral("&page=0&type=0&book=");
        QTest::newRow("all six, in table order")
            << QStringLiteral("שלום") << AllCollections
            << kSources + QStringLiteral("שלום") + tail + QStringLiteral("tanah,mishna,tosefta,bavli,jerusalem,rambam");
        QTest::newRow("Bible and Mishna")
            << QStringLiteral("שלום") << Collections(Collection::Bible | Collection::Mishna)
            << kSources + QStringLiteral("שלום") + tail + QStringLiteral("tanah,mishna");
        QTest::newRow("only the first, no comma") << QStringLiteral("שלום") << Collections(Collection::Bible)
                                                  << kSources + QStringLiteral("שלום") + tail + QStringLiteral("tanah");
        QTest::newRow("only the last, no comma") << QStringLiteral("שלום") << Collections(Collection::MishneTorah)
                                                 << kSources + QStringLiteral("שלום") + tail + QStringLiteral("rambam");
        QTest::newRow("Talmud Yerushalmi is jerusalem")
            << QStringLiteral("x") << Collections(Collection::Bavli | Collection::Yerushalmi)
            << kSources + QStringLiteral("x") + tail + QStringLiteral("bavli,jerusalem");
        QTest::newRow("points kept") << QStringLiteral("שָׁלוֹם") << Collections(Collection::Tosefta)
                                     << kSources + QStringLiteral("שָׁלוֹם") + tail + QStringLiteral("tosefta");
        QTest::newRow("no collection, no address") << QStringLiteral("שלום") << Collections() << QString();
        QTest::newRow("empty query, no address") << QString() << AllCollections << QString();
    }

    void sources()
    {
        QFETCH(QString, query);
        QFETCH(Collections, chosen);
        QFETCH(QString, address);
        QCOMPARE(sourcesSearchAddress(query, chosen), address);
    }

    // The browser gets back exactly what was typed, and the service's own keys
    // after it stay as they are.
    void querySurvivesTheAddress_data()
    {
        QTest::addColumn<QString>("query");
        QTest::newRow("ampersand and a key") << QStringLiteral("a&db=x");
        QTest::newRow("hash") << QStringLiteral("C#");
        QTest::newRow("percent, an escape already") << QStringLiteral("100% %d7");
        QTest::newRow("plus") << QStringLiteral("C++");
        QTest::newRow("question mark") << QStringLiteral("מה?");
        QTest::newRow("quotation marks") << QStringLiteral("\"שלום\"");
        QTest::newRow("Hebrew with points and maqaf") << QStringLiteral("בֵּית־סֵפֶר");
        QTest::newRow("doubled spaces") << QStringLiteral("a  b");
    }

    void querySurvivesTheAddress()
    {
        QFETCH(QString, query);
        const QList<Built> built = everyAddressFor(query);
        const QList<Built> plain = everyAddressFor(QStringLiteral("x"));
        for (qsizetype i = 0; i < built.size(); ++i) {
            const QUrl url(built[i].address);
            const QUrl plainUrl(plain[i].address);
            QVERIFY2(url.isValid(), qPrintable(built[i].address));
            QVERIFY2(!url.hasFragment(), qPrintable(built[i].address));
            const Place &place = built[i].place;
            if (place.key.isEmpty()) {
                QCOMPARE(url.path(QUrl::FullyDecoded), place.pathStart + query);
                QVERIFY(!url.hasQuery());
                continue;
            }
            QCOMPARE(url.path(), plainUrl.path());
            const QUrlQuery items(url);
            QCOMPARE(items.allQueryItemValues(place.key, QUrl::FullyDecoded), QStringList{query});
            // The service's own keys, in their order, and nothing added.
            QStringList keys, plainKeys;
            for (const auto &item : items.queryItems())
                keys << item.first;
            for (const auto &item : QUrlQuery(plainUrl).queryItems())
                plainKeys << item.first;
            QCOMPARE(keys, plainKeys);
        }
    }
};

QTEST_GUILESS_MAIN(LookupAddressesTest)
#include "LookupAddressesTest.moc"
