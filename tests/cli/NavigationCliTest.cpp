#include "support/CliRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using Run = CliRun::Result<QByteArray>;
using CliRun::run;

const QString kWiki = QStringLiteral("https://he.wiktionary.org");

} // namespace

class NavigationCliTest : public QObject
{
    Q_OBJECT

private slots:
    void queries_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("percent-encode") << QStringList{"percent-encode", "שלום 2"}
                                        << QStringLiteral("%d7%a9%d7%9c%d7%95%d7%9d+\n");
        QTest::newRow("percent-encode drops non-ASCII look-alikes")
            << QStringList{"percent-encode", "Aсф"} << QStringLiteral("A\n");
        QTest::newRow("percent-encode empty") << QStringList{"percent-encode", ""} << QStringLiteral("\n");
        QTest::newRow("jump read") << QStringList{"jump-address", "שלום"} << kWiki + QStringLiteral("/wiki/שלום\n");
        QTest::newRow("jump edit") << QStringList{"jump-address", "=שלום"}
                                   << kWiki + QStringLiteral("/w/index.php?title=שלום&action=edit\n");
        QTest::newRow("jump equals alone") << QStringList{"jump-address", "="} << kWiki + QStringLiteral("/wiki/=\n");
        QTest::newRow("jump quotation mark")
            << QStringList{"jump-address", "צה\"ל"} << kWiki + QStringLiteral("/wiki/צה%22ל\n");
        QTest::newRow("jump keeps ampersand") << QStringList{"jump-address", "=AT&T"}
                                              << kWiki + QStringLiteral("/w/index.php?title=AT%26T&action=edit\n");
        QTest::newRow("jump namespace written out")
            << QStringList{"jump-address", "ק:פעלים"} << kWiki + QStringLiteral("/wiki/קטגוריה:פעלים\n");
        QTest::newRow("jump empty") << QStringList{
            "jump-address", ""} << kWiki + QStringLiteral("/w/index.php?title=Special:Recentchanges&action=purge\n");
    }

    void queries()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        const Run r = run(args);
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::fromUtf8(r.out), out);
        QVERIFY(r.err.isEmpty());
    }

    void edits_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QByteArray>("selection");
        QTest::newRow("tab at the caret") << QStringList{"tab", "--caret", "1", "--print-selection"} << QByteArray("#x")
                                          << QStringLiteral("#::x") << QByteArray("selection 3 0\n");
        QTest::newRow("tab over a selection")
            << QStringList{"tab", "--select", "0", "2", "--print-selection"} << QByteArray("abc")
            << QStringLiteral("::c") << QByteArray("selection 2 0\n");
        QTest::newRow("quotation on an empty line")
            << QStringList{"quotation-paste", "--clipboard", "a\\r\\nb\\r\\n", "--caret", "5", "--print-selection"}
            << QByteArray("abc\r\n") << QStringLiteral("abc\r\n#:* \"a / b\" ([") << QByteArray("selection 19 0\n");
        QTest::newRow("quotation after text")
            << QStringList{"quotation-paste", "--clipboard", "שלום", "--caret", "3", "--print-selection"}
            << QByteArray("abc") << QStringLiteral("abc\r\n#:* \"שלום\" ([") << QByteArray("selection 18 0\n");
        QTest::newRow("quotation, empty clipboard")
            << QStringList{"quotation-paste"} << QByteArray() << QStringLiteral("#:* \"\" ([") << QByteArray();
    }

    void edits()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QString, out);
        QFETCH(QByteArray, selection);
        const Run r = run(args, input);
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::fromUtf8(r.out), out);
        QCOMPARE(r.err, selection);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("percent-encode without text") << QStringList{"percent-encode"};
        QTest::newRow("jump-address without query") << QStringList{"jump-address"};
        QTest::newRow("jump-address with two") << QStringList{"jump-address", "a", "b"};
    }

    void usage()
    {
        QFETCH(QStringList, args);
        const Run r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
    }

    void clipboardFromFile()
    {
        const QString clip = QDir::temp().filePath(
            QStringLiteral("nav-clip-%1.txt").arg(QCoreApplication::applicationPid()));
        QVERIFY(TestFiles::writeBytes(clip, QStringLiteral("שורה\r\n").toUtf8()));
        const auto r = CliRun::runProgram(
            {QStringLiteral("quotation-paste"), QStringLiteral("--clipboard-file"), clip});
        QFile::remove(clip);
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::fromUtf8(r.out), QStringLiteral("#:* \"שורה\" (["));
    }
};

QTEST_GUILESS_MAIN(NavigationCliTest)
#include "NavigationCliTest.moc"
