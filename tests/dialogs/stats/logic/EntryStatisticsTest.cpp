#include "dialogs/stats/logic/EntryStatistics.h"

#include "regex/RegEx.h"
#include "support/TextFixtures.h"

#include <QTest>

namespace {

// Chars, Lines and the nine pattern counts, in the dialog's order.
using Counts = QList<qsizetype>;

Counts counts(const EntryStatistics &s)
{
    Counts c;
    for (const StatisticsRow &row : Statistics::rows(s))
        c << row.value;
    return c;
}

} // namespace

class EntryStatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Counts>("expected");
        //                                                    Ch  Li Ar Se In Ou Wi Te Qu Tr Ca
        QTest::newRow("empty text") << "" << Counts{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a line break counts two characters and a line") << "א\r\n"
                                                                       << Counts{3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a lone line feed is no line") << "א\nב" << Counts{3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("headword with points") << "==סֵפֶר==" << Counts{9, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("headword without points is no entry") << "==ספר==" << Counts{7, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("pointed level-3 heading is also an entry")
            << "===סֵפֶר===" << Counts{11, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("section must begin with a Hebrew letter")
            << "===מקור===\r\n===ךא===\r\n=== מקור===" << Counts{33, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("two links on a line count once")
            << "[[אב]] [[גד]]\r\n[[הו]]" << Counts{21, 2, 0, 0, 2, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a one-letter link is too short for the pattern")
            << "[[א]]" << Counts{5, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a link beginning with a colon is no inner link")
            << "[[:א]]" << Counts{6, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("wikipedia and category links are inner links too")
            << "[[w:א]]\r\n[[קטגוריה:ב]]" << Counts{22, 2, 0, 0, 2, 0, 1, 0, 0, 0, 1};
        QTest::newRow("web scheme in capitals counts, secure scheme does not")
            << "[HTTP://A.ORG]\r\n[https://b.org]\r\n[http://c.org x]" << Counts{49, 3, 0, 0, 0, 2, 0, 0, 0, 0, 0};
        QTest::newRow("nested templates count once, emphasis and translation under templates too")
            << "{{א|{{ב}}}} {{ג}}\r\n{{הדגשה|ד}}\r\n{{ת|אנגלית|e}}" << Counts{46, 3, 0, 0, 0, 0, 0, 3, 1, 1, 0};
        QTest::newRow("dot does not cross a line break") << "{{א\r\n}}" << Counts{7, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    }

    void figures()
    {
        QFETCH(QString, text);
        QFETCH(Counts, expected);
        RegEx regEx;
        const EntryStatistics s = Statistics::compute(regEx, text);
        QCOMPARE(counts(s), expected);
        QCOMPARE(s.failure, QString());
    }

    void rowsAreNamedAsTheDialogsLabels()
    {
        QStringList names;
        for (const StatisticsRow &row : Statistics::rows(EntryStatistics{}))
            names << row.name + QLatin1Char(' ') + row.caption;
        QCOMPARE(names,
                 (QStringList{"Chars תווים:", "Lines שורות:", "Articles ערכים:", "Sections סעיפים:",
                              "InnerLinks קישורים פנימיים:", "OuterLinks קישורים לאתרים:",
                              "WikipediaLinks קישורים לוויקיפדיה:", "Templates תבניות:", "Quotes ציטוטים מהמקורות:",
                              "Translations תרגומים:", "Categories קטגוריות:"}));
    }

    void leavesItsStateInTheSharedObject()
    {
        RegEx regEx;
        const QString text = QStringLiteral("[[קטגוריה:א]]\r\n[[קטגוריה:ב]]");
        Statistics::compute(regEx, text);
        // The last pattern counted stays, run to its end; a new first() starts over.
        QCOMPARE(regEx.pattern(), QStringLiteral("\\Q[[קטגוריה:\\E.+\\Q]]\\E"));
        QVERIFY(!regEx.next());
        QVERIFY(regEx.first());
        QCOMPARE(regEx.matchedText(), QStringLiteral("[[קטגוריה:א]]"));
    }

    void aRunawayCountIsReported()
    {
        const QString line = TextFixtures::runawayHeadingLine();
        RegEx regEx;
        const EntryStatistics s = Statistics::compute(regEx, line + QStringLiteral("\r\n{{א}}"));
        QVERIFY(!s.failure.isEmpty());
        // The counts after the failed one are still made.
        QCOMPARE(s.templates, 1);
        QCOMPARE(s.lines, 2);
    }
};

QTEST_GUILESS_MAIN(EntryStatisticsTest)
#include "EntryStatisticsTest.moc"
