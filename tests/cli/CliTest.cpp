#include "support/CliRun.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Run = CliRun::Result<QByteArray>;
using CliRun::run;

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void convertWritesUtf8ToStdout()
    {
        const Run r = run({QStringLiteral("convert")}, QByteArray("\xF9\xEC\xE5\xED\nx"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("שלום\r\nx").toUtf8());
        QVERIFY(r.err.isEmpty());
    }

    void convertToDocumentFormat()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        const Run r = run({QStringLiteral("convert"), QStringLiteral("-o"), out, QStringLiteral("-")}, QByteArray());
        QCOMPARE(r.status, 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xFF\xFE"));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("unknown option") << QStringList{"convert", "--bogus"};
        QTest::newRow("missing file") << QStringList{"convert", "/nonexistent/x.txt"};
        QTest::newRow("caret past the end") << QStringList{"convert", "--caret", "5", "-"};
        QTest::newRow("select needs two values") << QStringList{"convert", "--select", "1"};
        QTest::newRow("two files") << QStringList{"convert", "a", "b"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run r = run(args, QByteArray("abc"));
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
    }

    // Places the editor can never hold, and the numbers around them.
    void positions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        const QStringList bold{"bold"};
        QTest::newRow("caret between CR and LF") << bold + QStringList{"--caret", "4"} << 2;
        QTest::newRow("caret before the CR") << bold + QStringList{"--caret", "3"} << 0;
        QTest::newRow("caret after the LF") << bold + QStringList{"--caret", "5"} << 0;
        QTest::newRow("selection from between CR and LF") << bold + QStringList{"--select", "4", "1"} << 2;
        QTest::newRow("selection up to between CR and LF") << bold + QStringList{"--select", "1", "3"} << 2;
        QTest::newRow("selection over the line break") << bold + QStringList{"--select", "3", "2"} << 0;
        QTest::newRow("caret inside a surrogate pair") << bold + QStringList{"--caret", "8"} << 2;
        QTest::newRow("selection to the end") << bold + QStringList{"--select", "1", "8"} << 0;
        QTest::newRow("selection one past the end") << bold + QStringList{"--select", "1", "9"} << 2;
        QTest::newRow("length that overflows the end") << bold + QStringList{"--select", "1", "2147483647"} << 2;
        QTest::newRow("start past the end") << bold + QStringList{"--select", "2147483647", "1"} << 2;
    }

    void positions()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const Run r = run(args, QStringLiteral("abc\r\nde𝄞"));
        QCOMPARE(r.status, status);
        const QByteArray unpaired = QByteArray(r.out).replace("\r\n", "");
        QVERIFY(!unpaired.contains('\r') && !unpaired.contains('\n'));
        if (status != 0)
            QCOMPARE(r.err.count('\n'), 1);
    }

    // UTF-8 cannot carry half of a surrogate pair: standard output shows U+FFFD,
    // the document format keeps it.
    void halfOfASurrogatePair()
    {
        const QByteArray file(
            "\xFF\xFE"
            "a\x00\x00\xD8",
            6);
        QCOMPARE(run({QStringLiteral("convert")}, file).out, QByteArray("a\xEF\xBF\xBD"));
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        QCOMPARE(run({QStringLiteral("fix-spaces"), QStringLiteral("-o"), out}, file).status, 0);
        QCOMPARE(TestFiles::readBytes(out), file);
    }

    void cutShortSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        QVERIFY(TestFiles::writeBytes(out, "old"));
        const auto r = CliRun::runProgram({QStringLiteral("convert"), QStringLiteral("-o"), out}, QByteArray(1000, 'x'),
                                          [] {
                                              signal(SIGXFSZ, SIG_IGN);
                                              const rlimit limit{1000, RLIM_INFINITY};
                                              setrlimit(RLIMIT_FSIZE, &limit);
                                          });
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith("dalvana-cli: "));
        QCOMPARE(TestFiles::readBytes(out), QByteArray("old"));
    }

    // The program's own standard streams: what could not be written or read is an error.
    void unusableStreams_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("stream");
        QTest::addColumn<int>("status");
        QTest::newRow("convert to a full device") << QStringList{"convert", "-"} << "full" << 2;
        QTest::newRow("stats to a full device") << QStringList{"stats", "-"} << "full" << 2;
        QTest::newRow("stats to a closed output") << QStringList{"stats", "-"} << "closed output" << 2;
        QTest::newRow("stats of a closed input") << QStringList{"stats", "-"} << "closed input" << 2;
        QTest::newRow("-o needs no output") << QStringList{"convert", "-o"} << "closed output" << 0;
    }

    void unusableStreams()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, stream);
        QFETCH(int, status);
        QTemporaryDir dir;
        if (args.last() == QLatin1String("-o"))
            args << dir.filePath(QStringLiteral("out.txt")) << QStringLiteral("-");
        const bool full = stream == QLatin1String("full");
        const int closed = stream == QLatin1String("closed input") ? STDIN_FILENO : STDOUT_FILENO;
        const std::optional<QByteArray> input = full || closed != STDIN_FILENO ? std::optional<QByteArray>("a\nb")
                                                                               : std::nullopt;
        const auto r = CliRun::runProgram(args, input, [full, closed] {
            if (full)
                dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
            else
                close(closed);
        });
        QCOMPARE(r.status, status);
        const QByteArray err = r.err;
        if (status != 0) {
            QVERIFY2(err.startsWith("dalvana-cli: ") && err.count('\n') == 1, err.constData());
        }
    }

    void binaryFileIsRefusedAndKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bin"));
        const QByteArray bytes("\x00\x01\x02\xFF\x81", 5);
        QVERIFY(TestFiles::writeBytes(path, bytes));
        const Run r = run({QStringLiteral("convert"), QStringLiteral("-o"), path, path});
        QCOMPARE(r.status, 2);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
    }

    void selectionIsPrinted()
    {
        const Run r = run({QStringLiteral("convert"), QStringLiteral("--select"), QStringLiteral("1"),
                           QStringLiteral("2"), QStringLiteral("--print-selection")},
                          QByteArray("abcd"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray("selection 1 2\n"));
    }

    void helpListsCommands()
    {
        const Run r = run({QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("convert"));
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("dalvana-cli ") && version.out.endsWith('\n'));
    }

    void theProgramItself()
    {
        const auto r = CliRun::runProgram({QStringLiteral("convert")}, QByteArray("a\nb"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("a\r\nb"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "CliTest.moc"
