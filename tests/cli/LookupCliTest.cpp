#include "support/CliRun.h"

#include <QTest>

using CliRun::run;

// The addresses themselves are the lookup logic's to test; here, that the command
// reaches each service by its name and says when there is nothing to open.
class LookupCliTest : public QObject
{
    Q_OBJECT

private slots:
    void services_data()
    {
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("out");
        QTest::newRow("Wiktionary") << "Wiktionary"
                                    << "a b" << QStringLiteral("https://en.wiktionary.org/wiki/a b\n");
        QTest::newRow("Logos") << "Logos"
                               << "w"
                               << QStringLiteral(
                                      "https://www.logos.it/pls/dictionary/new_dictionary.gdic.main?word=w\n");
        QTest::newRow("Ayalon")
            << "Ayalon" << QStringLiteral("מים")
            << QStringLiteral(
                   "https://arabdictionary.huji.ac.il/cgi-bin/hebrew_results.pl?String=מים&act=dohebSearch\n");
        QTest::newRow("Morfix") << "Morfix" << QStringLiteral("צה\"ל")
                                << QStringLiteral("https://www.morfix.co.il/default.aspx?q=צה%22ל\n");
        QTest::newRow("EO") << "EO"
                            << "w" << QStringLiteral("https://www.etymonline.com/index.php?search=w&searchmode=none\n");
        QTest::newRow("OED") << "OED"
                             << "w" << QStringLiteral("https://www.oed.com/cgi/findword?query_type=word&queryword=w\n");
        QTest::newRow("AHD") << "AHD"
                             << "w"
                             << QStringLiteral(
                                    "https://www.bartleby.com/cgi-bin/texis/webinator/"
                                    "ahdsearch?search_type=enty&query=w&db=ahd\n");
        QTest::newRow("PnF") << "PnF"
                             << "w"
                             << QStringLiteral(
                                    "https://www.bartleby.com/cgi-bin/texis/webinator/"
                                    "sitesearch?query=w&filter=col81\n");
        QTest::newRow("MW") << "MW"
                            << "a&b" << QStringLiteral("https://www.merriam-webster.com/dictionary/a%26b\n");
        QTest::newRow("Sources, all collections")
            << "Sources" << QStringLiteral("שלום")
            << QStringLiteral(
                   "https://kodesh.snunit.k12.il/cgi-bin/kodesh/search_adv.pl?search=שלום"
                   "&page=0&type=0&book=tanah,mishna,tosefta,bavli,jerusalem,rambam\n");
    }

    void services()
    {
        QFETCH(QString, service);
        QFETCH(QString, query);
        QFETCH(QString, out);
        const auto r = run<QString>({QStringLiteral("lookup-address"), service, query});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, out);
        QVERIFY(r.err.isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("empty query opens nothing")
            << QStringList{"lookup-address", "Morfix", ""} << 1 << QStringLiteral("אין מה לחפש: תיבת החיפוש ריקה\n");
        QTest::newRow("names are case-sensitive") << QStringList{"lookup-address", "morfix", "x"} << 2
                                                  << QStringLiteral(
                                                         "dalvana-cli: unknown service morfix (one of "
                                                         "Wiktionary, Logos, Ayalon, Morfix, EO, OED, AHD, "
                                                         "PnF, MW, Sources)\n");
    }

    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        const auto r = run<QString>(args);
        QCOMPARE(r.status, status);
        QCOMPARE(r.err, err);
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(LookupCliTest)
#include "LookupCliTest.moc"
