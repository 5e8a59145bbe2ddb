#include "support/CliRun.h"
#include "support/TestFiles.h"
#include "support/TextFixtures.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = CliRun::Result<QByteArray>;
using CliRun::run;

// The document as a file would hold it: LF line ends, turned into CR LF on reading.
QString lines(const QStringList &l)
{
    return l.join(u'\n');
}

} // namespace

class StructureCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void entry_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("printed");
        const QString two = lines({"==שָׁלוֹם==", "# א", "", "==בַּיִת==", "# ב"});
        QTest::newRow("no heading") << QStringList{"entry"} << "abc\nd" << QByteArray("0 7\n");
        QTest::newRow("caret above the headings") << QStringList{"entry"} << "x\n" + two << QByteArray("4 24\n");
        QTest::newRow("caret in the first entry")
            << QStringList{"entry", "--caret", "3"} << two << QByteArray("1 21\n");
        QTest::newRow("caret before the second heading")
            << QStringList{"entry", "--caret", "20"} << two << QByteArray("1 21\n");
        QTest::newRow("caret on the second heading")
            << QStringList{"entry", "--caret", "21"} << two << QByteArray("21 36\n");
        QTest::newRow("empty text") << QStringList{"entry"} << "" << QByteArray("0 1\n");
    }

    void entry()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QByteArray, printed);
        const Run r = run(args, input);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, printed);
        QVERIFY(r.err.isEmpty());
    }

    // The checker's rules are tested on the text library; here the lines and the exit.
    void check_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        QTest::newRow("nothing wrong: one empty line") << lines({"==שָׁלוֹם==", "# ברכה"}) << 0 << "\n";
        QTest::newRow("two problems in text order, columns counting points")
            << lines({"==שָׁלוֹם==", "# בְּרָכָה [[מילה", "===תרגום==="}) << 1
            << "2 12 link-unclosed הקישור \"מילה\" לא נסגר\n3 1 section-empty הסעיף \"תרגום\" ריק\n";
    }

    void check()
    {
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, printed);
        const auto r = CliRun::run<QString>({QStringLiteral("check")}, input);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, printed);
    }

    // A result that lacks what comes after the place where the engine gave up would
    // pass for a whole one.
    void engineGivingUpStops_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("entry") << "entry";
        QTest::newRow("unify") << "unify";
        QTest::newRow("toc") << "toc";
    }

    void engineGivingUpStops()
    {
        QFETCH(QString, command);
        using namespace TextFixtures;
        const Run r = run({command}, page({kShalom, runawayHeadingLine(), kBayit}));
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(QString::fromUtf8(r.err),
                 QStringLiteral("הפעולה לא בוצעה: הטקסט ארוך או מסובך מדי לביטוי הרגולרי.\u200F\n"));
    }

    void edits_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QByteArray>("selection");
        QTest::newRow("fix-spaces") << QStringList{"fix-spaces", "--caret", "4"} << "abc def   \nx\n\n\n\ny"
                                    << "abc def\r\nx\r\n\r\ny" << QByteArray("selection 0 0\n");
        QTest::newRow("fix-spaces finds nothing") << QStringList{"fix-spaces", "--caret", "2"} << "ab\ncd"
                                                  << "ab\r\ncd" << QByteArray("selection 2 0\n");
        QTest::newRow("punctuation") << QStringList{"punctuation"} << "#הגדרה.בית-ספר, מילה--"
                                     << "# הגדרה. בית־ספר, מילה--" << QByteArray("selection 0 0\n");
        QTest::newRow("unify")
            << QStringList{"unify"}
            << lines({"==שָׁלוֹם==", "# ברכה.", "# היעדר מלחמה.", "", "===משפטים לדוגמה===", "* שלום לך! (1)",
                      "* שלום בין העמים. (2)", "", "===מקור==="})
            << "==שָׁלוֹם==\r\n# ברכה.\r\n#:* שלום לך!\r\n# היעדר מלחמה.\r\n#:* שלום בין העמים.\r\n\r\n===מקור==="
            << QByteArray("selection 0 0\n");
        QTest::newRow("unify finds nothing") << QStringList{"unify", "--caret", "1"} << "a\nb"
                                             << "a\r\nb" << QByteArray("selection 1 0\n");
    }

    void edits()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QByteArray, selection);
        const Run r = run(args << QStringLiteral("--print-selection"), input);
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::fromUtf8(r.out), output);
        QCOMPARE(r.err, selection);
    }

    void theProgramWritesTheDocumentFormat()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.txt"));
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        QVERIFY(TestFiles::writeBytes(in, "a b  \n"));
        QCOMPARE(CliRun::runProgram({QStringLiteral("fix-spaces"), QStringLiteral("-o"), out, in}).status, 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("\xFF\xFE"
                            "a\0 \0b\0\r\0\n\0",
                            12));
        QFile original(in);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), QByteArray("a b  \n"));
    }
};

QTEST_GUILESS_MAIN(StructureCommandsTest)
#include "StructureCommandsTest.moc"
