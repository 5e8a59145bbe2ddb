#include "compare/TextDiff.h"
#include "support/SamplePages.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString lineHunks(const QList<TextDiff::Hunk> &hunks)
{
    QStringList out;
    for (const TextDiff::Hunk &h : hunks)
        out << QStringLiteral("%1,%2>%3,%4").arg(h.oldLine).arg(h.oldCount).arg(h.newLine).arg(h.newCount);
    return out.join(u' ');
}

// Each range as its text and where it starts: "עולם@5".
QString ranges(const QString &text, const QList<TextDiff::Range> &list)
{
    QStringList out;
    for (const TextDiff::Range &r : list)
        out << text.mid(r.start, r.length) + u'@' + QString::number(r.start);
    return out.join(u'/');
}

// `count` changed lines "a" against "b", after a line "p q" split in two, before "z".
std::pair<QString, QString> splitLineAmong(int count)
{
    return {QStringLiteral("p q\r\n") + QStringLiteral("a\r\n").repeated(count) + QStringLiteral("z"),
            QStringLiteral("p\r\nq\r\n") + QStringLiteral("b\r\n").repeated(count) + QStringLiteral("z")};
}

// Lines "1" to "20", those named replaced by "x".
QString numbered(const QList<int> &replaced)
{
    QString text;
    for (int i = 1; i <= 20; ++i)
        text += (replaced.contains(i) ? QStringLiteral("x") : QString::number(i)) + QStringLiteral("\r\n");
    return text;
}

QString lf(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TextDiffTest : public QObject
{
    Q_OBJECT

private slots:
    void changedLines_data()
    {
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("hunks");
        QTest::newRow("CR LF, LF and a lone CR are one break") << "a\r\nb\r\nc"
                                                               << "a\nb\rc"
                                                               << "";
        QTest::newRow("into an empty text") << ""
                                            << "a\r\nb"
                                            << "0,0>0,2";
        QTest::newRow("all taken out") << "a\r\n"
                                       << ""
                                       << "0,1>0,0";
        QTest::newRow("a break after the last line") << "a\r\nb"
                                                     << "a\r\nb\r\n"
                                                     << "1,1>1,1";
        QTest::newRow("first and last lines") << "a\r\nb\r\nc"
                                              << "A\r\nb\r\nC"
                                              << "0,1>0,1 2,1>2,1";
        QTest::newRow("an empty line put into a run of them goes after it") << "a\r\n\r\n\r\nb"
                                                                            << "a\r\n\r\n\r\n\r\nb"
                                                                            << "3,0>3,1";
        QTest::newRow("a line taken out of a run goes from its end") << "b\r\na\r\nb\r\nb\r\n"
                                                                     << "a\r\nb\r\n"
                                                                     << "0,1>0,0 3,1>2,0";
        QTest::newRow("unless they line up with a change of the other side") << "D\r\ny"
                                                                             << "y\r\nI\r\ny"
                                                                             << "0,1>0,2";
    }

    void changedLines()
    {
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, hunks);
        QCOMPARE(lineHunks(TextDiff::changedLines(oldText, newText)), hunks);
    }

    void tokens_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("a word keeps its points and cantillation") << "סֵ֫פֶר טוֹב" << QStringList{"סֵ֫פֶר", " ", "טוֹב"};
        QTest::newRow("maqaf between words") << "בֵּית־סֵפֶר" << QStringList{"בֵּית", "־", "סֵפֶר"};
        QTest::newRow("gershayim and a quotation mark inside, geresh at the end")
            << "צה״ל רֹ\"ת וכו׳" << QStringList{"צה״ל", " ", "רֹ\"ת", " ", "וכו׳"};
        QTest::newRow("markup runs and a quote mark beside a letter")
            << "''[[ספר]]'' {{!}}" << QStringList{"''", "[[", "ספר", "]]", "''", " ", "{{", "!", "}}"};
        QTest::newRow("spaces and tabs together, each break apart")
            << "a \t b\r\n\r\n\nc\rd" << QStringList{"a", " \t ", "b", "\r\n", "\r\n", "\n", "c", "\r", "d"};
        QTest::newRow("letters beyond the first plane") << "𐤀𐤁 𝄞𝄞" << QStringList{"𐤀𐤁", " ", "𝄞", "𝄞"};
    }

    void tokens()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, tokens);
        QStringList found;
        for (const TextDiff::Range &r : TextDiff::tokens(text))
            found << text.mid(r.start, r.length);
        QCOMPARE(found, tokens);
    }

    void words_data()
    {
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("added");
        QTest::newRow("a word at its place, after a CR LF") << "א\r\nשלום עולם\r\nב"
                                                            << "א\r\nשלום עולמות\r\nב"
                                                            << "עולם@8"
                                                            << "עולמות@8";
        QTest::newRow("a point changes the whole word") << "סֵפֶר"
                                                        << "סָפֶר"
                                                        << "סֵפֶר@0"
                                                        << "סָפֶר@0";
        QTest::newRow("a punctuation mark alone") << "שלום, עולם"
                                                  << "שלום. עולם"
                                                  << ",@4"
                                                  << ".@4";
        QTest::newRow("neighbours joined") << "a b c d"
                                           << "a x d"
                                           << "b c@2"
                                           << "x@2";
        QTest::newRow("a line broken in two") << "אחד שניים"
                                              << "אחד\r\nשניים"
                                              << " @3"
                                              << "\r\n@3";
        QTest::newRow("a line after one without a break") << "a"
                                                          << "a\r\nb"
                                                          << ""
                                                          << "\r\nb@1";
        // The long runs name their first two ranges: past the limit, the line "p q"
        // is compared with "p" and the next line with "q".
        const auto [atLimitOld, atLimitNew] = splitLineAmong(998); // 2000 + 2000 tokens
        QTest::newRow("a run at the token limit compared as one") << atLimitOld << atLimitNew << " @1/a@5"
                                                                  << "\r\n@1/b@6";
        const auto [overOld, overNew] = splitLineAmong(999);
        QTest::newRow("a longer run compared line by line") << overOld << overNew << " q@1/a@5"
                                                            << "q@3/b@6";
    }

    void words()
    {
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, removed);
        QFETCH(QString, added);
        const QList<TextDiff::Hunk> hunks = TextDiff::compare(oldText, newText);
        QCOMPARE(hunks.size(), 1);
        QCOMPARE(ranges(oldText, hunks.first().removed.mid(0, 2)), removed);
        QCOMPARE(ranges(newText, hunks.first().added.mid(0, 2)), added);
    }
    void unified_data()
    {
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("patch");
        const QString head = QStringLiteral("--- old\n+++ new\n");
        const QString noBreak = QStringLiteral("\\ No newline at end of file\n");
        QTest::newRow("equal lines: nothing") << "a\r\nb"
                                              << "a\nb"
                                              << "";
        QTest::newRow("no break after the last line on either side")
            << "a\r\nb"
            << "a\r\nc" << head + "@@ -1,2 +1,2 @@\n a\n-b\n" + noBreak + "+c\n" + noBreak;
        QTest::newRow("a break put after the last line") << "a"
                                                         << "a\r\n"
                                                         << head + "@@ -1 +1 @@\n-a\n" + noBreak + "+a\n";
        QTest::newRow("a last line without a break in the context")
            << "a\r\nb"
            << "x\r\nb" << head + "@@ -1,2 +1,2 @@\n-a\n+x\n b\n" + noBreak;
        QTest::newRow("into an empty text") << ""
                                            << "a\r\nb\r\n"
                                            << head + "@@ -0,0 +1,2 @@\n+a\n+b\n";
        QTest::newRow("all taken out") << "a\r\nb\r\n"
                                       << "" << head + "@@ -1,2 +0,0 @@\n-a\n-b\n";
        QTest::newRow("three lines of context each side")
            << numbered({}) << numbered({10}) << head + "@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+x\n 11\n 12\n 13\n";
    }

    void unified()
    {
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, patch);
        QCOMPARE(TextDiff::unified(oldText, newText, QStringLiteral("old"), QStringLiteral("new")), patch);
    }

    void hunkHeaders_data()
    {
        QTest::addColumn<QList<int>>("replaced");
        QTest::addColumn<QString>("headers");
        QTest::newRow("six lines apart: one hunk") << QList<int>{3, 10} << "@@ -1,13 +1,13 @@";
        QTest::newRow("seven apart: two") << QList<int>{3, 11} << "@@ -1,6 +1,6 @@|@@ -8,7 +8,7 @@";
    }

    void hunkHeaders()
    {
        QFETCH(QList<int>, replaced);
        QFETCH(QString, headers);
        QStringList found;
        for (const QString &line : TextDiff::unified(numbered({}), numbered(replaced), "a", "b").split(u'\n'))
            if (line.startsWith(QLatin1String("@@")))
                found << line;
        QCOMPARE(found.join(u'|'), headers);
    }

    // Pages with a few edits, some without a break after their last line: patch
    // makes the new page of the old one from what unified() wrote, without fuzz.
    void patchApplies_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 24; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }

    void patchApplies()
    {
        QFETCH(int, seed);
        const QString patch = QStandardPaths::findExecutable(QStringLiteral("patch"));
        if (patch.isEmpty())
            QSKIP("patch is not installed");
        QRandomGenerator random{quint32(seed)};
        QString oldText = SamplePages::realPage(3000, quint32(seed));
        if (seed % 2)
            oldText.chop(2);
        QString newText = SamplePages::edited(oldText, random, 1 + seed % 6);
        if (seed % 3 == 0)
            newText += QStringLiteral("שורה אחרונה");
        QTemporaryDir dir;
        QVERIFY(TestFiles::writeBytes(dir.filePath("old.txt"), lf(oldText).toUtf8()));
        const QString diff = TextDiff::unified(oldText, newText, "old.txt", "new.txt");
        QVERIFY(!diff.isEmpty());
        QVERIFY(TestFiles::writeBytes(dir.filePath("diff.txt"), diff.toUtf8()));
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(patch, {"-s", "--fuzz=0", "-o", "out.txt", "old.txt", "diff.txt"});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(TestFiles::readBytes(dir.filePath("out.txt"))), lf(newText));
    }
};

QTEST_GUILESS_MAIN(TextDiffTest)
#include "TextDiffTest.moc"
