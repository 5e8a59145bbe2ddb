#include "dialogs/greek/logic/GreekLetters.h"

#include "support/EditorNotation.h"

#include <QSet>
#include <QTest>

class GreekLettersTest : public QObject
{
    Q_OBJECT

private slots:
    void transliterate_data()
    {
        QTest::addColumn<QString>("greek");
        QTest::addColumn<QString>("latin");
        QTest::newRow("λόγος: tonos and final sigma") << "λόγος"
                                                      << "logos";
        QTest::newRow("two-letter sounds, long vowels as short") << "φθχψηω"
                                                                 << "phthchpseo";
        QTest::newRow("capitals, two-letter ones with a small second") << "ΘΦΧΨΩ"
                                                                       << "ThPhChPsO";
        QTest::newRow("macron, breve, iota subscript") << "\u1FB1\u1FD0\u1FF3"
                                                       << "aio";
        QTest::newRow("grave and breathing pass through") << "\u1F70\u1F00"
                                                          << "\u1F70\u1F00";
        QTest::newRow("combining accent after a letter") << "\u03B1\u0301"
                                                         << "a\u0301";
        QTest::newRow("space, punctuation and Latin") << "λ, b."
                                                      << "l, b.";
        QTest::newRow("outside the BMP") << "α\U0001D11Eβ"
                                         << "a\U0001D11Eb";
        QTest::newRow("empty") << ""
                               << "";
    }

    void transliterate()
    {
        QFETCH(QString, greek);
        QFETCH(QString, latin);
        QCOMPARE(GreekLetters::transliterate(greek), latin);
    }

    // A letter twice in the table would take one transliteration for both.
    void tableHoldsEveryLetterOnce()
    {
        QList<int> rowSizes;
        QSet<QChar> letters;
        for (const auto &row : GreekLetters::padRows()) {
            rowSizes << int(row.size());
            for (const auto &l : row)
                letters.insert(l.letter);
        }
        QCOMPARE(rowSizes, (QList<int>{12, 13, 7, 6, 3}));
        QCOMPARE(letters.size(), 41);
        for (const auto &l : GreekLetters::capitals())
            letters.insert(l.letter);
        QCOMPARE(letters.size(), 65);
    }

    void insertion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("after");
        const QString logos = QStringLiteral("{{יוונית|λόγος|logos}}");
        QTest::newRow("at the caret") << "מן ‸ביוונית"
                                      << "λόγος"
                                      << "מן " + logos + "‸ביוונית";
        QTest::newRow("selection replaced") << "א⟦בג⟧ד"
                                            << "λόγος"
                                            << "א" + logos + "‸ד";
        QTest::newRow("at the start of the text") << "‸¶x"
                                                  << "λόγος" << logos + "‸¶x";
        QTest::newRow("at the end of the text") << "x¶‸"
                                                << "λόγος"
                                                << "x¶" + logos + "‸";
        QTest::newRow("blanks at both ends trimmed") << "‸"
                                                     << " \tλόγος \r\n"
                                                     << logos + "‸";
        QTest::newRow("blank inside kept") << "‸"
                                           << "ὁ λόγος"
                                           << "{{יוונית|ὁ λόγος|ὁ logos}}‸";
        QTest::newRow("no-break space is no blank") << "‸"
                                                    << "\u00A0α"
                                                    << "{{יוונית|\u00A0α|\u00A0a}}‸";
    }

    void insertion()
    {
        QFETCH(QString, before);
        QFETCH(QString, word);
        QFETCH(QString, after);
        const auto result = GreekLetters::insertion(EditorNotation::parse(before), word);
        QVERIFY(result);
        QCOMPARE(EditorNotation::write(*result), after);
    }

    void nothingLeftToInsert_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << " \t ";
        QTest::newRow("a line break only") << "\r\n";
    }

    void nothingLeftToInsert()
    {
        QFETCH(QString, word);
        QVERIFY(!GreekLetters::insertion(EditorNotation::parse("א⟦ב⟧"), word));
    }
};

QTEST_GUILESS_MAIN(GreekLettersTest)
#include "GreekLettersTest.moc"
