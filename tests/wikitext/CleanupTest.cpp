#include "entry/EntryText.h"
#include "regex/RegEx.h"
#include "support/SamplePages.h"
#include "wikitext/Cleanup.h"

#include <QTest>

namespace {

QStringList matchesOf(RegEx &regex, const QString &pattern, const QString &text)
{
    QStringList found;
    regex.setPattern(pattern);
    regex.setSubject(text);
    for (bool ok = regex.first(); ok; ok = regex.next())
        found << regex.matchedText();
    return found;
}

void replaceFirst(QString &w, const QString &what, const QString &with)
{
    const qsizetype at = w.indexOf(what);
    if (at >= 0)
        w.replace(at, what.size(), with);
}

// The commands done literally: every match of the starting text, in order, replaces
// the first occurrence of its text in the working copy. Null when nothing matched.
QString literalFixSpaces(const QString &start)
{
    RegEx regex;
    QString w = start;
    const QStringList lineEnds = matchesOf(regex, Cleanup::lineEndSpacePattern(), start);
    for (const QString &m : lineEnds)
        replaceFirst(w, m, EntryText::trim(m) + QStringLiteral("\r\n"));
    const QStringList runs = matchesOf(regex, Cleanup::emptyLineRunPattern(), start);
    for (const QString &m : runs)
        replaceFirst(w, m, QStringLiteral("\r\n\r\n"));
    return lineEnds.isEmpty() && runs.isEmpty() ? QString() : w;
}

QString literalPunctuation(const QString &start)
{
    RegEx regex;
    QString w = start;
    const QStringList pairs = matchesOf(regex, Cleanup::missingSpacePattern(), start);
    for (const QString &m : pairs)
        replaceFirst(w, m, m.left(1) + u' ' + m.mid(1));
    const QStringList hyphens = matchesOf(regex, Cleanup::letterHyphenPattern(), start);
    if (hyphens.isEmpty())
        return pairs.isEmpty() ? QString() : w;
    for (const QString &m : hyphens)
        w.replace(m, m.left(1) + QChar(0x05BE));
    w.replace(QStringLiteral("\u05BE-"), QStringLiteral("--"));
    return w;
}

QString fixSpacesOf(const QString &text)
{
    RegEx regex;
    return Cleanup::fixSpaces(regex, EditorState{text, 0, 0}).text;
}

QString punctuationOf(const QString &text)
{
    RegEx regex;
    return Cleanup::fixPunctuation(regex, EditorState{text, 0, 0}).text;
}

} // namespace

class CleanupTest : public QObject
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
        QTest::newRow("missing space") << Cleanup::missingSpacePattern()
                                       << "[#;*.,!?][\"{<אבגדהוזחטיכלמנסעפצקרשתפםףךץ" + points + "]";
        QTest::newRow("letter hyphen") << Cleanup::letterHyphenPattern()
                                       << "[אבגדהוזחטיכלמנסעפצקרשתםןךץף" + points + "]-";
    }

    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, written);
        QCOMPARE(pattern, written);
    }

    void fixSpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("trailing spaces") << "abc def   \r\nxyz"
                                         << "abc def\r\nxyz";
        QTest::newRow("three blank lines") << "a\r\n\r\n\r\n\r\nb"
                                           << "a\r\n\r\nb";
        QTest::newRow("one blank line stays") << "a\r\n\r\nb"
                                              << "a\r\n\r\nb";
        QTest::newRow("two identical lines are both cleaned") << "x y  \r\nx y  \r\n"
                                                              << "x y\r\nx y\r\n";
        QTest::newRow("a single trailing space stays") << "abc \r\nd"
                                                       << "abc \r\nd";
        QTest::newRow("the last line is never changed") << "a b  "
                                                        << "a b  ";
        QTest::newRow("tab and spaces") << "א ב\t \r\n"
                                        << "א ב\r\n";
        QTest::newRow("white space only lines stay") << "  \t \r\nb"
                                                     << "  \t \r\nb";
        // 250 breaks: the runs of 100, 100 and 50 each shrink the same run, which
        // ends with 6; 5 breaks further on are then found in that run first.
        QTest::newRow("a run of more than 100")
            << "a" + QString("\r\n").repeated(250) + "b" + QString("\r\n").repeated(5) + "c"
            << "a" + QString("\r\n").repeated(3) + "b" + QString("\r\n").repeated(5) + "c";
        // The tail "\x01 ab" of the second line first occurs inside the first line,
        // and only there does its replacement happen.
        QTest::newRow("a tail that begins with a control character")
            << QString("xy \x01 ab\r\n\x01 ab\r\n") << QString("xy ab\r\n\x01 ab\r\n");
        QTest::newRow("101 breaks") << "a" + QString("\r\n").repeated(101) + "b"
                                    << "a\r\n\r\n\r\nb";
        QTest::newRow("half of a surrogate pair in a cleaned line")
            << QChar(0xD800) + QStringLiteral(" x \r\n") << QChar(0xD800) + QStringLiteral(" x\r\n");
    }

    void fixSpaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, fixed);
        QCOMPARE(fixSpacesOf(text), fixed);
    }

    void punctuation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("full stop") << "שלום.עולם"
                                   << "שלום. עולם";
        QTest::newRow("definition mark") << "#הגדרה"
                                         << "# הגדרה";
        QTest::newRow("template after a bullet") << "*{{ת|"
                                                 << "* {{ת|";
        QTest::newRow("reference tag") << ".<ref>"
                                       << ". <ref>";
        QTest::newRow("quotation mark") << "!\""
                                        << "! \"";
        QTest::newRow("hyphen to maqaf") << "בית-ספר"
                                         << "בית־ספר";
        QTest::newRow("double hyphen stays") << "מילה--"
                                             << "מילה--";
        QTest::newRow("question mark") << "?א"
                                       << "? א";
        QTest::newRow("colon is not a mark") << ":א"
                                             << ":א";
        QTest::newRow("final nun is not in the class") << ".ן"
                                                       << ".ן";
        QTest::newRow("every hyphen after the letter") << "א-ב-ג"
                                                       << "א־ב־ג";
        QTest::newRow("after a point") << QStringLiteral("בָ-x") << QStringLiteral("בָ־x");
        QTest::newRow("final nun before a hyphen") << "ן-"
                                                   << "ן־";
        QTest::newRow("latin letters stay") << "a-b.c"
                                            << "a-b.c";
        QTest::newRow("triple hyphen") << "ה---"
                                       << "ה---";
        QTest::newRow("half of a surrogate pair is no question mark")
            << QChar(0xDC00) + QStringLiteral("א") << QChar(0xDC00) + QStringLiteral("א");
    }

    void punctuation()
    {
        QFETCH(QString, text);
        QFETCH(QString, fixed);
        QCOMPARE(punctuationOf(text), fixed);
    }

    void nothingFoundLeavesTheStateAlone()
    {
        RegEx regex;
        const EditorState state{QStringLiteral("abc\r\ndef"), 2, 1};
        QCOMPARE(Cleanup::fixSpaces(regex, state), state);
        QCOMPARE(Cleanup::fixPunctuation(regex, state), state);
        const EditorState changed = Cleanup::fixSpaces(regex, EditorState{QStringLiteral("a b  \r\n"), 3, 1});
        QCOMPARE(changed, (EditorState{QStringLiteral("a b\r\n"), 0, 0}));
    }

    // The fast results equal the literal ones, on pages of entries and on random
    // pieces (stray CR or LF, control characters and long runs included).
    void sameAsLiteral_data()
    {
        QTest::addColumn<QString>("text");
        QRandomGenerator random(5);
        for (int i = 0; i < 400; ++i)
            QTest::addRow("random %d", i) << SamplePages::randomPage(random, 1 + random.bounded(120));
        for (int i = 0; i < 400; ++i)
            QTest::addRow("tidy random %d", i) << SamplePages::randomPage(random, 1 + random.bounded(120), true);
        for (quint32 seed = 1; seed <= 20; ++seed)
            QTest::addRow("page %u", seed) << SamplePages::realPage(6000, seed);
    }

    void sameAsLiteral()
    {
        QFETCH(QString, text);
        const QString literalSpaces = literalFixSpaces(text);
        QCOMPARE(fixSpacesOf(text), literalSpaces.isNull() ? text : literalSpaces);
        const QString literalMarks = literalPunctuation(text);
        QCOMPARE(punctuationOf(text), literalMarks.isNull() ? text : literalMarks);
    }
};

QTEST_GUILESS_MAIN(CleanupTest)
#include "CleanupTest.moc"
