#include "support/CliRun.h"

#include <QTest>

using CliRun::run;
using Run = CliRun::Result<QString>;

class PadCliTest : public QObject
{
    Q_OBJECT

private slots:
    void edits_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("selection");
        QTest::newRow("greek: word trimmed, selection replaced")
            << QStringList{"greek", "--select", "4", "1", "--print-selection", " λόγος "} << "a\nbXc"
            << "a\r\nb{{יוונית|λόγος|logos}}c"
            << "selection 26 0\n";
        QTest::newRow("semitic: blanks kept")
            << QStringList{"semitic", "--caret", "1", "--print-selection", " ḏ "} << "ab"
            << "a{{יוניקוד| ḏ }}b"
            << "selection 16 0\n";
    }

    void edits()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, selection);
        const Run r = run<QString>(args, input);
        QCOMPARE(r.err, selection);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, output);
    }

    void nothingToInsert_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("greek blanks only") << QStringList{"greek", "  "};
        QTest::newRow("semitic empty") << QStringList{"semitic", ""};
    }

    void nothingToInsert()
    {
        QFETCH(QStringList, args);
        const Run r = run<QString>(args, QStringLiteral("x"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral("לא הוקלד טקסט להוספה.\u200F\n"));
        QVERIFY(r.out.isEmpty());
    }

    void transliterateGreek()
    {
        const Run r = run<QString>({"transliterate-greek", "Θεός, ἀ"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("Theos, ἀ\n"));
    }
};

QTEST_GUILESS_MAIN(PadCliTest)
#include "PadCliTest.moc"
