#include "compare/TextMerge.h"
#include "support/SamplePages.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The kinds of the regions, one letter each: U, M(ine), T(heirs), B(oth), C(onflict).
QString kinds(const QList<TextMerge::Region> &regions)
{
    QString out;
    for (const TextMerge::Region &r : regions)
        out += QStringLiteral("UMTBC").at(int(r.kind));
    return out;
}

QString markers(const QList<TextMerge::Region> &regions)
{
    return TextMerge::withMarkers(regions, QStringLiteral("mine"), QStringLiteral("theirs"));
}

struct GitMerge
{
    int status = -1;
    QString text;
};

// `git merge-file -p` of the three texts, with no configuration of the user's.
GitMerge gitMerge(const QString &mine, const QString &base, const QString &theirs)
{
    QTemporaryDir dir;
    if (!TestFiles::writeBytes(dir.filePath("mine"), mine.toUtf8())
        || !TestFiles::writeBytes(dir.filePath("base"), base.toUtf8())
        || !TestFiles::writeBytes(dir.filePath("theirs"), theirs.toUtf8()))
        return {};
    QProcess git;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir.path());
    env.insert("GIT_CONFIG_NOSYSTEM", "1");
    env.insert("GIT_CONFIG_GLOBAL", "/dev/null");
    git.setProcessEnvironment(env);
    git.setWorkingDirectory(dir.path());
    git.start(QStringLiteral("git"), {"merge-file", "-p", "mine", "base", "theirs"});
    if (!git.waitForFinished() || git.exitStatus() != QProcess::NormalExit)
        return {};
    return {git.exitCode(), QString::fromUtf8(git.readAllStandardOutput())};
}

} // namespace

class TextMergeTest : public QObject
{
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QString>("merged");
        const QString base = QStringLiteral("a\r\nb\r\nc\r\nd\r\n");
        QTest::newRow("changes one line apart") << "a\r\nB\r\nc\r\nd\r\n"
                                                << base << "a\r\nb\r\nc\r\nD\r\n"
                                                << "UMUT"
                                                << "a\r\nB\r\nc\r\nD\r\n";
        QTest::newRow("changes on neighbouring lines touch")
            << "a\r\nB\r\nc\r\nd\r\n"
            << base << "a\r\nb\r\nC\r\nd\r\n"
            << "UCU"
            << "a\r\n<<<<<<< mine\r\nB\r\nc\r\n=======\r\nb\r\nC\r\n>>>>>>> theirs\r\nd\r\n";
        QTest::newRow("a line put in after the other side's changed line")
            << "a\r\nB\r\nc\r\nd\r\n"
            << base << "a\r\nb\r\nX\r\nc\r\nd\r\n"
            << "UCU"
            << "a\r\n<<<<<<< mine\r\nB\r\n=======\r\nb\r\nX\r\n>>>>>>> theirs\r\nc\r\nd\r\n";
        QTest::newRow("the same line changed twice")
            << "a\r\nB\r\nc\r\nd\r\n"
            << base << "a\r\nX\r\nc\r\nd\r\n"
            << "UCU"
            << "a\r\n<<<<<<< mine\r\nB\r\n=======\r\nX\r\n>>>>>>> theirs\r\nc\r\nd\r\n";
        QTest::newRow("the same change on both sides") << "a\r\nB\r\nc\r\nd\r\n"
                                                       << base << "a\r\nB\r\nc\r\nd\r\n"
                                                       << "UBU"
                                                       << "a\r\nB\r\nc\r\nd\r\n";
        QTest::newRow("lines put in at the same place")
            << "a\r\nX\r\nb\r\nc\r\nd\r\n"
            << base << "a\r\nY\r\nb\r\nc\r\nd\r\n"
            << "UCU"
            << "a\r\n<<<<<<< mine\r\nX\r\n=======\r\nY\r\n>>>>>>> theirs\r\nb\r\nc\r\nd\r\n";
        QTest::newRow("a line taken out against its edit")
            << "a\r\nc\r\nd\r\n"
            << base << "a\r\nbb\r\nc\r\nd\r\n"
            << "UCU"
            << "a\r\n<<<<<<< mine\r\n=======\r\nbb\r\n>>>>>>> theirs\r\nc\r\nd\r\n";
        QTest::newRow("lines alike at both ends of a conflict stand apart")
            << "a\r\nP\r\nQ\r\nR\r\nc\r\nd\r\n"
            << base << "a\r\nP\r\nS\r\nR\r\nc\r\nd\r\n"
            << "UBCBU"
            << "a\r\nP\r\n<<<<<<< mine\r\nQ\r\n=======\r\nS\r\n>>>>>>> theirs\r\nR\r\nc\r\nd\r\n";
        QTest::newRow("no break after the last line of a conflict")
            << "a\r\nB"
            << "a\r\nb"
            << "a\r\nC"
            << "UC"
            << "a\r\n<<<<<<< mine\r\nB\r\n=======\r\nC\r\n>>>>>>> theirs\r\n";
        QTest::newRow("Hebrew with points: a point apart is a change") << "==שָׁלוֹם==\r\n# בַּיִת\r\n\r\n* מִכְתָּב\r\n"
                                                                       << "==שָׁלוֹם==\r\n# בַּיִת\r\n\r\n* מִכְתָּב\r\n"
                                                                       << "==שָׁלוֹם==\r\n# בַּיִת\r\n\r\n* מִכְתַּב\r\n"
                                                                       << "UT"
                                                                       << "==שָׁלוֹם==\r\n# בַּיִת\r\n\r\n* מִכְתַּב\r\n";
    }

    void merge()
    {
        QFETCH(QString, mine);
        QFETCH(QString, base);
        QFETCH(QString, theirs);
        QFETCH(QString, kinds);
        QFETCH(QString, merged);
        const QList<TextMerge::Region> regions = TextMerge::merge(mine, base, theirs);
        QCOMPARE(::kinds(regions), kinds);
        QCOMPARE(markers(regions), merged);
        QCOMPARE(TextMerge::conflictCount(regions), qsizetype(kinds.count(u'C')));
    }

    void resolved_data()
    {
        QTest::addColumn<int>("keep");
        QTest::addColumn<QString>("merged");
        QTest::newRow("mine") << int(TextMerge::Keep::Mine) << "a\r\nB";
        QTest::newRow("theirs") << int(TextMerge::Keep::Theirs) << "a\r\nC\r\n";
        QTest::newRow("both: mine gets a break") << int(TextMerge::Keep::Both) << "a\r\nB\r\nC\r\n";
    }

    void resolved()
    {
        QFETCH(int, keep);
        QFETCH(QString, merged);
        QString text;
        for (const TextMerge::Region &r : TextMerge::merge("a\r\nB", "a\r\nb\r\n", "a\r\nC\r\n"))
            text += TextMerge::resolved(r, TextMerge::Keep(keep));
        QCOMPARE(text, merged);
    }

    // Two editors' few edits of one page: where git merges cleanly, the texts are
    // the same; where it finds a conflict, so does the merge.
    void agreesWithGit_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }

    void agreesWithGit()
    {
        QFETCH(int, seed);
        if (QStandardPaths::findExecutable(QStringLiteral("git")).isEmpty())
            QSKIP("git is not installed");
        QRandomGenerator random{quint32(seed)};
        const QString base = SamplePages::realPage(2000 + 200 * seed, quint32(seed));
        const QString mine = SamplePages::edited(base, random, 1 + seed % 4);
        const QString theirs = SamplePages::edited(base, random, 1 + seed % 3);
        const GitMerge git = gitMerge(mine, base, theirs);
        QVERIFY(git.status >= 0);
        const QList<TextMerge::Region> regions = TextMerge::merge(mine, base, theirs);
        QCOMPARE(TextMerge::conflictCount(regions) > 0, git.status > 0);
        if (git.status == 0)
            QCOMPARE(markers(regions), git.text);
    }
};

QTEST_GUILESS_MAIN(TextMergeTest)
#include "TextMergeTest.moc"
