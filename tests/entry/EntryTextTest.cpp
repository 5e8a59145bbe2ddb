#include "entry/EntryText.h"

#include <QTest>

class EntryTextTest : public QObject
{
    Q_OBJECT

private slots:
    void countOccurrences_data()
    {
        QTest::addColumn<QString>("sub");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty substring") << ""
                                         << "abc" << 0;
        QTest::newRow("empty text") << "a"
                                    << "" << 0;
        QTest::newRow("absent") << "x"
                                << "abc" << 0;
        QTest::newRow("line breaks") << "\r\n"
                                     << "a\r\nb\r\n\r\n"
                                     << 3;
        QTest::newRow("three equal letters hold the pair once") << "ללל"
                                                                << "לללל" << 1;
        QTest::newRow("pairs in a run of three") << "aa"
                                                 << "aaa" << 1;
        QTest::newRow("pairs in a run of four") << "aa"
                                                << "aaaa" << 2;
        QTest::newRow("case-sensitive") << "A"
                                        << "aAa" << 1;
        QTest::newRow("example marker") << "#:*"
                                        << "# a\r\n#:* b\r\n#:*c\r\n"
                                        << 2;
    }

    void countOccurrences()
    {
        QFETCH(QString, sub);
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(EntryText::countOccurrences(sub, text), count);
    }

    void extractField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("field");
        QTest::newRow("second word") << "אב גד"
                                     << " " << 2 << "גד";
        QTest::newRow("past the last field") << "אב גד"
                                             << " " << 3 << "";
        QTest::newRow("field 0") << "אב גד"
                                 << " " << 0 << "";
        QTest::newRow("negative") << "אב"
                                  << " " << -1 << "";
        QTest::newRow("empty field counts") << "a  b"
                                            << " " << 2 << "";
        QTest::newRow("after the empty field") << "a  b"
                                               << " " << 3 << "b";
        QTest::newRow("no delimiter: whole text") << "abc"
                                                  << "|" << 1 << "abc";
        QTest::newRow("text ending in the delimiter") << "a\r\nb\r\n"
                                                      << "\r\n"
                                                      << 3 << "";
        QTest::newRow("two-character delimiter") << "a\r\nb\r\n"
                                                 << "\r\n"
                                                 << 2 << "b";
        QTest::newRow("empty text") << ""
                                    << "," << 1 << "";
        QTest::newRow("empty delimiter splits nothing") << "a,b"
                                                        << "" << 1 << "a,b";
        QTest::newRow("empty delimiter, field 2") << "a,b"
                                                  << "" << 2 << "";
    }

    void extractField()
    {
        QFETCH(QString, text);
        QFETCH(QString, delimiter);
        QFETCH(int, n);
        QFETCH(QString, field);
        QCOMPARE(EntryText::extractField(text, delimiter, n), field);
    }

    // Field numbers are not cut to 8 bits: line 256 of a long block is line 256, not
    // a wrapped-around line 0 or 1.
    void fieldsPast255()
    {
        QStringList lines;
        for (int i = 1; i <= 300; ++i)
            lines << QString::number(i);
        const QString block = lines.join(QStringLiteral("\r\n"));
        QCOMPARE(EntryText::extractField(block, u"\r\n", 255), QStringLiteral("255"));
        QCOMPARE(EntryText::extractField(block, u"\r\n", 256), QStringLiteral("256"));
        QCOMPARE(EntryText::extractField(block, u"\r\n", 300), QStringLiteral("300"));
        QCOMPARE(EntryText::extractField(block, u"\r\n", 301), QString());
    }

    void trim_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("spaces, tabs and breaks") << " \t\r\nא ב\r\n "
                                                 << "א ב";
        QTest::newRow("control characters go") << QString(
            "\x01\x1F"
            "a"
            "\x7F") << QString("a\x7F");
        QTest::newRow("no-break space stays") << QStringLiteral("\u00A0a\u00A0") << QStringLiteral("\u00A0a\u00A0");
        QTest::newRow("right-to-left mark stays") << QStringLiteral("a\u200F") << QStringLiteral("a\u200F");
        QTest::newRow("only blanks") << " \r\n\t"
                                     << "";
    }

    void trim()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(EntryText::trim(text), trimmed);
    }
};

QTEST_GUILESS_MAIN(EntryTextTest)
#include "EntryTextTest.moc"
