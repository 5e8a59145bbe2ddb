#include "entry/HeadingMatches.h"
#include "regex/RegEx.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Random pages built of heading-like pieces, so that heading texts recur, stand
// inside longer heading lines and share lines with many "==".
QString randomPage(QRandomGenerator &random, const QStringList &kinds, int pieces)
{
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += kinds.at(random.bounded(int(kinds.size())));
    return text;
}

} // namespace

class HeadingMatchesTest : public QObject
{
    Q_OBJECT

private slots:
    // Written out as given, so that a wrong letter or point in the shared vocabulary shows.
    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("written");
        const QString points = QStringLiteral(
            "\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05C2\u05C1\u05B9\u05BC\u05BB");
        QTest::newRow("headword: the 22 letters")
            << HeadingMatches::headwordPattern() << "==.*[אבגדהוזחטיכלמנסעפצקרשת].*[" + points + "].*==";
        QTest::newRow("entry: the finals after samekh")
            << HeadingMatches::entryPattern() << "==.*[אבגדהוזחטיכלמנסםןףךץעפצקרשת].*[" + points + "].*==";
    }

    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, written);
        QCOMPARE(pattern, written);
    }

    // Every match is located where a search of its text from the start finds it.
    void locatedLikeASearchFromTheStart_data()
    {
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("varied pieces") << QStringList{"==",
                                                      "===",
                                                      "=",
                                                      QStringLiteral("שָׁלוֹם"),
                                                      QStringLiteral("בַּיִת"),
                                                      QStringLiteral("ש"),
                                                      QStringLiteral("\u05B8"),
                                                      QStringLiteral("ךְ"),
                                                      "x",
                                                      " ",
                                                      "\r\n",
                                                      "\r\n",
                                                      "\n",
                                                      "\r",
                                                      QStringLiteral("==שָׁלוֹם=="),
                                                      QStringLiteral("==בַּיִת=="),
                                                      QStringLiteral("𝄞"),
                                                      "# a"};
        // Long lines of few pieces: the same runs of pieces recur inside one another.
        QTest::newRow("many == on a line")
            << QStringList{"==", "==", "==", "===", QStringLiteral("שָׁ"), QStringLiteral("שָׁ"), "x", "\r\n"};
    }

    void locatedLikeASearchFromTheStart()
    {
        QFETCH(QStringList, kinds);
        QRandomGenerator random(20261208);
        RegEx regex;
        int elsewhere = 0;
        for (int round = 0; round < 3000; ++round) {
            const QString text = randomPage(random, kinds, 1 + random.bounded(60));
            const QList<HeadingMatch> matches = HeadingMatches::find(regex, HeadingMatches::entryPattern(), text);
            for (const HeadingMatch &m : matches) {
                QCOMPARE(text.mid(m.foundAt, m.text.size()), m.text);
                QCOMPARE(m.located, int(text.indexOf(m.text)));
                elsewhere += m.located != m.foundAt;
            }
        }
        QVERIFY(elsewhere > 50); // the pages do exercise earlier occurrences
    }

    void crowdedLines()
    {
        QString line = QStringLiteral("==שָׁלוֹם==");
        for (int i = 0; i < 20; ++i)
            line += QStringLiteral("x==");
        const QString text = line + QStringLiteral("\r\n==שָׁלוֹם==\r\n") + line.left(40) + QStringLiteral("\r\n");
        RegEx regex;
        const QList<HeadingMatch> matches = HeadingMatches::find(regex, HeadingMatches::entryPattern(), text);
        QCOMPARE(matches.size(), 3);
        for (const HeadingMatch &m : matches)
            QCOMPARE(m.located, int(text.indexOf(m.text)));
        QCOMPARE(matches.at(1).located, 0);
    }

    void matchesInOrder()
    {
        const QString text = QStringLiteral("==בַּיִת==\r\ntext\r\n===מָקוֹר===\r\n==בית==\r\n");
        RegEx regex;
        const QList<HeadingMatch> matches = HeadingMatches::find(regex, HeadingMatches::entryPattern(), text);
        QCOMPARE(matches.size(), 2);
        QCOMPARE(matches.at(0).text, QStringLiteral("==בַּיִת=="));
        QCOMPARE(matches.at(1).text, QStringLiteral("===מָקוֹר==="));
        QCOMPARE(matches.at(1).foundAt, int(text.indexOf(QStringLiteral("==="))));
    }
};

QTEST_GUILESS_MAIN(HeadingMatchesTest)
#include "HeadingMatchesTest.moc"
