#include "support/CliRun.h"
#include "dialogs/quotes/logic/QuotesSearch.h"

#include "dialogs/lookups/logic/LookupAddresses.h"

#include <QTest>

using CliRun::run;

// The addresses themselves are the lookup logic's to test; here, that each name
// reaches its own service and that the command says when there is nothing to open.
class LookupCliTest : public QObject
{
    Q_OBJECT

private slots:
    void services_data()
    {
        using namespace Lookups;
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("address");
        const QString q = QStringLiteral("a&ב");
        QTest::newRow("Wiktionary") << "Wiktionary" << dictionaryAddress(Dictionary::Wiktionary, q);
        QTest::newRow("Logos") << "Logos" << dictionaryAddress(Dictionary::Logos, q);
        QTest::newRow("Ayalon") << "Ayalon" << dictionaryAddress(Dictionary::Ayalon, q);
        QTest::newRow("Morfix") << "Morfix" << dictionaryAddress(Dictionary::Morfix, q);
        QTest::newRow("Quotes") << "Quotes" << QuotesSearch::address(q);
        QTest::newRow("EO") << "EO" << etymologyAddress(EtymologySource::EO, q);
        QTest::newRow("OED") << "OED" << etymologyAddress(EtymologySource::OED, q);
        QTest::newRow("AHD") << "AHD" << etymologyAddress(EtymologySource::AHD, q);
        QTest::newRow("PnF") << "PnF" << etymologyAddress(EtymologySource::PnF, q);
        QTest::newRow("MW") << "MW" << etymologyAddress(EtymologySource::MW, q);
        QTest::newRow("Sources, all collections") << "Sources" << sourcesSearchAddress(q, AllCollections);
    }

    void services()
    {
        QFETCH(QString, service);
        QFETCH(QString, address);
        const auto r = run<QString>({QStringLiteral("lookup-address"), service, QStringLiteral("a&ב")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, address + u'\n');
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
                                                         "PnF, MW, Sources, Quotes)\n");
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
