#include "entry/EntryStructure.h"
#include "regex/RegEx.h"
#include "support/TextFixtures.h"

#include <QTest>

namespace {

using TextFixtures::kBayit;
using TextFixtures::kShalom;
using TextFixtures::page;

} // namespace

class EntryStructureTest : public QObject
{
    Q_OBJECT

private slots:
    void findEntryHeading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");

        const QString two = page({kShalom, "# a", "", kBayit, "# b"}); // second heading at index 20
        const int second = int(two.indexOf(kBayit)) + 1;
        QTest::newRow("no heading: the whole text") << QString("abc\r\n# x") << 3 << 0 << 9;
        QTest::newRow("empty text") << QString() << 0 << 0 << 1;
        QTest::newRow("caret in the first entry") << two << 5 << 1 << second;
        QTest::newRow("caret in the second entry") << two << int(two.size()) << second << int(two.size()) + 1;
        QTest::newRow("caret before the first '=' of the second heading") << two << second - 1 << 1 << second;
        QTest::newRow("caret after that '='") << two << second << second << int(two.size()) + 1;

        const QString later = page({"intro", kShalom, "# a"});
        QTest::newRow("caret above every heading") << later << 0 << 8 << int(later.size()) + 1;
        const QString unpointed = page({"==שלום==", "# a", kShalom});
        QTest::newRow("letters without points are no heading")
            << unpointed << 0 << int(unpointed.indexOf(kShalom)) + 1 << int(unpointed.size()) + 1;
        const QString source = page({kShalom, "===מקור===", "x"});
        QTest::newRow("a section heading is no heading") << source << 20 << 1 << int(source.size()) + 1;
        const QString pointedSub = page({kShalom, "===מָקוֹר===", "x"});
        QTest::newRow("a pointed sub-heading counts")
            << pointedSub << 30 << int(pointedSub.indexOf("===")) + 1 << int(pointedSub.size()) + 1;
        QTest::newRow("point U+05BA is not in the class") << page({QStringLiteral("==חוֺלם=="), "x"}) << 3 << 0 << 13;
        QTest::newRow("final letters count") << page({QStringLiteral("==ךְ==")}) << 0 << 1 << 7;
        const QString inLine = page({"x ==שָׁלוֹם== y"});
        QTest::newRow("heading in the middle of a line") << inLine << 5 << 3 << int(inLine.size()) + 1;

        // The second of two identical headings is taken to be the first: the caret in
        // the third entry still belongs to the first, and the end is the third heading.
        const QString twins = page({kShalom, "# a", "", kShalom, "# b", "", kBayit, "# c"});
        const int third = int(twins.indexOf(kBayit)) + 1;
        QTest::newRow("identical headings map to the first") << twins << third - 2 << 1 << third;
    }

    void findEntryHeading()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, start);
        QFETCH(int, end);
        RegEx regex;
        const EntryHeading h = EntryStructure::findEntryHeading(regex, text, caret);
        QCOMPARE(h.headingStart, start);
        QCOMPARE(h.headingEnd, end);
    }

    void readDefinitionsBlock_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("block");
        QTest::newRow("up to the blank line")
            << page({kShalom, "# a", "#:* b ", "# c", "", "===מקור===", ""}) << "# a\r\n#:* b \r\n# c\r\n";
        QTest::newRow("no definition line") << page({kShalom, "text", ""}) << "";
        QTest::newRow("no blank line: to the end of the text") << page({kShalom, "# a", "# b"}) << "# a\r\n# b\r\n";
        QTest::newRow("no blank line before the next entry") << page({kShalom, "# a", kBayit, "# b", ""}) << "# a\r\n";
        QTest::newRow("a pointed word in a definition line is kept")
            << page({kShalom, "# ראו ==בַּיִת==", "# b", "", "x"}) << "# ראו ==בַּיִת==\r\n# b\r\n";
        QTest::newRow("the next entry's heading after a blank line")
            << page({kShalom, "# a", "", kBayit, "# b"}) << "# a\r\n";
        QTest::newRow("a section heading right under it")
            << page({kShalom, "# a", "#:* b", "===מובאות נוספות===", "* q", ""}) << "# a\r\n#:* b\r\n";
        QTest::newRow("the rule between entries right under it")
            << page({kShalom, "# a", "#:* b", "----", kBayit, "# c"}) << "# a\r\n#:* b\r\n";
        QTest::newRow("the text opens with it") << page({"# a", "# b", "", "# c"}) << "# a\r\n# b\r\n";
        QTest::newRow("a definition line hidden in a note is none")
            << page({kShalom, "<!--", "# old", "-->", "# a", ""}) << "# a\r\n";
        QTest::newRow("a blank or heading line in a hidden note ends nothing, one never closed does")
            << page({kShalom, "# a", "<!--", "", "===x===", "-->", "# b", "<!-- c", "", "# d"})
            << "# a\r\n<!--\r\n\r\n===x===\r\n-->\r\n# b\r\n<!-- c\r\n";
    }

    void readDefinitionsBlock()
    {
        QFETCH(QString, text);
        QFETCH(QString, block);
        RegEx regex;
        QCOMPARE(EntryStructure::readDefinitionsBlock(regex, text, 1), block);
    }

    void readFurtherQuotesBlock_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("block");
        const QString entry = page({kShalom, "# a", "", "===מובאות נוספות===", "* q1", "* q2", "", "x"});
        QTest::newRow("the section's lines") << entry << 1 << "* q1\r\n* q2\r\n";
        QTest::newRow("none") << page({kShalom, "# a", ""}) << 1 << "";
        QTest::newRow("start past it") << entry << int(entry.indexOf("* q1")) + 1 << "";
        QTest::newRow("a later entry's section is found")
            << page({kShalom, "# a", "", kBayit, "===מובאות נוספות===", "* q", ""}) << 1 << "* q\r\n";
        QTest::newRow("an empty section reads as none, not as the next section")
            << page({"===מובאות נוספות===", "", "===קישורים חיצוניים===", "* x", "", ""}) << 0 << "";
        QTest::newRow("no blank line: to the end") << page({"===מובאות נוספות===", "* q"}) << 0 << "* q\r\n";
        QTest::newRow("spaces after its heading") << page({"===מובאות נוספות=== \t", "* q", ""}) << 0 << "* q\r\n";
        QTest::newRow("spaces inside its heading's equals signs")
            << page({"=== מובאות נוספות ===", "* q", ""}) << 0 << "* q\r\n";
        QTest::newRow("its sub-headings stay, a section heading right under it ends it")
            << page({"===מובאות נוספות===", "====1====", "* q", "===צירופים===", "* x", ""}) << 0
            << "====1====\r\n* q\r\n";
        QTest::newRow("a section heading right under its heading: empty")
            << page({"===מובאות נוספות===", "===צירופים===", "* x", ""}) << 0 << "";
        QTest::newRow("stops before the next entry")
            << page({"===מובאות נוספות===", "* q", kBayit, "# b", ""}) << 0 << "* q\r\n";
        QTest::newRow("one hidden in a note is not read, the next is")
            << page({"<!--", "===מובאות נוספות===", "* old", "-->", "", "===מובאות נוספות===", "* q", ""}) << 0
            << "* q\r\n";
    }

    void readFurtherQuotesBlock()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(QString, block);
        RegEx regex;
        QCOMPARE(EntryStructure::readFurtherQuotesBlock(regex, text, start), block);
    }

    void readEntryExamples_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("definitions"); // "number|text"
        QTest::addColumn<QStringList>("examples");    // "number|line|placement"

        const QString beside = EntryStructure::BesideDefinition;
        const QString section = EntryStructure::SeparateSection;
        QTest::newRow("definition, example, definition")
            << page({kShalom, "# ברכה.", "#:* שלום לך!", "# היעדר מלחמה.", ""})
            << QStringList{"1|ברכה.", "2|היעדר מלחמה."} << QStringList{"1|#:* שלום לך!|" + beside};
        QTest::newRow("one definition: a sub-heading becomes an item too")
            << page({kShalom, "# ברכה.", "", "===מובאות נוספות===", "====2====", "* מובאה", ""})
            << QStringList{"1|ברכה."} << QStringList{"1|====2====|" + section, "1|* מובאה|" + section};
        QTest::newRow("two definitions: numbered by the sub-heading")
            << page({kShalom, "# א", "# ב", "", "===מובאות נוספות===", "* לפני", "====2====", "* מובאה", ""})
            << QStringList{"1|א", "2|ב"} << QStringList{"0|* לפני|" + section, "2|* מובאה|" + section};
        QTest::newRow("a line under a definition (\"#:\") is none of its own")
            << page({kShalom, "# א", "#: הערה", "", "===מובאות נוספות===", "====1====", "* מובאה", ""})
            << QStringList{"1|א"}
            << QStringList{"1|#: הערה|" + beside, "1|====1====|" + section, "1|* מובאה|" + section};
        QTest::newRow("an example above the first definition is numbered 0")
            << page({kShalom, "#:* מוקדם", "# א", "# ב", ""}) << QStringList{"1|א", "2|ב"}
            << QStringList{"0|#:* מוקדם|" + beside};
        QTest::newRow("examples only: kept, numbered 0")
            << page({kShalom, "#:* a", ""}) << QStringList{} << QStringList{"0|#:* a|" + beside};
        QTest::newRow("only the entry under the caret")
            << page({kShalom, "# א", "", kBayit, "# ב", "# ג", ""}) << QStringList{"1|א"} << QStringList{};
        QTest::newRow("a line without '#' is kept beside its definition")
            << page({kShalom, "# א", "{{x}}", "  ", "# ב", ""}) << QStringList{"1|א", "2|ב"}
            << QStringList{"1|{{x}}|" + beside};
        QTest::newRow("a later entry's section is not this entry's")
            << page({kShalom, "# א", "", kBayit, "# ב", "", "===מובאות נוספות===", "* q", ""}) << QStringList{"1|א"}
            << QStringList{};
        QTest::newRow("a hidden note is no definition, and one over lines is one item")
            << page({kShalom, "# א", "<!-- ישן:", "# ב", "-->", "<!-- # ד -->", "# ג", "#:* a", "",
                     "===מובאות נוספות===", "<!--", "====2====", "-->", "* q", ""})
            << QStringList{"1|א", "2|ג"}
            << QStringList{"1|<!-- ישן:\r\n# ב\r\n-->|" + beside, "1|<!-- # ד -->|" + beside, "2|#:* a|" + beside,
                           "0|<!--\r\n====2====\r\n-->|" + section, "0|* q|" + section};
    }

    void readEntryExamples()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, definitions);
        QFETCH(QStringList, examples);
        RegEx regex;
        const EntryExamples e = EntryStructure::readEntryExamples(regex, text, 0);
        QStringList gotDefinitions, gotExamples;
        for (const DefinitionItem &d : e.definitions)
            gotDefinitions << d.number + u'|' + d.text;
        for (const ExampleItem &x : e.examples)
            gotExamples << x.number + u'|' + x.line + u'|' + x.placement;
        QCOMPARE(gotDefinitions, definitions);
        QCOMPARE(gotExamples, examples);
    }

    // A block of more than 255 lines is read whole, with numbers past 255.
    void longBlocksAreReadWhole()
    {
        QStringList lines{kShalom};
        for (int i = 1; i <= 300; ++i)
            lines << QStringLiteral("# הגדרה %1").arg(i) << QStringLiteral("#:* משפט %1").arg(i);
        lines << QString() << QStringLiteral("===מובאות נוספות===");
        for (int i = 1; i <= 300; ++i)
            lines << QStringLiteral("====%1====").arg(i) << QStringLiteral("* מובאה %1").arg(i);
        lines << QString();
        RegEx regex;
        const EntryExamples e = EntryStructure::readEntryExamples(regex, page(lines), 0);
        QCOMPARE(e.definitions.size(), 300);
        QCOMPARE(e.definitions.at(299).number, QStringLiteral("300"));
        QCOMPARE(e.definitions.at(299).text, QStringLiteral("הגדרה 300"));
        QCOMPARE(e.examples.size(), 600);
        QCOMPARE(e.examples.at(299), (ExampleItem{"300", "#:* משפט 300", EntryStructure::BesideDefinition}));
        QCOMPARE(e.examples.at(599), (ExampleItem{"300", "* מובאה 300", EntryStructure::SeparateSection}));
    }

    // The examples are read from the entry under the caret, not from an earlier one
    // whose heading reads the same.
    void twinHeadingsReadTheirOwnEntry()
    {
        const QString text = page({kShalom, "# א", "", kShalom, "# ב", ""});
        RegEx regex;
        const EntryExamples e = EntryStructure::readEntryExamples(regex, text, int(text.size()));
        QCOMPARE(e.headingStart, int(text.lastIndexOf(kShalom)) + 1);
        QCOMPARE(e.definitionsBlock, QStringLiteral("# ב\r\n"));
    }

    void positionsAndBlocksTogether()
    {
        const QString text = page(
            {"intro", "", kShalom, "# א", "", "===מובאות נוספות===", "* q", "", kBayit, "# ב", ""});
        RegEx regex;
        const EntryExamples e = EntryStructure::readEntryExamples(regex, text, int(text.indexOf("* q")));
        QCOMPARE(e.headingStart, int(text.indexOf(kShalom)) + 1);
        QCOMPARE(e.headingEnd, int(text.indexOf(kBayit)) + 1);
        QCOMPARE(e.definitionsBlock, QStringLiteral("# א\r\n"));
        QCOMPARE(e.furtherQuotesBlock, QStringLiteral("* q\r\n"));
    }
};

QTEST_GUILESS_MAIN(EntryStructureTest)
#include "EntryStructureTest.moc"
