#include "wikitext/WikiSyntax.h"

#include <QTest>

using WikiSyntax::Kind;

namespace {

// The spans of a line as "kind:text" pieces; headings carry their level.
QString describe(const QString &line, const QList<WikiSyntax::Span> &spans)
{
    static const char *const names[] = {"P", "H", "TM", "TN", "PN", "LM", "LT", "A", "Q", "T", "C", "X", "TB", "L"};
    QStringList parts;
    for (const WikiSyntax::Span &s : spans) {
        QString name = QString::fromLatin1(names[int(s.kind)]);
        if (s.kind == Kind::HeadingMark)
            name += QString::number(s.level);
        parts << name + u':' + line.mid(s.start, s.length);
    }
    return parts.join(u' ');
}

// Lines one after the other, each starting in the state the one before left.
QString describeLines(const QStringList &lines)
{
    QStringList out;
    int state = WikiSyntax::StartState;
    QList<WikiSyntax::Span> spans;
    for (const QString &line : lines) {
        state = WikiSyntax::scanLine(line, state, &spans);
        out << describe(line, spans);
    }
    return out.join(QStringLiteral(" / "));
}

} // namespace

class WikiSyntaxTest : public QObject
{
    Q_OBJECT

private slots:
    void spans_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("spans");
        QTest::newRow("heading level 2") << QStringList{"==שָׁלוֹם== "} << "H2:== P:שָׁלוֹם H2:== ";
        QTest::newRow("heading level 3") << QStringList{"===מקור==="} << "H3:=== P:מקור H3:===";
        QTest::newRow("uneven heading takes the smaller") << QStringList{"===א=="} << "H2:== P:=א H2:==";
        QTest::newRow("lone equals sign") << QStringList{"="} << "P:=";
        QTest::newRow("equals signs only") << QStringList{"===="} << "P:====";
        QTest::newRow("list marks") << QStringList{"#:* משפט"} << "L:#:* P: משפט";
        QTest::newRow("template name and values")
            << QStringList{"{{ת|אנגלית|book}}"} << "TM:{{ TN:ת TM:| P:אנגלית TM:| P:book TM:}}";
        QTest::newRow("named parameter") << QStringList{"{{ניתוח דקדוקי|כתיב מלא=שלום}}"}
                                         << "TM:{{ TN:ניתוח דקדוקי TM:| PN:כתיב מלא TM:= P:שלום TM:}}";
        QTest::newRow("nested template across lines")
            << QStringList{"{{א|ב={{ג", "|ד}}|ה}} סוף"}
            << "TM:{{ TN:א TM:| PN:ב TM:= TM:{{ TN:ג / TM:| P:ד TM:}} TM:| P:ה TM:}} P: סוף";
        QTest::newRow("name on its own line")
            << QStringList{"{{ניתוח", "|מין=זכר", "}}"} << "TM:{{ TN:ניתוח / TM:| PN:מין TM:= P:זכר / TM:}}";
        QTest::newRow("parser function") << QStringList{"{{#if:כן|לא}}"} << "TM:{{ TN:#if TM:: P:כן TM:| P:לא TM:}}";
        QTest::newRow("doubled closing braces outside a template") << QStringList{"}}}}"} << "P:}}}}";
        QTest::newRow("link target and caption")
            << QStringList{"[[יעד|כיתוב]] ו[[ספר]]"} << "LM:[[ LT:יעד LM:| P:כיתוב LM:]] P: ו LM:[[ LT:ספר LM:]]";
        QTest::newRow("unopened link close") << QStringList{"א]]"} << "P:א]]";
        QTest::newRow("link inside a template value")
            << QStringList{"{{ה|[[א|ב]]|ג}}"} << "TM:{{ TN:ה TM:| LM:[[ LT:א LM:| P:ב LM:]] TM:| P:ג TM:}}";
        QTest::newRow("external link") << QStringList{"[http://example.org/א כיתוב]"}
                                       << "LM:[ A:http://example.org/א P: כיתוב LM:]";
        QTest::newRow("bare address, full stop left out") << QStringList{"ראו https://he.wiktionary.org/wiki/שלום."}
                                                          << "P:ראו  A:https://he.wiktionary.org/wiki/שלום P:.";
        QTest::newRow("bold and italic") << QStringList{"'''מודגש''' ו''נטוי''"}
                                         << "Q:''' P:מודגש Q:''' P: ו Q:'' P:נטוי Q:''";
        QTest::newRow("four apostrophes: one is text") << QStringList{"''''א"} << "P:' Q:''' P:א";
        QTest::newRow("reference and small") << QStringList{"<ref name=\"a\">מקור</ref><small>קטן</small><br />"}
                                             << "T:<ref name=\"a\"> P:מקור T:</ref><small> P:קטן T:</small><br />";
        QTest::newRow("nowiki keeps markup as text")
            << QStringList{"<nowiki>{{לא}}</nowiki>"} << "T:<nowiki> P:{{לא}} T:</nowiki>";
        QTest::newRow("math across lines")
            << QStringList{"<math>x", "y</math> אחרי"} << "T:<math> X:x / X:y T:</math> P: אחרי";
        QTest::newRow("hidden note across lines") << QStringList{"טקסט <!-- הערה", "{{לא תבנית}}", "עוד --> אחרי"}
                                                  << "P:טקסט  C:<!-- הערה / C:{{לא תבנית}} / C:עוד --> P: אחרי";
        QTest::newRow("hidden note inside a template")
            << QStringList{"{{א|<!--ב|-->ג}}"} << "TM:{{ TN:א TM:| C:<!--ב|--> P:ג TM:}}";
        QTest::newRow("table with cell attributes") << QStringList{"{| class=\"wikitable\"",
                                                                   "! כותרת !! שנייה",
                                                                   "|-",
                                                                   "| style=\"x\" | תא || ב",
                                                                   "|}",
                                                                   "| לא תא"}
                                                    << "TB:{| class=\"wikitable\" / TB:! P: כותרת  TB:!! P: שנייה / "
                                                       "TB:|- / TB:| style=\"x\" | P: תא  TB:|| P: ב "
                                                       "/ TB:|} / P:| לא תא";
        QTest::newRow("a lone less-than sign") << QStringList{"3 < 4"} << "P:3 < 4";
    }

    void spans()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, spans);
        QCOMPARE(describeLines(lines), spans);
    }

    // The spans cover the line without gaps or overlaps, whatever the line holds.
    void spansCoverTheLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << "";
        QTest::newRow("one character") << "{";
        QTest::newRow("unclosed everything") << "{{א|[[ב|<ref>''ג [http://x";
        QTest::newRow("heading with a template") << "=={{א|ב}}==";
    }

    void spansCoverTheLine()
    {
        QFETCH(QString, line);
        QList<WikiSyntax::Span> spans;
        WikiSyntax::scanLine(line, WikiSyntax::StartState, &spans);
        int at = 0;
        for (const WikiSyntax::Span &s : spans) {
            QCOMPARE(s.start, at);
            QVERIFY(s.length > 0);
            at += s.length;
        }
        QCOMPARE(at, int(line.size()));
    }
};

QTEST_GUILESS_MAIN(WikiSyntaxTest)
#include "WikiSyntaxTest.moc"
