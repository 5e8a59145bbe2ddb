#include "wikitext/InflectionQuery.h"

#include <QTest>

namespace {

QString lines(const QStringList &l)
{
    return l.join(QStringLiteral("\r\n"));
}

const QString Bayit = lines({"==בַּיִת==", "{{ניתוח דקדוקי", "|כתיב מלא=בית", "|נטיות=ר' בָּתִּים", "}}", "# מבנה."});

} // namespace

class InflectionQueryTest : public QObject
{
    Q_OBJECT

private slots:
    void build_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret"); // -1: the end of the text
        QTest::addColumn<bool>("withInflections");
        QTest::addColumn<QString>("query");

        QTest::newRow("headword, spelling, inflections") << Bayit << -1 << true << "בַּיִת OR בית OR בָּתִּים OR בתים";
        QTest::newRow("without inflections") << Bayit << -1 << false << "בַּיִת OR בית";
        QTest::newRow("the geresh as the apostrophe")
            << QString(Bayit).replace("ר'", "ר׳") << -1 << true << "בַּיִת OR בית OR בָּתִּים OR בתים";
        QTest::newRow("a headword with a space: quoted, no inflections")
            << lines({"==בֵּית סֵפֶר==", "|כתיב מלא=בית ספר", "|נטיות=ר' בָּתֵּי סֵפֶר"}) << -1 << true
            << "\"בֵּית סֵפֶר\" OR \"בית ספר\"";
        QTest::newRow("the nearest heading above the caret")
            << lines({"==בֵּית סֵפֶר==", "|כתיב מלא=בית ספר", "", "==בַּיִת==", "|כתיב מלא=בית", "|נטיות=ר' בָּתִּים"}) << -1
            << true << "בַּיִת OR בית OR בָּתִּים OR בתים";
        QTest::newRow("the caret on the heading line")
            << lines({"==אֶרֶץ==", "|כתיב מלא=ארץ", "==בַּיִת=="}) << 3 << true << "אֶרֶץ OR ארץ";
        QTest::newRow("the next entry's spelling is not this one's")
            << lines({"==אֶרֶץ==", "# x", "==בַּיִת==", "|כתיב מלא=בית"}) << 3 << false << "אֶרֶץ";
        QTest::newRow("one-line template")
            << "==בַּיִת==\r\n{{ניתוח דקדוקי|כתיב מלא=בית|נטיות=ר' בָּתִּים}}" << -1 << true << "בַּיִת OR בית OR בָּתִּים OR בתים";
        QTest::newRow("joining words, punctuation, hyphens and a doubled space")
            << lines({"==בַּיִת==", "|נטיות=נ' בָּתִּים, או  בֵּית־אָב"}) << -1 << true
            << "בַּיִת OR בָּתִּים OR בתים OR בֵּיתאָב OR ביתאב";
        QTest::newRow("no heading: the spelling alone") << lines({"intro", "|כתיב מלא=בית"}) << 0 << true << "בית";
        QTest::newRow("dagesh alone makes no heading") << lines({"==בּ==", "x"}) << -1 << true << "";
        QTest::newRow("nothing") << "" << 0 << true << "";
    }

    void build()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(bool, withInflections);
        QFETCH(QString, query);
        const int at = caret < 0 ? int(text.size()) : caret;
        QCOMPARE(InflectionQuery::build(EditorState{text, at, 0}, withInflections), query);
    }
};

QTEST_GUILESS_MAIN(InflectionQueryTest)
#include "InflectionQueryTest.moc"
