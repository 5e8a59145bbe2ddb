#include "support/CliRun.h"
#include "support/TestFiles.h"
#include "wikitext/DocumentFormat.h"

#include <QTemporaryDir>
#include <QTest>

using CliRun::run;

// The comparison and the merge are the library's to test; here, that files are read
// as the editor reads them, the paths label the output, and the exit status says
// whether the texts differ or the merge is clean.
class CompareCliTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!TestFiles::writeBytes(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void diff_data()
    {
        QTest::addColumn<QByteArray>("oldBytes");
        QTest::addColumn<QByteArray>("newBytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("hunks");
        QTest::newRow("a document against UTF-8 with LF")
            << DocumentFormat::encode("א\r\nב\r\n") << QStringLiteral("א\nג\n").toUtf8() << 1
            << "@@ -1,2 +1,2 @@\n א\n-ב\n+ג\n";
        QTest::newRow("equal once read") << DocumentFormat::encode("א\r\nב") << QStringLiteral("א\rב").toUtf8() << 0
                                         << "";
    }

    void diff()
    {
        QFETCH(QByteArray, oldBytes);
        QFETCH(QByteArray, newBytes);
        QFETCH(int, status);
        QFETCH(QString, hunks);
        const QString oldPath = file("old.txt", oldBytes), newPath = file("new.txt", newBytes);
        const auto r = run<QString>({"diff", oldPath, newPath});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, hunks.isEmpty() ? hunks : "--- " + oldPath + "\n+++ " + newPath + "\n" + hunks);
    }

    void merge_data()
    {
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("merged");
        QTest::newRow("clean") << "a\nb\nC\n" << 0 << "A\r\nb\r\nC\r\n";
        QTest::newRow("a conflict") << "X\nb\nc\n"
                                    << 1 << "<<<<<<< %1\r\nA\r\n=======\r\nX\r\n>>>>>>> %2\r\nb\r\nc\r\n";
    }

    void merge()
    {
        QFETCH(QString, theirs);
        QFETCH(int, status);
        QFETCH(QString, merged);
        const QString mine = file("mine.txt", "A\nb\nc\n");
        const QString base = file("base.txt", DocumentFormat::encode("a\r\nb\r\nc\r\n"));
        const QString other = file("theirs.txt", theirs.toUtf8());
        const auto r = run<QString>({"merge", mine, base, other});
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, status ? merged.arg(mine, other) : merged);
        QCOMPARE(r.err.isEmpty(), status == 0);

        const QString out = m_dir.filePath("merged.txt");
        QCOMPARE(run({"merge", "-o", out, mine, base, other}).status, status);
        QCOMPARE(TestFiles::readBytes(out), DocumentFormat::encode(status ? merged.arg(mine, other) : merged));
    }

    void unreadableFile()
    {
        const QString mine = file("present.txt", "a\n");
        const auto r = run({"merge", mine, m_dir.filePath("missing.txt"), mine});
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QByteArray());
        QVERIFY(r.err.contains("missing.txt"));
    }
};

QTEST_GUILESS_MAIN(CompareCliTest)
#include "CompareCliTest.moc"
