#include "support/CliRun.h"
#include "hebrew/Hebrew.h"

#include <QTest>

namespace {

using Run = CliRun::Result<QString>;
Run run(const QStringList &args, const CliRun::Input &input = {})
{
    return CliRun::run<QString>(args, input);
}

const QString kPage = QStringLiteral(
    "==סֵפֶר==\r\n"
    "{{ניתוח דקדוקי|כתיב מלא=ספר}} {{ת|אנגלית|book}}\r\n"
    "# ספר: חיבור כתוב. [[כתב]] [[w:ספר]]\r\n"
    "#:* {{הדגשה|ספר}} היה מונח כאן\r\n"
    "===מקור===\r\n"
    "* [http://example.org ספרים] [HTTP://EXAMPLE.ORG x] [https://example.org y]\r\n"
    "\r\n"
    "==ספר==\r\n"
    "[[קטגוריה:ספרות]]\r\n");

} // namespace

class FindCliTest : public QObject
{
    Q_OBJECT

private slots:
    void find_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        QTest::newRow("plain, first match") << QStringList{"find", "ספר"} << "אב סֵפֶר ספר" << 0 << "3 5\n"
                                            << "";
        QTest::newRow("plain, every repeat") << QStringList{"find", "--all", "ספר"} << "אב סֵפֶר ספר" << 0 << "3 5\n9 3\n"
                                             << "";
        QTest::newRow("root, every repeat")
            << QStringList{"find", "--mode", "root", "--all", "כ-ת-ב"} << "הִכְתִּיב\r\nמכתבים" << 0 << "0 9\n11 6\n"
            << "";
        QTest::newRow("regex, caret and selection do not matter")
            << QStringList{"find", "--mode", "regex", "--select", "4", "2", "b+"} << "abb ab" << 0 << "1 2\n"
            << "";
        QTest::newRow("query with a line break")
            << QStringList{"find", "--mode", "regex", "b\\r\\nc"} << "ab\r\nc" << 0 << "1 4\n"
            << "";
        QTest::newRow("nothing found") << QStringList{"find", "ספר"} << "שלום" << 1 << ""
                                       << "לא נמצא.\u200F\n";
        QTest::newRow("empty text") << QStringList{"find", "ספר"} << "" << 1 << ""
                                    << "לא נמצא!\u200F\n";
        QTest::newRow("pattern that does not compile") << QStringList{"find", "--mode", "regex", "[א"} << "א" << 2 << ""
                                                       << "dalvana-cli: הביטוי הרגולרי אינו תקין";
        QTest::newRow("runaway pattern") << QStringList{"find", "--mode", "regex", "(a|aa)+$"}
                                         << QString(3000, QLatin1Char('a')) + "b" << 2 << ""
                                         << "dalvana-cli: החיפוש הופסק";
        QTest::newRow("unknown mode") << QStringList{"find", "--mode", "word", "x"} << "x" << 2 << ""
                                      << "dalvana-cli:";
        QTest::newRow("no query") << QStringList{"find"} << "x" << 2 << ""
                                  << "dalvana-cli:";
    }

    void find()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run r = run(args, input);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        if (err.isEmpty()) {
            QCOMPARE(r.err, QString());
        } else {
            QVERIFY2(r.err.startsWith(err), qPrintable(r.err));
            QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        }
    }

    void findPattern_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        const QString points = Hebrew::pointClass() + QLatin1Char('*');
        QTest::newRow("plain by default")
            << QStringList{"find-pattern", "אָב"} << "\\Qא\\E" + points + "\\Qב\\E" + points + "\n";
        QTest::newRow("regex as typed") << QStringList{"find-pattern", "--mode", "regex", "a(b"} << "a(b\n";
        QTest::newRow("only points: an empty line") << QStringList{"find-pattern", "\u05B8"} << "\n";
    }

    void findPattern()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        // Needs no document: standard input is never read.
        QByteArray o, e;
        const int status = runCli(
            args, [](QString *) { return std::optional<QByteArray>(QByteArray("never read")); }, &o, &e);
        QCOMPARE(status, 0);
        QCOMPARE(QString::fromUtf8(o), out);
    }

    void stats_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("out");
        QTest::newRow("empty text") << ""
                                    << "Chars 0\nLines 1\nArticles 0\nSections 0\nInnerLinks 0\nOuterLinks 0\n"
                                       "WikipediaLinks 0\nTemplates 0\nQuotes 0\nTranslations 0\nCategories 0\n";
        QTest::newRow("a page") << kPage
                                << QStringLiteral(
                                       "Chars %1\nLines 10\nArticles 1\nSections 1\nInnerLinks 2\nOuterLinks 1\n"
                                       "WikipediaLinks 1\nTemplates 2\nQuotes 1\nTranslations 1\nCategories 1\n")
                                       .arg(kPage.size());
    }

    void stats()
    {
        QFETCH(QString, input);
        QFETCH(QString, out);
        const Run r = run({QStringLiteral("stats")}, input);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, QString());
    }
};

QTEST_GUILESS_MAIN(FindCliTest)
#include "FindCliTest.moc"
