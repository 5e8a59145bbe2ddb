#include "wikitext/Preview.h"

#include <QTest>

namespace {

QString lines(const QStringList &l)
{
    return l.join(QStringLiteral("\r\n"));
}

const QString Edit = QStringLiteral("https://he.wiktionary.org/w/index.php?title=%1&action=edit");

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void title_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address"); // empty: nothing to preview
        QTest::newRow("qualifier dropped, points removed") << "==שָׁלוֹם (פירוש)==\r\n# x" << Edit.arg("שלום");
        QTest::newRow("a template after the headword") << "==בַּיִת {{ש}}==\r\nx" << Edit.arg("בית");
        QTest::newRow("a quotation mark and an ampersand escaped") << "==צה\"ל & co==\r\n" << Edit.arg("צה%22ל %26 co");
        QTest::newRow("a secondary headword") << "== {{משני|שָׁלוֹם}} (פירוש) ==\r\n" << Edit.arg("שלום");
        QTest::newRow("a linked headword") << "==[[שָׁלוֹם]] ([[פירוש|משמעות]])==\r\n" << Edit.arg("שלום");
        QTest::newRow("headings hidden in notes above it")
            << "<!-- ==טיוטה== -->\r\n<!--\r\n==ישן==\r\n-->\r\n==שָׁלוֹם==\r\n"
            << Edit.arg("שלום");
        QTest::newRow("a hidden note after the heading") << "==שָׁלוֹם== <!-- ==x== -->\r\n" << Edit.arg("שלום");
        QTest::newRow("spaces after the heading") << "==שָׁלוֹם== \t\r\n# x==\r\n" << Edit.arg("שלום");
        QTest::newRow("more equals signs than two") << "=== שָׁלוֹם ===\r\n# x" << Edit.arg("שלום");
        QTest::newRow("the last heading of the text, no line break after it") << "x\r\n==שָׁלוֹם==" << Edit.arg("שלום");
        QTest::newRow("one == alone on its line") << "==\r\n==שָׁלוֹם==\r\n"
                                                  << "";
        QTest::newRow("no heading line") << "==שָׁלוֹם== x"
                                         << "";
        QTest::newRow("the first heading ends before it begins") << "x==\r\n==y"
                                                                 << "";
    }

    void title()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        const PreviewResult p = Preview::prepare(text);
        QCOMPARE(p.status, address.isEmpty() ? PreviewResult::NoTitle : PreviewResult::Open);
        QCOMPARE(p.address, address);
        QCOMPARE(p.text, text);
    }

    void rootPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty parameters") << lines(
            {"{{נטיות פעלים|שורש=כ-ת-ב", "|בניין=", "|עבר=כתב", "|הווה=", "}}", "", "[[קטגוריה:אות]]", "|x=", "", "y"})
                                          << lines({"{{נטיות פעלים|שורש=כ-ת-ב", "|בניין=-אין-", "|עבר=כתב",
                                                    "|הווה=-אין-", "}}", "", "[[קטגוריה:כ]]", "|x=-אין-", "", "y"});
        QTest::newRow("a heading above a blank line is no parameter")
            << lines({"===נטיות הפעלים===", "", "{{נטיות פעלים|שורש=כ-ת-ב", "|עבר=", "", "|הווה=", "}}"})
            << lines({"===נטיות הפעלים===", "", "{{נטיות פעלים|שורש=כ-ת-ב", "|עבר=-אין-", "", "|הווה=-אין-", "}}"});
    }

    void rootPage()
    {
        QFETCH(QString, page);
        QFETCH(QString, text);
        const PreviewResult p = Preview::prepare(page);
        QCOMPARE(p.address, Edit.arg("קטגוריה:כתב (שורש)"));
        QCOMPARE(p.text, text);
    }

    // Root pages as the verb dialog writes them and as the wiki holds them.
    void rootTitle_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("category"); // what "קטגוריה:אות" becomes
        QTest::newRow("maqaf") << lines({"השורש כ־ת־ב הוא שורש מגזרת השלמים.", "", "===נטיות הפעלים===",
                                         "{{נטיות פעלים|שורש=כ־ת־ב", "|קל עבר=כָּתַב", "}}", "[[קטגוריה:אות]]"})
                               << Edit.arg("קטגוריה:כתב (שורש)") << "[[קטגוריה:כ]]";
        QTest::newRow("distinguishing letter") << lines(
            {"===נטיות הפעלים===", "{{נטיות פעלים|שורש=ס־פ־ר <small>א</small>", "|קל עבר=", "}}", "[[קטגוריה:אות]]"})
                                               << Edit.arg("קטגוריה:ספר א (שורש)") << "[[קטגוריה:ס]]";
        QTest::newRow("template on several lines, root not first")
            << lines({"===נטיות הפעלים===", "{{נטיות פעלים", "|גזרה={{ל|שלמים}}", "| שורש = ע-ר-ך<small>ב</small> ",
                      "|קל עבר=", "}}", "[[קטגוריה:אות]]"})
            << Edit.arg("קטגוריה:ערך ב (שורש)") << "[[קטגוריה:ע]]";
        QTest::newRow("a linked root") << lines({"{{נטיות פעלים", "|שורש=[[ש-מ-ר|ש־מ־ר]]", "}}", "[[קטגוריה:אות]]"})
                                       << Edit.arg("קטגוריה:שמר (שורש)") << "[[קטגוריה:ש]]";
        QTest::newRow("a root inside another template is not the page's")
            << lines({"==שָׁלוֹם==", "{{נטיות פעלים", "|ראו={{x|שורש=ש-ל-ם}}", "}}", "[[קטגוריה:אות]]"})
            << Edit.arg("שלום") << "[[קטגוריה:אות]]";
        QTest::newRow("one hidden in a note is not the page's")
            << lines({"==שָׁלוֹם==", "<!--", "{{נטיות פעלים", "|שורש=ש-ל-ם", "|קל עבר=", "}}", "-->", "[[קטגוריה:אות]]"})
            << Edit.arg("שלום") << "[[קטגוריה:אות]]";
    }

    void rootTitle()
    {
        QFETCH(QString, page);
        QFETCH(QString, address);
        QFETCH(QString, category);
        const PreviewResult p = Preview::prepare(page);
        QCOMPARE(p.address, address);
        QVERIFY(p.text.endsWith(category));
    }

    void rootPageWithoutARoot()
    {
        const QString page = lines({"{{נטיות פעלים|שורש=", "|בניין=", "}}", "[[קטגוריה:אות]]"});
        const PreviewResult p = Preview::prepare(page);
        QCOMPARE(p.status, PreviewResult::NoRoot);
        QCOMPARE(p.text, page);
        QVERIFY(p.address.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PreviewTest)
#include "PreviewTest.moc"
