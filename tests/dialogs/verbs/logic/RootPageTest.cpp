#include "dialogs/verbs/logic/RootPage.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTest>

namespace {

QString fixture(const char *name)
{
    return TestFiles::testData(QStringLiteral("templates/") + QLatin1String(name));
}

QStringList blanks()
{
    return QStringList(VerbGrid::KeyCount, QString());
}

} // namespace

class RootPageTest : public QObject
{
    Q_OBJECT

private slots:
    void normalise_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("display");
        QTest::newRow("hyphens kept") << QStringLiteral("א-כ-ל") << true << QStringLiteral("א-כ-ל");
        QTest::newRow("hyphens added") << QStringLiteral("אכל") << true << QStringLiteral("א-כ-ל");
        QTest::newRow("maqafs") << QStringLiteral("כ־ת־ב") << true << QStringLiteral("כ-ת-ב");
        QTest::newRow("final letter") << QStringLiteral("ע-ר-ך") << true << QStringLiteral("ע-ר-כ");
        QTest::newRow("all five finals") << QStringLiteral("ףךםץן") << true << QStringLiteral("פ-כ-מ-צ-נ");
        QTest::newRow("distinguishing letter") << QStringLiteral("ספר א") << true << QStringLiteral("ס-פ-ר א");
        QTest::newRow("only one letter after the space")
            << QStringLiteral("ספר אב") << true << QStringLiteral("ס-פ-ר א");
        QTest::newRow("trimmed") << QStringLiteral("  \tאכל \r\n") << true << QStringLiteral("א-כ-ל");
        QTest::newRow("shin with its dot") << QStringLiteral("שׁמר") << true << QStringLiteral("שׁ-מ-ר");
        QTest::newRow("sin with its dot") << QStringLiteral("שׂמח") << true << QStringLiteral("שׂ-מ-ח");
        QTest::newRow("he with mappiq") << QStringLiteral("גבהּ") << true << QStringLiteral("ג-ב-הּ");
        QTest::newRow("typed ! is shin") << QStringLiteral("!מר") << true << QStringLiteral("שׁ-מ-ר");
        QTest::newRow("four letters") << QStringLiteral("תרגם") << true << QStringLiteral("ת-ר-ג-מ");
        QTest::newRow("nine units") << QStringLiteral("אבגדהוזחט") << true << QStringLiteral("א-ב-ג-ד-ה-ו-ז-ח-ט");
        QTest::newRow("ten units") << QStringLiteral("אבגדהוזחטי") << false << QString();
        QTest::newRow("two letters") << QStringLiteral("אב") << false << QString();
        QTest::newRow("two letters with separators") << QStringLiteral("א-־ב") << false << QString();
        QTest::newRow("blanks beside a hyphen are not letters") << QStringLiteral("-  לש") << false << QString();
        QTest::newRow("blanks before a final maqaf") << QStringLiteral("לש \t־") << false << QString();
        QTest::newRow("a second blank is not the distinguishing letter")
            << QStringLiteral("ספר  א") << true << QStringLiteral("ס-פ-ר א");
        QTest::newRow("empty") << QString() << false << QString();
        QTest::newRow("ten units with a space counted") << QStringLiteral("ספר אבגדהו") << false << QString();
    }

    void normalise()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, display);
        const NormalisedRoot root = RootPage::normaliseRoot(typed);
        QCOMPARE(root.accepted, accepted);
        QCOMPARE(root.display, display);
    }

    void grid_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("key");
        QTest::newRow("corner") << 0 << 0 << false << QString() << QString();
        QTest::newRow("kal") << 0 << 1 << false << QStringLiteral("קַל") << QString();
        QTest::newRow("hitpael") << 0 << 7 << false << QStringLiteral("ה\u05B4ת\u05B0פ\u05BC\u05B7ע\u05B5ל")
                                 << QString();
        QTest::newRow("infinitive") << 5 << 0 << false << QStringLiteral("ש\u05C1\u05B5ם ה\u05B7פ\u05BC\u05B9ע\u05B7ל")
                                    << QString();
        QTest::newRow("kal past") << 1 << 1 << false << QString() << QStringLiteral("|קל עבר");
        QTest::newRow("hufal imperative") << 4 << 4 << true << QString() << QString();
        QTest::newRow("hufal infinitive") << 5 << 4 << true << QString() << QString();
        QTest::newRow("pual imperative") << 4 << 6 << true << QString() << QString();
        QTest::newRow("pual infinitive") << 5 << 6 << true << QString() << QString();
        QTest::newRow("pual future") << 3 << 6 << false << QString() << QStringLiteral("|פועל עתיד");
        QTest::newRow("piel infinitive") << 5 << 5 << false << QString() << QStringLiteral("|פיעל שם הפועל");
        QTest::newRow("outside") << 6 << 8 << false << QString() << QString();
    }

    void grid()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, disabled);
        QFETCH(QString, header);
        QFETCH(QString, key);
        QCOMPARE(VerbGrid::isDisabled(column, row), disabled);
        QCOMPARE(VerbGrid::headerText(column, row), header);
        QCOMPARE(VerbGrid::key(column, row), key);
    }

    void keysInOrder() { QCOMPARE(VerbGrid::keys().join(u'\n'), fixture("root-keys.txt")); }

    void disabledCellsNeverReachThePage()
    {
        VerbCells cells;
        for (int column = 1; column < VerbGrid::Columns; ++column) {
            for (int row = 1; row < VerbGrid::Rows; ++row)
                cells.setCell(column, row, QStringLiteral("x"));
        }
        cells.setCell(4, 4, QStringLiteral("סוד"));
        QCOMPARE(cells.values(), QStringList(VerbGrid::KeyCount, QStringLiteral("x")));
        const RootPageResult page = RootPage::build(QStringLiteral("כ-ת-ב"), QStringLiteral("ש"), cells.values());
        QVERIFY(!page.text.contains(QStringLiteral("סוד")));
        cells.clearDisabled();
        QCOMPARE(cells.cell(4, 4), QString());
        QCOMPARE(cells.cell(3, 4), QStringLiteral("x"));
    }

    void showClearsTheForms()
    {
        VerbCells cells;
        cells.setCell(0, 0, QStringLiteral("כ-ת-ב"));
        cells.setCell(2, 3, QStringLiteral("מכתיב"));
        cells.clearForms();
        QCOMPARE(cells.cell(0, 0), QStringLiteral("כ-ת-ב"));
        QCOMPARE(cells.values(), blanks());
    }

    void wholePage()
    {
        QStringList values;
        for (int i = 1; i <= VerbGrid::KeyCount; ++i)
            values << QStringLiteral("צורה %1").arg(i);
        values[2] = QStringLiteral(" \t ");
        const RootPageResult page = RootPage::build(QStringLiteral("ס-פ-ר א"), QStringLiteral("השלמים"), values);
        QVERIFY(page.ok);
        QCOMPARE(page.text, fixture("root-page.txt"));
    }

    void pages_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("gizra");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("contains");
        QTest::newRow("maqafs on the page") << QStringLiteral("כ-ת-ב") << QStringLiteral("x") << QString()
                                            << QStringLiteral("השורש כ־ת־ב הוא שורש מגזרת x.\r\n\r\n");
        QTest::newRow("final made ordinary")
            << RootPage::normaliseRoot(QStringLiteral("ע-ר-ך")).display << QStringLiteral("x") << QString()
            << QStringLiteral("{{נטיות פעלים|שורש=ע־ר־כ\r\n");
        QTest::newRow("gizra as typed") << QStringLiteral("כ-ת-ב") << QStringLiteral(" נחי ל\"א ") << QString()
                                        << QStringLiteral("מגזרת  נחי ל\"א .");
        QTest::newRow("value as typed") << QStringLiteral("כ-ת-ב") << QStringLiteral("x") << QStringLiteral(" כָּתַב ")
                                        << QStringLiteral("|קל עבר= כָּתַב \r\n");
        QTest::newRow("category of the first letter")
            << QStringLiteral("שׁ-מ-ר") << QStringLiteral("x") << QString()
            << QStringLiteral("}}\r\n\r\n<noinclude>\r\n[[קטגוריה:ש (שורשים)]]\r\n</noinclude>");
        QTest::newRow("last key then the closing")
            << QStringLiteral("כ-ת-ב") << QStringLiteral("x") << QString()
            << QStringLiteral("|התפעל ציווי=-אין-\r\n|התפעל שם הפועל=-אין-\r\n}}");
        QTest::newRow("blank line between binyanim") << QStringLiteral("כ-ת-ב") << QStringLiteral("x") << QString()
                                                     << QStringLiteral("|הופעל עתיד=-אין-\r\n\r\n|פיעל עבר=");
        QTest::newRow("line breaks typed into gizra and form come in as CR LF")
            << QStringLiteral("כ-ת-ב") << QStringLiteral("a\nb\rc") << QStringLiteral("d\ne")
            << QStringLiteral(
                   "מגזרת a\r\nb\r\nc.\r\n\r\n===נטיות הפעלים===\r\n{{נטיות פעלים|שורש=כ־ת־ב\r\n|קל עבר=d\r\ne\r\n");
    }

    void pages()
    {
        QFETCH(QString, root);
        QFETCH(QString, gizra);
        QFETCH(QString, value);
        QFETCH(QString, contains);
        QStringList values = blanks();
        values[0] = value;
        const RootPageResult page = RootPage::build(root, gizra, values);
        QVERIFY(page.ok);
        QVERIFY2(page.text.contains(contains), qPrintable(page.text));
        QVERIFY(page.text.endsWith(QStringLiteral("</noinclude>")));
    }

    void allBlank()
    {
        const RootPageResult page = RootPage::build(QStringLiteral("כ-ת-ב"), QStringLiteral("x"), blanks());
        QVERIFY(page.ok);
        QCOMPARE(page.text.count(QStringLiteral("=-אין-\r\n")), VerbGrid::KeyCount);
        for (const QString &key : VerbGrid::keys())
            QVERIFY(page.text.contains(key + QStringLiteral("=-אין-\r\n")));
    }

    void missingRootOrGizra_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("gizra");
        QTest::newRow("no root") << QString() << QStringLiteral("השלמים");
        QTest::newRow("blank root") << QStringLiteral("  ") << QStringLiteral("השלמים");
        QTest::newRow("no gizra") << QStringLiteral("כ-ת-ב") << QString();
        QTest::newRow("blank gizra") << QStringLiteral("כ-ת-ב") << QStringLiteral(" \t");
    }

    void missingRootOrGizra()
    {
        QFETCH(QString, root);
        QFETCH(QString, gizra);
        const RootPageResult page = RootPage::build(root, gizra, blanks());
        QVERIFY(!page.ok);
        QCOMPARE(page.text, QStringLiteral("הן שורש הן גזרה דרושים לשם הוספת נטיות הפעלים"));
    }
};

QTEST_GUILESS_MAIN(RootPageTest)
#include "RootPageTest.moc"
