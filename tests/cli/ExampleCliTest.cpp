#include "support/CliRun.h"

#include <QTest>

namespace {

using CliRun::run;

QString lines(const QStringList &l)
{
    return l.join(QStringLiteral("\r\n"));
}

const QString Entry = lines({"==שָׁלוֹם==", "# ברכה.", "", "===מקור===", "x", ""});

} // namespace

class ExampleCliTest : public QObject
{
    Q_OBJECT

private slots:
    void addExample_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::newRow("unchanged") << QStringList{"examples-update"} << 0 << Entry;
        QTest::newRow("a literature quotation in a new section")
            << QStringList{"add-example", "1",    "literature",  "section",     "משפט",
                           "שם",          "סופר", "--wikipedia", "--clipboard", "http://benyehuda.org/a"}
            << 0
            << lines({"==שָׁלוֹם==", "# ברכה.", "", "===מקור===", "x", "",
                      "===מובאות נוספות===", "* \"משפט\" ([http://benyehuda.org/a \"שם\"], [[w:סופר|סופר]])", "", ""});
        QTest::newRow("a source missing: refused")
            << QStringList{"add-example", "1", "sources", "beside", "משפט", " "} << 1 << "";
        QTest::newRow("an unknown kind") << QStringList{"add-example", "1", "poem", "beside", "משפט"} << 2 << "";
    }

    void addExample()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        const auto r = run<QString>(args, Entry);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err.isEmpty(), status == 0);
    }

    void noDefinitionInTheEntryIsRefused()
    {
        const auto r = run<QString>({"examples-update"}, lines({"==שָׁלוֹם==", "טקסט", "", "==בַּיִת==", "# א", ""}));
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains("אין בערך שורת הגדרה"));
    }
};

QTEST_GUILESS_MAIN(ExampleCliTest)
#include "ExampleCliTest.moc"
