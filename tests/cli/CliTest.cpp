#include "support/CliRun.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    }

    void theProgramItself()
    {
        QProcess p;
        p.start(QStringLiteral(DALVANA_CLI_PATH), {QStringLiteral("convert")});
        p.write("a\nb");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("a\r\nb"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "CliTest.moc"
