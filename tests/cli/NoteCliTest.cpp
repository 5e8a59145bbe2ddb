#include "support/CliRun.h"

#include <QTest>

using CliRun::run;
using Run = CliRun::Result<QString>;

class NoteCliTest : public QObject
{
    Q_OBJECT

private slots:
    void edits_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("selection");
        QTest::newRow("translations: selection read, words added, template written")
            << QStringList{"translations",     "--select", "3",     "44",     "--add",
                           "גרמנית",           "Haus",     "--add", "אנגלית", "home , dwelling",
                           "--print-selection"}
            << "x\n{{תרגומים|\n* אנגלית: {{ת|אנגלית|house}}\n}}\ny"
            << "x\r\n{{תרגומים|\r\n* אנגלית: {{ת|אנגלית|house|home|dwelling}}\r\n* גרמנית: {{ת|גרמנית|Haus}}\r\n}}"
               "\r\ny"
            << "selection 90 0\n";
        QTest::newRow("footnote: name trimmed, note on one line")
            << QStringList{"footnote", "--caret", "18", "--print-selection", " מקור ", "שורה\\r\\nשנייה"}
            << "==שָׁלוֹם==\n# ברכה.\n\n{{שורש|ש-ל-ם}}"
            << "==שָׁלוֹם==\r\n# ברכ{{הפניה|1|מקור}}ה.\r\n\r\n===הערות שוליים===\r\n# {{הערה|מקור}} "
               "שורה<br/>שנייה\r\n\r\n{{שורש|ש-ל-ם}}"
            << "selection 20 0\n";
        QTest::newRow("fix-references") << QStringList{"fix-references"} << "# {{הפניה|7|x}} {{הפניה|3|y}}"
                                        << "# {{הפניה|1|x}} {{הפניה|2|y}}"
                                        << "";
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

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("footnote name taken")
            << QStringList{"footnote", "א", "x"} << "# {{הפניה|1|א}}\n# y" << 1
            << "שם ההערה או טקסט ההערה אינם תקינים. שם ההערה צריך להיות ייחודי והוא אינו יכול לכלול את רוב סימני "
               "הפיסוק.\u200F\n";
        QTest::newRow("footnote without a definition line")
            << QStringList{"footnote", "א", "x"} << "# y" << 1
            << "אין בטקסט שורת הגדרה, ולכן אין בו מקום להערת שוליים.\u200F\n";
        QTest::newRow("translations with nothing to write")
            << QStringList{"translations"} << "x" << 1 << "אין ברשימה תרגומים להוספה.\u200F\n";
        QTest::newRow("translations in a language not offered")
            << QStringList{"translations", "--add", "Klingon", "x"} << "x" << 2
            << "dalvana-cli: --add: 'Klingon' is not one of the languages of the list\n";
    }

    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run r = run<QString>(args, input);
        QCOMPARE(r.status, status);
        QCOMPARE(r.err, message);
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(NoteCliTest)
#include "NoteCliTest.moc"
