#include "dialogs/find/logic/FindSearch.h"

#include "regex/RegEx.h"

#include <QTest>

Q_DECLARE_METATYPE(FindMode)

namespace {

using Selection = QPair<int, int>;

// The patterns written out as given, so that a wrong letter or point in the shared
// vocabulary shows.
const QString Pts = QStringLiteral(
    "\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05C2\u05C1\u05B9\u05BC\u05BB");
const QString P = QLatin1Char('[') + Pts + QLatin1Char(']');
const QString FirstFiller = QStringLiteral("[אבגדהוזחטיכלמנסעפצקרשתםףךץן") + Pts + QStringLiteral("]{0,10}");
const QString Filler = QStringLiteral("[אבגדהוזחטיכלמנסעפצקרשתםךףץן") + Pts + QStringLiteral("]{0,10}");

QString q(const QString &c)
{
    return QStringLiteral("\\Q") + c + QStringLiteral("\\E");
}

EditorState editor(const QString &text, int selStart = 0, int selLength = 0)
{
    return EditorState{text, selStart, selLength};
}

} // namespace

class FindSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void pattern_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<FindMode>("mode");
        QTest::addColumn<QString>("pattern");

        const QString plainSefer = q("ס") + P + "*" + q("פ") + P + "*" + q("ר") + P + "*";
        QTest::newRow("plain, each letter quoted and followed by points") << "ספר" << FindMode::Plain << plainSefer;
        QTest::newRow("plain ignores points typed in the query") << "סֵפֶר" << FindMode::Plain << plainSefer;
        QTest::newRow("plain of points only is empty") << "\u05B8\u05BC" << FindMode::Plain << "";
        QTest::newRow("plain keeps a surrogate pair whole") << "𝄞" << FindMode::Plain << q("𝄞") + P + "*";
        QTest::newRow("regex exactly as typed, points kept") << "סֵ(פ|ב)" << FindMode::Regex << "סֵ(פ|ב)";
        QTest::newRow("root כ-ת-ב") << "כ-ת-ב" << FindMode::Root
                                    << FirstFiller + q("כ") + Filler + q("ת") + Filler + "[" + q("ב") + "]" + Filler;
        QTest::newRow("root: a final letter is made ordinary and allowed back at the end")
            << "ספן" << FindMode::Root
            << FirstFiller + q("ס") + Filler + q("פ") + Filler + "[" + q("נן") + "]" + Filler;
        QTest::newRow("root: final inside the root, dots, quotes, points and spaces dropped")
            << " \"ךְ.ת.ם\" " << FindMode::Root
            << FirstFiller + q("כ") + Filler + q("ת") + Filler + "[" + q("מם") + "]" + Filler;
        QTest::newRow("root of nothing is the filler alone") << "-.-" << FindMode::Root << FirstFiller;
    }

    void pattern()
    {
        QFETCH(QString, query);
        QFETCH(FindMode, mode);
        QFETCH(QString, pattern);
        QCOMPARE(FindSearch::buildPattern(query, mode), pattern);
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<FindMode>("mode");
        QTest::addColumn<int>("start"); // -1: nothing selected
        QTest::addColumn<int>("length");

        QTest::newRow("plain finds the pointed word") << "הנה סֵפֶר טוב"
                                                      << "ספר" << FindMode::Plain << 4 << 5;
        QTest::newRow("plain, pointed query finds unpointed") << "הנה ספר"
                                                              << "סֵפֶר" << FindMode::Plain << 4 << 3;
        QTest::newRow("plain full stop is literal") << "abc, d."
                                                    << "." << FindMode::Plain << 6 << 1;
        QTest::newRow("plain parenthesis is literal") << "(x) ("
                                                      << "(" << FindMode::Plain << 0 << 1;
        QTest::newRow("plain backslash is literal") << "a\\Eb"
                                                    << "\\E" << FindMode::Plain << 1 << 2;
        QTest::newRow("plain is caseless for Latin") << "xx ABC"
                                                     << "abc" << FindMode::Plain << 3 << 3;
        QTest::newRow("plain beyond the basic plane") << "a𝄞b"
                                                      << "𝄞b" << FindMode::Plain << 1 << 3;
        QTest::newRow("root finds הִכְתִּיב") << "אז הִכְתִּיב לו"
                                          << "כ-ת-ב" << FindMode::Root << 3 << 9;
        QTest::newRow("root finds מכתבים") << "שלח מכתבים"
                                           << "כ-ת-ב" << FindMode::Root << 4 << 6;
        QTest::newRow("root ending in ן matches a final letter") << "ראה ספן"
                                                                 << "ספן" << FindMode::Root << 4 << 3;
        QTest::newRow("root ending in ן matches ordinary נ") << "ספנים"
                                                             << "ספן" << FindMode::Root << 0 << 5;
        QTest::newRow("root does not cross a space") << "כת ב"
                                                     << "כ-ת-ב" << FindMode::Root << -1 << 0;
        QTest::newRow("root: ten letters between allowed") << "כאאאאאאאאאאתב"
                                                           << "כתב" << FindMode::Root << 0 << 13;
        QTest::newRow("root: eleven letters between not") << "כאאאאאאאאאאאתב"
                                                          << "כתב" << FindMode::Root << -1 << 0;
        QTest::newRow("regex keeps points") << "סֵפֶר ספר"
                                            << "ספ" << FindMode::Regex << 6 << 2;
        QTest::newRow("regex is caseless") << "Dalvana"
                                           << "DAL+" << FindMode::Regex << 0 << 3;
        QTest::newRow("same text twice: the first in the editor") << "ab xab"
                                                                  << "(?<=x)ab" << FindMode::Regex << 0 << 2;
        QTest::newRow("an empty match is not found") << "abc"
                                                     << "z*" << FindMode::Regex << -1 << 0;
        QTest::newRow("a query of points only finds nothing") << "סֵפֶר"
                                                              << "\u05B5" << FindMode::Plain << -1 << 0;
        QTest::newRow("nothing matches") << "שלום"
                                         << "ספר" << FindMode::Plain << -1 << 0;
        QTest::newRow("dot does not cross a line") << "a\r\nb"
                                                   << "a.+b" << FindMode::Regex << -1 << 0;
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(FindMode, mode);
        QFETCH(int, start);
        QFETCH(int, length);
        RegEx regEx;
        QString last;
        const FindResult r = FindSearch::findFirst(regEx, editor(text, 1, 0), query, mode, last);
        QCOMPARE(last, query);
        if (start < 0) {
            QCOMPARE(r.outcome, FindResult::Outcome::NotFound);
            QCOMPARE(r.message, QStringLiteral("לא נמצא.\u200F"));
            QCOMPARE(r.state, editor(text, 1, 0));
        } else {
            QCOMPARE(r.outcome, FindResult::Outcome::Found);
            QCOMPARE(r.state, editor(text, start, length));
        }
    }

    void emptyTextKeepsTheLastQuery()
    {
        RegEx regEx;
        QString last = QStringLiteral("קודם");
        const FindResult r = FindSearch::findFirst(regEx, editor({}), QStringLiteral("x"), FindMode::Plain, last);
        QCOMPARE(r.outcome, FindResult::Outcome::EmptyText);
        QCOMPARE(r.message, QStringLiteral("לא נמצא!\u200F"));
        QCOMPARE(last, QStringLiteral("קודם"));
    }

    void badPatterns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("says");
        QTest::newRow("does not compile") << "abc"
                                          << "(ab"
                                          << "אינו תקין (בתו 4)";
        QTest::newRow("does not compile, on an empty text too") << ""
                                                                << "(ab"
                                                                << "אינו תקין (בתו 4)";
        QTest::newRow("lone quantifier") << "abc"
                                         << "*"
                                         << "אינו תקין (בתו 1)";
        QTest::newRow("runs past the match limit") << QString(3000, QLatin1Char('a')) + "b"
                                                   << "(a|aa)+$"
                                                   << "יותר מדי צעדים";
    }

    void badPatterns()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(QString, says);
        RegEx regEx;
        QString last;
        const FindResult r = FindSearch::findFirst(regEx, editor(text), query, FindMode::Regex, last);
        QCOMPARE(r.outcome, FindResult::Outcome::BadPattern);
        QVERIFY2(r.message.contains(says), qPrintable(r.message));
        QVERIFY(!r.message.contains(QLatin1Char('\n')));
        QCOMPARE(r.state, editor(text));
        // Ctrl+F after the failure does not crash and selects nothing.
        const RepeatResult again = FindSearch::findNext(regEx, editor(text, 0, 1), last);
        QVERIFY(again.outcome != RepeatResult::Outcome::Found);
    }

    void repeats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<FindMode>("mode");
        QTest::addColumn<QList<Selection>>("selections");

        QTest::newRow("plain, pointed and unpointed in turn")
            << "ספר סֵפֶר ספרים"
            << "ספר" << FindMode::Plain << QList<Selection>{{0, 3}, {4, 5}, {10, 3}};
        QTest::newRow("root, every word in turn")
            << "כתב, מכתבים\r\nהִכְתִּיב"
            << "כתב" << FindMode::Root << QList<Selection>{{0, 3}, {5, 6}, {13, 9}};
        QTest::newRow("no wrap to the start") << "x y"
                                              << "y" << FindMode::Plain << QList<Selection>{{2, 1}};
        QTest::newRow("a repeat never takes an empty match")
            << "baab"
            << "b|a*" << FindMode::Regex << QList<Selection>{{0, 1}, {1, 2}, {3, 1}};
        QTest::newRow("same text twice: each repeat goes on after the selection")
            << "ab ab ab"
            << "ab" << FindMode::Regex << QList<Selection>{{0, 2}, {3, 2}, {6, 2}};
        QTest::newRow("half of a surrogate pair is a character like any other") << QChar(0xD800)
                + QStringLiteral("ab") << "." << FindMode::Regex << QList<Selection>{{0, 1}, {1, 1}, {2, 1}};
    }

    void repeats()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(FindMode, mode);
        QFETCH(QList<Selection>, selections);
        RegEx regEx;
        QString last;
        FindResult first = FindSearch::findFirst(regEx, editor(text), query, mode, last);
        QList<Selection> seen;
        EditorState state = first.state;
        if (first.outcome == FindResult::Outcome::Found) {
            seen << Selection{state.selStart, state.selLength};
            for (;;) {
                const RepeatResult r = FindSearch::findNext(regEx, state, last);
                if (r.outcome != RepeatResult::Outcome::Found) {
                    QCOMPARE(r.outcome, RepeatResult::Outcome::Nothing);
                    QCOMPARE(r.state, state);
                    QVERIFY(r.message.isEmpty());
                    break;
                }
                state = r.state;
                seen << Selection{state.selStart, state.selLength};
            }
        }
        QCOMPARE(seen, selections);
    }

    void repeatOpensTheDialog_data()
    {
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("last");
        QTest::newRow("nothing selected") << 0 << "ab";
        QTest::newRow("no search made yet") << 2 << "";
    }

    void repeatOpensTheDialog()
    {
        QFETCH(int, selLength);
        QFETCH(QString, last);
        RegEx regEx;
        QVERIFY(regEx.setPattern(QStringLiteral("ab")));
        regEx.setSubject(QStringLiteral("ab ab"));
        QVERIFY(regEx.first());
        const RepeatResult r = FindSearch::findNext(regEx, editor(QStringLiteral("ab ab"), 0, selLength), last);
        QCOMPARE(r.outcome, RepeatResult::Outcome::ShowDialog);
    }

    void repeatAfterAnEditUsesTheOldSubject()
    {
        RegEx regEx;
        QString last;
        const FindResult r = FindSearch::findFirst(regEx, editor(QStringLiteral("ab cd ab")), QStringLiteral("ab|cd"),
                                                   FindMode::Regex, last);
        QCOMPARE(r.state.selLength, 2);
        // The user replaces "cd" by "ab" before pressing Ctrl+F: the engine still sees
        // "cd" next, which is no longer in the text after the selection.
        EditorState edited = r.state;
        edited.text = QStringLiteral("ab ab ab");
        RepeatResult next = FindSearch::findNext(regEx, edited, last);
        QCOMPARE(next.outcome, RepeatResult::Outcome::Nothing);
        // The engine moved on; the next "ab" it finds is located in the new text.
        next = FindSearch::findNext(regEx, edited, last);
        QCOMPARE(next.outcome, RepeatResult::Outcome::Found);
        QCOMPARE(next.state, editor(QStringLiteral("ab ab ab"), 3, 2));
    }

    void repeatContinuesAnotherUsersState()
    {
        RegEx regEx;
        QString last;
        FindSearch::findFirst(regEx, editor(QStringLiteral("x1 x2 x3")), QStringLiteral("x"), FindMode::Plain, last);
        // Another command takes the object over; the repeat goes on in its subject.
        QVERIFY(regEx.setPattern(QStringLiteral("\\d")));
        regEx.setSubject(QStringLiteral("x1 x2 x3"));
        QVERIFY(regEx.first());
        const RepeatResult r = FindSearch::findNext(regEx, editor(QStringLiteral("x1 x2 x3"), 0, 1), last);
        QCOMPARE(r.state, editor(QStringLiteral("x1 x2 x3"), 4, 1));
    }
};

QTEST_GUILESS_MAIN(FindSearchTest)
#include "FindSearchTest.moc"
