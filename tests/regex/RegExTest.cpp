#include "regex/RegEx.h"

#include <QTest>

class RegExTest : public QObject
{
    Q_OBJECT

private slots:
    void allMatches_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("matches");

        QTest::newRow("caseless") << "abc" << "ABC abc aBc" << QStringList{"ABC", "abc", "aBc"};
        QTest::newRow("hebrew with points")
            << "ש[\\x{0591}-\\x{05C7}]*ל" << "שָׁלוֹם שלום" << QStringList{"שָׁל", "של"};
        QTest::newRow("dot stops at line feed") << "a.b" << "a\nb a\rb axb" << QStringList{"a\rb", "axb"};
        QTest::newRow("no multi-line: ^ is the start only") << "^x" << "x\r\nx" << QStringList{"x"};
        QTest::newRow("empty first match, then no empty ones") << "a*" << "baab" << QStringList{"", "aa"};
        QTest::newRow("non-bmp") << "\\x{1D11E}." << "𝄞x𝄞y" << QStringList{"𝄞x", "𝄞y"};
        QTest::newRow("no match") << "z" << "abc" << QStringList{};
    }

    void allMatches()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, subject);
        QFETCH(QStringList, matches);
        RegEx re;
        QVERIFY(re.setPattern(pattern));
        re.setSubject(subject);
        QStringList found;
        for (bool ok = re.first(); ok; ok = re.next())
            found << re.matchedText();
        QCOMPARE(found, matches);
        QVERIFY(!re.failed());
    }

    void compileErrorIsReported_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("offset");
        QTest::newRow("open group") << "(abc" << 4;
        QTest::newRow("bad class after hebrew") << "שלום[" << 5;
        QTest::newRow("lone quantifier") << "*a" << 0;
        QTest::newRow("single code unit, which would split a character") << "א\\C" << 3;
    }

    void compileErrorIsReported()
    {
        QFETCH(QString, pattern);
        QFETCH(int, offset);
        RegEx re;
        QVERIFY(!re.setPattern(pattern));
        QCOMPARE(re.status(), RegEx::Status::CompileError);
        QVERIFY(!re.errorMessage().isEmpty());
        QCOMPARE(re.errorOffset(), offset);
        re.setSubject(QStringLiteral("abc"));
        QVERIFY(!re.first());
    }

    void runawayPatternEndsWithAnError()
    {
        RegEx re;
        QVERIFY(re.setPattern(QStringLiteral("(a|aa)+$")));
        re.setSubject(QString(5000, QLatin1Char('a')) + QLatin1Char('b'));
        QVERIFY(!re.first());
        QVERIFY(re.failed());
        QCOMPARE(re.status(), RegEx::Status::MatchLimit);
        // A later plain miss is a miss, not the old failure again.
        re.setSubject(QStringLiteral("c"));
        QVERIFY(!re.first());
        QVERIFY(!re.failed());
        // A new pattern clears the failure.
        re.setSubject(QStringLiteral("ab"));
        QVERIFY(re.setPattern(QStringLiteral("b")));
        QVERIFY(re.first());
    }

    void capturesAndLocate()
    {
        RegEx re;
        QVERIFY(re.setPattern(QStringLiteral("\\[\\[(.*?)(\\|x)?\\]\\]")));
        const QString text = QStringLiteral("אב [[ספר]] ו[[סֵפֶר]]");
        re.setSubject(text);
        QVERIFY(re.first());
        QCOMPARE(re.captureCount(), 2);
        QCOMPARE(re.captured(1), QStringLiteral("ספר"));
        QCOMPARE(re.captured(2), QString());
        QVERIFY(re.next());
        QCOMPARE(RegEx::locate(text, re.matchedText()), 12);
        QCOMPARE(RegEx::locate(text, QStringLiteral("[[ספר]]"), 4), -1);
    }

    void stateIsKeptBetweenUses()
    {
        RegEx re;
        QVERIFY(re.setPattern(QStringLiteral("x")));
        re.setSubject(QStringLiteral("x-x-x"));
        QVERIFY(re.first());
        QVERIFY(re.next());
        QCOMPARE(re.matchByteStart(), 2);
        QVERIFY(re.next());
        QVERIFY(!re.next());
        QVERIFY(!re.failed());
    }
};

QTEST_GUILESS_MAIN(RegExTest)
#include "RegExTest.moc"
