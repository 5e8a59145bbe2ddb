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

    void rootPage()
    {
        const QString page = lines(
            {"{{נטיות פעלים|שורש=כ-ת-ב", "|בניין=", "|עבר=כתב", "|הווה=", "}}", "", "[[קטגוריה:אות]]", "|x=", "", "y"});
        const PreviewResult p = Preview::prepare(page);
        QCOMPARE(p.address, Edit.arg("קטגוריה:כתב (שורש)"));
        QCOMPARE(p.text,
                 lines({"{{נטיות פעלים|שורש=כ-ת-ב", "|בניין=-אין-", "|עבר=כתב", "|הווה=-אין-", "}}", "",
                        "[[קטגוריה:כ]]", "|x=-אין-", "", "y"}));
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
