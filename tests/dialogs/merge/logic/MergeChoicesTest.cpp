#include "dialogs/merge/logic/MergeChoices.h"

#include <QTest>

namespace {

using Choice = MergeChoices::Choice;

MergeChoices choicesOf(const QString &mine, const QString &base, const QString &theirs)
{
    return MergeChoices(TextMerge::merge(mine, base, theirs), QStringLiteral("mine"), QStringLiteral("theirs"));
}

// The one conflict's region.
qsizetype conflict(const MergeChoices &c)
{
    for (qsizetype i = 0; i < c.regions().size(); ++i)
        if (c.regions().at(i).kind == TextMerge::Region::Kind::Conflict)
            return i;
    return -1;
}

} // namespace

class MergeChoicesTest : public QObject
{
    Q_OBJECT

private slots:
    // "b" changed on both sides, between "a" and "c"; "e" changed by mine alone.
    void result_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("edit"); // with Edited
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("open");
        QTest::newRow("open: both sides between markers")
            << int(Choice::Open) << QString()
            << "a\r\n<<<<<<< mine\r\nB1\r\n=======\r\nB2\r\n>>>>>>> theirs\r\nc\r\nd\r\nE\r\n"
            << 1;
        QTest::newRow("mine") << int(Choice::Mine) << QString() << "a\r\nB1\r\nc\r\nd\r\nE\r\n" << 0;
        QTest::newRow("theirs") << int(Choice::Theirs) << QString() << "a\r\nB2\r\nc\r\nd\r\nE\r\n" << 0;
        QTest::newRow("both, mine first") << int(Choice::Both) << QString() << "a\r\nB1\r\nB2\r\nc\r\nd\r\nE\r\n" << 0;
        QTest::newRow("an edit without its break still ends its line") << int(Choice::Edited) << "B3"
                                                                       << "a\r\nB3\r\nc\r\nd\r\nE\r\n"
                                                                       << 0;
        QTest::newRow("an edit of two lines") << int(Choice::Edited) << "B3\r\nB4\r\n"
                                              << "a\r\nB3\r\nB4\r\nc\r\nd\r\nE\r\n"
                                              << 0;
        QTest::newRow("an edit to nothing takes the lines out") << int(Choice::Edited) << ""
                                                                << "a\r\nc\r\nd\r\nE\r\n"
                                                                << 0;
    }

    void result()
    {
        QFETCH(int, choice);
        QFETCH(QString, edit);
        QFETCH(QString, result);
        QFETCH(int, open);
        MergeChoices c = choicesOf("a\r\nB1\r\nc\r\nd\r\nE\r\n", "a\r\nb\r\nc\r\nd\r\ne\r\n",
                                   "a\r\nB2\r\nc\r\nd\r\ne\r\n");
        const qsizetype at = conflict(c);
        if (Choice(choice) == Choice::Edited)
            c.edit(at, edit);
        else
            c.choose(at, Choice(choice));
        QCOMPARE(c.result(), result);
        QCOMPARE(c.openCount(), open);
        // The regions' places tile the result.
        qsizetype end = 0;
        for (const TextDiff::Range &p : c.places()) {
            QCOMPARE(p.start, end);
            end = p.end();
        }
        QCOMPARE(end, result.size());
    }

    // The rows a user sees, and what a choice may touch.
    void changedRegions()
    {
        MergeChoices c = choicesOf("a\r\nB1\r\nc\r\nd\r\nE\r\n", "a\r\nb\r\nc\r\nd\r\ne\r\n",
                                   "a\r\nB2\r\nc\r\nd\r\ne\r\n");
        QCOMPARE(c.changed().size(), 2);
        const qsizetype mine = c.changed().last();
        c.choose(mine, Choice::Theirs);
        c.edit(mine, QStringLiteral("x"));
        QCOMPARE(int(c.choice(mine)), int(Choice::Open));
        QCOMPARE(c.text(mine), QStringLiteral("E\r\n"));
    }

    // The last line of the text has no break on either side; an edit there gets none.
    void lastLineEdit()
    {
        MergeChoices c = choicesOf("a\r\nB1", "a\r\nb", "a\r\nB2");
        c.edit(conflict(c), QStringLiteral("B3"));
        QCOMPARE(c.result(), QStringLiteral("a\r\nB3"));
    }
};

QTEST_GUILESS_MAIN(MergeChoicesTest)
#include "MergeChoicesTest.moc"
