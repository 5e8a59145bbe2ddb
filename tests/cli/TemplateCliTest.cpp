#include "support/CliRun.h"
#include "dialogs/verbs/logic/RootPage.h"
#include "wikitext/EntryTemplates.h"

#include <QProcess>
#include <QTest>

namespace {

using Run = CliRun::Result<QString>;
Run run(const QStringList &args, const CliRun::Input &input = {})
{
    return CliRun::run<QString>(args, input);
}

} // namespace

class TemplateCliTest : public QObject
{
    Q_OBJECT

private slots:
    void editing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selection");
        const QString abc = QStringLiteral("abc");
        QTest::newRow("new-article") << QStringList{"new-article", "-"} << abc << Templates::newArticle().text
                                     << "selection 2 0\n";
        QTest::newRow("new-verb") << QStringList{"new-verb", "-"} << abc << Templates::newVerb().text
                                  << "selection 2 0\n";
        QTest::newRow("add-article") << QStringList{"add-article"} << abc
                                     << abc + QStringLiteral("\r\n\r\n") + Templates::Article << "selection 9 0\n";
        QTest::newRow("add-verb") << QStringList{"add-verb", "--caret", "1"} << abc
                                  << abc + QStringLiteral("\r\n\r\n") + Templates::Verb << "selection 9 0\n";
        QTest::newRow("another") << QStringList{"another", "--select", "1", "2"} << abc
                                 << Templates::AnotherMeaningNote + abc << "selection 21 0\n";
        QTest::newRow("toc") << QStringList{"toc", "--caret", "3"} << QStringLiteral("x\r\n==דָּג==")
                             << QStringLiteral("{{תוכן|דָּג}}\r\n\r\nx\r\n==דָּג==") << "selection 0 0\n";
        QTest::newRow("toc without pointed heading") << QStringList{"toc", "--caret", "3"} << QStringLiteral("==דג==")
                                                     << QStringLiteral("==דג==") << "selection 3 0\n";
    }

    void editing()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, selection);
        const Run r = run(args << QStringLiteral("--print-selection"), input.toUtf8());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, text);
        QCOMPARE(r.err, selection);
    }

    void rootPage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("contains");
        QTest::newRow("maqafs and ordinary letters")
            << QStringList{"root-page", "--root", "ע-ר-ך", "--gizra", "השלמים"}
            << QStringLiteral(
                   "השורש ע־ר־כ הוא שורש מגזרת השלמים.\r\n\r\n===נטיות הפעלים===\r\n"
                   "{{נטיות פעלים|שורש=ע־ר־כ\r\n|קל עבר=-אין-\r\n");
        QTest::newRow("distinguishing letter") << QStringList{"root-page", "--root", "ספר אב", "--gizra", "x"}
                                               << QStringLiteral("{{נטיות פעלים|שורש=ס־פ־ר <small>א</small>\r\n");
        QTest::newRow("row is the binyan, column the tense")
            << QStringList{"root-page", "--root", "כתב", "--gizra", "x", "--cell", "3", "2", "מכתיב"}
            << QStringLiteral("|הפעיל הווה=מכתיב\r\n");
        QTest::newRow("last cell") << QStringList{"root-page", "--root", "כתב", "--gizra", "x",
                                                  "--cell",    "7",      "5",   "להתכתב"}
                                   << QStringLiteral("|התפעל שם הפועל=להתכתב\r\n}}");
        QTest::newRow("later value wins") << QStringList{"root-page", "--root", "כתב",    "--gizra", "x", "--cell", "1",
                                                         "1",         "א",      "--cell", "1",       "1", "כתב"}
                                          << QStringLiteral("|קל עבר=כתב\r\n");
    }

    void rootPage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, contains);
        const Run r = run(args << QStringLiteral("--print-selection"));
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(contains), qPrintable(r.out));
        QVERIFY(r.out.endsWith(QStringLiteral("</noinclude>")));
        QCOMPARE(r.err, QStringLiteral("selection 0 0\n"));
    }

    void disabledCellIsDropped()
    {
        const Run r = run(
            {"root-page", "--root", "כתב", "--gizra", "x", "--cell", "4", "4", "סוד", "--cell", "6", "5", "סוד"});
        QCOMPARE(r.status, 0);
        QVERIFY(!r.out.contains(QStringLiteral("סוד")));
        QCOMPARE(r.out.count(QStringLiteral("=-אין-")), VerbGrid::KeyCount);
    }

    void rootPageRefuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no root") << QStringList{"root-page", "--gizra", "x"};
        QTest::newRow("root too short") << QStringList{"root-page", "--root", "א-ב", "--gizra", "x"};
        QTest::newRow("no gizra") << QStringList{"root-page", "--root", "כתב"};
        QTest::newRow("blank gizra") << QStringList{"root-page", "--root", "כתב", "--gizra", "  "};
    }

    void rootPageRefuses()
    {
        QFETCH(QStringList, args);
        const Run r = run(args);
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err, RootPage::MissingRootOrGizraMessage + QLatin1Char('\n'));
    }

    void badCells_data()
    {
        QTest::addColumn<QStringList>("cell");
        QTest::newRow("row 0") << QStringList{"0", "1", "x"};
        QTest::newRow("row 8") << QStringList{"8", "1", "x"};
        QTest::newRow("column 6") << QStringList{"1", "6", "x"};
        QTest::newRow("not a number") << QStringList{"a", "1", "x"};
    }

    void badCells()
    {
        QFETCH(QStringList, cell);
        const Run r = run(QStringList{"root-page", "--root", "כתב", "--gizra", "x", "--cell"} + cell);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
    }

    void normaliseRoot_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::newRow("maqafs") << QStringLiteral("כ־ת־ב") << 0 << QStringLiteral("כ-ת-ב\n");
        QTest::newRow("final") << QStringLiteral("ע-ר-ך") << 0 << QStringLiteral("ע-ר-כ\n");
        QTest::newRow("distinguishing letter") << QStringLiteral("ספר אב") << 0 << QStringLiteral("ס-פ-ר א\n");
        QTest::newRow("too short") << QStringLiteral("אב") << 1 << QString();
        QTest::newRow("too long") << QStringLiteral("אבגדהוזחטי") << 1 << QString();
    }

    void normaliseRoot()
    {
        QFETCH(QString, typed);
        QFETCH(int, status);
        QFETCH(QString, out);
        const Run r = run({QStringLiteral("normalise-root"), typed});
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err.isEmpty(), status == 0);
    }

    void helpDocumentsTheCells()
    {
        const Run r = run({QStringLiteral("root-page"), QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(QStringLiteral("ROW     1 קל")));
    }

    // Without FILE the skeleton commands must not wait for standard input.
    void noFileNeeded()
    {
        for (const QStringList &args :
             {QStringList{"new-article"}, QStringList{"root-page", "--root", "כתב", "--gizra", "x"}}) {
            QProcess p;
            p.start(QStringLiteral(DALVANA_CLI_PATH), args);
            QVERIFY(p.waitForStarted());
            QVERIFY2(p.waitForFinished(5000), qPrintable(args.join(' ')));
            QCOMPARE(p.exitCode(), 0);
            QVERIFY(p.readAllStandardOutput().endsWith(args.first() == "new-article" ? "[[קטגוריה:נושא]]"
                                                                                     : "</noinclude>"));
            p.kill();
        }
    }
};

QTEST_GUILESS_MAIN(TemplateCliTest)
#include "TemplateCliTest.moc"
