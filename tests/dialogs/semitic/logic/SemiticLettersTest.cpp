#include "dialogs/semitic/logic/SemiticLetters.h"

#include "support/EditorNotation.h"

#include <QTest>

class SemiticLettersTest : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("at the caret") << "ב‸ערבית"
                                      << "ḏahab"
                                      << "ב{{יוניקוד|ḏahab}}‸ערבית";
        QTest::newRow("selection replaced") << "⟦ab⟧¶c"
                                            << "ṣ́"
                                            << "{{יוניקוד|ṣ́}}‸¶c";
        QTest::newRow("blanks at both ends kept") << "‸"
                                                  << " šlm\t"
                                                  << "{{יוניקוד| šlm\t}}‸";
        QTest::newRow("a blank alone kept") << "x‸"
                                            << " "
                                            << "x{{יוניקוד| }}‸";
        QTest::newRow("typed text as it is") << "‸"
                                             << "a|b}"
                                             << "{{יוניקוד|a|b}}}‸";
    }

    void insertion()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QString, after);
        const auto result = SemiticLetters::insertion(EditorNotation::parse(before), text);
        QVERIFY(result);
        QCOMPARE(EditorNotation::write(*result), after);
    }

    void emptyTextInsertsNothing() { QVERIFY(!SemiticLetters::insertion(EditorNotation::parse("x‸"), QString())); }
};

QTEST_GUILESS_MAIN(SemiticLettersTest)
#include "SemiticLettersTest.moc"
