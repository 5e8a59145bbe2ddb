#include "hebrew/Hebrew.h"

#include <QTest>

class HebrewTest : public QObject
{
    Q_OBJECT

private slots:
    void strip_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("shalom") << QStringLiteral("שָׁלוֹם") << QStringLiteral("שלום");
        QTest::newRow("bereshit") << QStringLiteral("בְּרֵאשִׁית") << QStringLiteral("בראשית");
        QTest::newRow("meteg stays") << QStringLiteral("הָֽאָדָם") << QStringLiteral("ה\u05BDאדם");
        QTest::newRow("qamats qatan and cantillation stay")
            << QStringLiteral("כ\u05C7ל\u0591") << QStringLiteral("כ\u05C7ל\u0591");
        QTest::newRow("maqaf stays") << QStringLiteral("כׇּל־") << QStringLiteral("כ\u05C7ל־");
        QTest::newRow("every point goes") << Hebrew::Points << QString();
    }

    void strip()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(Hebrew::stripVowelPoints(in), out);
    }

    void vocabulary()
    {
        QCOMPARE(Hebrew::Letters.size(), 22);
        QCOMPARE(Hebrew::Points.size(), 14);
        QCOMPARE(Hebrew::finalToBase(QChar(0x05DA)), QChar(0x05DB));
        QCOMPARE(Hebrew::finalToBase(QChar(0x05E5)), QChar(0x05E6));
        QCOMPARE(Hebrew::finalToBase(QChar(u'א')), QChar(u'א'));
        QVERIFY(!Hebrew::isPoint(QChar(0x05BA)));
        QVERIFY(Hebrew::isFinalLetter(QChar(0x05DF)));
        QVERIFY(!Hebrew::isLetter(QChar(0x05DF)));
    }

    void finalToBase_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QChar>("base");
        QTest::newRow("kaf") << QChar(u'ך') << QChar(u'כ');
        QTest::newRow("mem") << QChar(u'ם') << QChar(u'מ');
        QTest::newRow("nun") << QChar(u'ן') << QChar(u'נ');
        QTest::newRow("pe") << QChar(u'ף') << QChar(u'פ');
        QTest::newRow("tsadi") << QChar(u'ץ') << QChar(u'צ');
        QTest::newRow("a base letter stays") << QChar(u'ת') << QChar(u'ת');
        QTest::newRow("a point stays") << QChar(0x05BC) << QChar(0x05BC);
    }

    void finalToBase()
    {
        QFETCH(QChar, letter);
        QFETCH(QChar, base);
        QCOMPARE(Hebrew::finalToBase(letter), base);
        QVERIFY(Hebrew::Letters.contains(base) || !Hebrew::FinalLetters.contains(letter));
    }
};

QTEST_GUILESS_MAIN(HebrewTest)
#include "HebrewTest.moc"
