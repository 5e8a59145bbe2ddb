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

        QTest::newRow("caseless") << "abc"
                                  << "ABC abc aBc" << QStringList{"ABC", "abc", "aBc"};
        QTest::newRow("hebrew with points") << "ש[\\x{0591}-\\x{05C7}]*ל"
                                            << "שָׁלוֹם שלום" << QStringList{"שָׁל", "של"};
        QTest::newRow("dot stops at line feed") << "a.b"
                                                << "a\nb a\rb axb" << QStringList{"a\rb", "axb"};
        QTest::newRow("no multi-line: ^ is the start only") << "^x"
                                                            << "x\r\nx" << QStringList{"x"};
        QTest::newRow("empty first match, then no empty ones") << "a*"
                                                               << "baab" << QStringList{"", "aa"};
        QTest::newRow("non-bmp") << "\\x{1D11E}."
                                 << "𝄞x𝄞y" << QStringList{"𝄞x", "𝄞y"};
        QTest::newRow("no match") << "z"
                                  << "abc" << QStringList{};
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
        QTest::newRow("half of a surrogate pair") << "ab" + QString(QChar(0xDBFF)) << 2;
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

    // UTF-8 cannot carry them; what the engine sees in their place is found where
    // they stand and comes back as they were, and nothing our patterns look for.
    void halvesOfSurrogatePairs_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<QList<int>>("starts");
        const QString high(QChar(0xD800));
        const QString low(QChar(0xDFFF));

        QTest::newRow("a high half, then letters")
            << "." << high + "ab" << QStringList{high, "a", "b"} << QList<int>{0, 1, 2};
        QTest::newRow("a low half last, inside a match") << "b."
                                                         << "ab" + low << QStringList{"b" + low} << QList<int>{1};
        QTest::newRow("halves in the wrong order")
            << "..x" << low + high + "x" << QStringList{low + high + "x"} << QList<int>{0};
        QTest::newRow("a whole pair beside a half") << "."
                                                    << "𝄞" + low << QStringList{"𝄞", low} << QList<int>{0, 2};
        QTest::newRow("a half is no question mark") << "\\?" << high + "?" << QStringList{"?"} << QList<int>{1};
        QTest::newRow("a captured half") << "a(.)b"
                                         << "a" + high + "b" << QStringList{"a" + high + "b"} << QList<int>{0};
    }

    void halvesOfSurrogatePairs()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, subject);
        QFETCH(QStringList, matches);
        QFETCH(QList<int>, starts);
        RegEx re;
        QVERIFY(re.setPattern(pattern));
        re.setSubject(subject);
        Utf16Cursor position(re.subjectUtf8());
        QStringList found;
        QList<int> at;
        for (bool ok = re.first(); ok; ok = re.next()) {
            found << re.matchedText();
            at << int(position.at(re.matchByteStart()));
            QCOMPARE(subject.mid(at.last(), found.last().size()), found.last());
        }
        QCOMPARE(found, matches);
        QCOMPARE(at, starts);
        if (re.captureCount() > 0) {
            QVERIFY(re.first());
            QCOMPARE(re.captured(1), subject.mid(1, 1));
        }
    }

    // Every place the pattern is tried stays under MatchLimit, but the places are
    // many: the whole search, its next() calls included, has one budget.
    void searchBudget_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("matches");
        QTest::addColumn<bool>("givesUp");
        const QString line = QStringLiteral("aaaaaaaaaaaaaaa\r\n");
        QTest::newRow("one line: the x is found") << line + "x" << QStringList{"x"} << false;
        QTest::newRow("a thousand lines: the search gives up") << line.repeated(1000) + "x" << QStringList{} << true;
        QTest::newRow("the next match shares the budget")
            << "x" + line.repeated(1000) + "x" << QStringList{"x"} << true;
    }

    void searchBudget()
    {
        QFETCH(QString, subject);
        QFETCH(QStringList, matches);
        QFETCH(bool, givesUp);
        RegEx re;
        QVERIFY(re.setPattern(QStringLiteral("(.*)*x")));
        re.setSubject(subject);
        QStringList found;
        for (bool ok = re.first(); ok; ok = re.next())
            found << re.matchedText();
        QCOMPARE(found, matches);
        QCOMPARE(re.status(), givesUp ? RegEx::Status::MatchLimit : RegEx::Status::Ok);
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
