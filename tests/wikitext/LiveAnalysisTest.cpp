#include "support/EditorNotation.h"
#include "wikitext/LiveAnalysis.h"

#include <QRandomGenerator>
#include <QTest>

using EditorNotation::parse;
using EditorNotation::write;

namespace {

// The change handler as it runs in the editor: one step after another, each from the
// start of the whole text; the caret stays after the first link.
EditorState stepByStep(const EditorState &state)
{
    EditorState first = state;
    if (!LiveAnalysis::rootLinkStep(first))
        return state;
    EditorState next = first;
    while (LiveAnalysis::rootLinkStep(next)) { }
    return {next.text, first.selStart, 0};
}

// Texts of "@" signs and roots that recur, fail, nest and share signs.
QString randomSigns(QRandomGenerator &random)
{
    static const QStringList kPieces{"@",
                                     "@",
                                     "@",
                                     QStringLiteral("כתב"),
                                     QStringLiteral("ספר"),
                                     QStringLiteral("אב"),
                                     QStringLiteral("ש"),
                                     " ",
                                     "-",
                                     "]]",
                                     "\r\n",
                                     QStringLiteral("@כתב@"),
                                     QStringLiteral("@ספר א@"),
                                     QStringLiteral("@כתב")};
    QString text;
    for (int i = random.bounded(40); i > 0; --i)
        text += kPieces.at(random.bounded(int(kPieces.size())));
    return text;
}

} // namespace

class LiveAnalysisTest : public QObject
{
    Q_OBJECT

private slots:
    void characterCount_data()
    {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("caption");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("empty") << qint64(0) << english << "[ 0 תווים ]";
        QTest::newRow("below a thousand") << qint64(999) << english << "[ 999 תווים ]";
        QTest::newRow("comma groups") << qint64(1234) << english << "[ 1,234 תווים ]";
        QTest::newRow("millions") << qint64(5242880) << english << "[ 5,242,880 תווים ]";
        QTest::newRow("Hebrew locale") << qint64(1234) << QLocale(QLocale::Hebrew, QLocale::Israel)
                                       << "[ 1,234 תווים ]";
        QTest::newRow("German dots") << qint64(1234567) << QLocale(QLocale::German, QLocale::Germany)
                                     << "[ 1.234.567 תווים ]";
        QTest::newRow("C locale still groups") << qint64(1234) << QLocale::c() << "[ 1,234 תווים ]";
    }

    void characterCount()
    {
        QFETCH(qint64, length);
        QFETCH(QLocale, locale);
        QFETCH(QString, caption);
        QCOMPARE(LiveAnalysis::characterCountText(length, locale), caption);
    }

    void lengthFromDocumentCounts_data()
    {
        // A document keeps one separator per block plus one at the end; the editor's
        // text has a CR LF between blocks.
        QTest::addColumn<qint64>("characters");
        QTest::addColumn<qint64>("blocks");
        QTest::addColumn<qint64>("length");
        QTest::newRow("empty") << qint64(1) << qint64(1) << qint64(0);
        QTest::newRow("one line abc") << qint64(4) << qint64(1) << qint64(3);
        QTest::newRow("a CR LF b") << qint64(4) << qint64(2) << qint64(4);
        QTest::newRow("two empty lines") << qint64(3) << qint64(3) << qint64(4);
    }

    void lengthFromDocumentCounts()
    {
        QFETCH(qint64, characters);
        QFETCH(qint64, blocks);
        QFETCH(qint64, length);
        QCOMPARE(LiveAnalysis::editorTextLength(characters, blocks), length);
    }

    void rootLink_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const QString ktv = QStringLiteral("[[:קטגוריה:כתב (שורש)|כ־ת־ב]]");
        const QString spr = QStringLiteral("[[:קטגוריה:ספר (שורש)|ס־פ־ר]]");
        QTest::newRow("three letters") << "@כתב@‸" << ktv + "‸";
        QTest::newRow("hyphens") << "@כ-ת-ב@‸" << ktv + "‸";
        QTest::newRow("maqafs") << "@כ־ת־ב@‸" << ktv + "‸";
        QTest::newRow("white space inside the signs") << "@ כתב\t@‸" << ktv + "‸";
        QTest::newRow("final letter becomes its base") << "@מלך@‸"
                                                       << "[[:קטגוריה:מלכ (שורש)|מ־ל־כ]]‸";
        QTest::newRow("every final letter") << "@ךםןףץ@‸"
                                            << "[[:קטגוריה:כמנפצ (שורש)|כ־מ־נ־פ־צ]]‸";
        QTest::newRow("index") << "@ספר א@‸"
                               << "[[:קטגוריה:ספר א (שורש)|ס־פ־ר <small>א</small>]]‸";
        QTest::newRow("index of a final-letter root") << "@מלך ב@‸"
                                                      << "[[:קטגוריה:מלכ ב (שורש)|מ־ל־כ <small>ב</small>]]‸";
        QTest::newRow("only one index character") << "@ספר אב@‸"
                                                  << "[[:קטגוריה:ספר א (שורש)|ס־פ־ר <small>א</small>]]‸";
        QTest::newRow("shin dot is one letter") << "@שׁמר@‸"
                                                << "[[:קטגוריה:שמר (שורש)|שׁ־מ־ר]]‸";
        QTest::newRow("sin dot is one letter") << "@עשׂה@‸"
                                               << "[[:קטגוריה:עשה (שורש)|ע־שׂ־ה]]‸";
        QTest::newRow("mappiq he is one letter") << "@גבהּ@‸"
                                                 << "[[:קטגוריה:גבה (שורש)|ג־ב־הּ]]‸";
        QTest::newRow("nine characters") << "@אבגדהוזחט@‸"
                                         << "[[:קטגוריה:אבגדהוזחט (שורש)|א־ב־ג־ד־ה־ו־ז־ח־ט]]‸";
        QTest::newRow("text around, caret after the link") << "שורש: @כתב@‸ סוף"
                                                           << "שורש: " + ktv + "‸ סוף";
        QTest::newRow("every occurrence of the pair") << "@כתב@‸ ו@כתב@" << ktv + "‸ ו" + ktv;
        QTest::newRow("repeated for the next pair") << "@כתב@‸ @ספר@" << ktv + "‸ " + spr;
        QTest::newRow("repetition stops at the first pair that fails") << "@כתב@‸ @אב@ @ספר@" << ktv + "‸ @אב@ @ספר@";
        // The caret goes after the link made, not after a "]]" the root itself holds.
        QTest::newRow("brackets in the root") << "@]]x@‸"
                                              << "[[:קטגוריה:]]x (שורש)|]־]־x]]‸";
        QTest::newRow("two signs alone") << "‸"
                                         << "‸";
        QTest::newRow("two letters") << "@אב@‸"
                                     << "@אב@‸";
        QTest::newRow("ten letters") << "@אבגדהוזחטי@‸"
                                     << "@אבגדהוזחטי@‸";
        QTest::newRow("hyphens do not count") << "@א-ב--@‸"
                                              << "@א-ב--@‸";
        QTest::newRow("blanks beside hyphens are not letters") << "@-  לש@‸"
                                                               << "@-  לש@‸";
        QTest::newRow("trimmed once the hyphens are gone") << "@ -כתב- @‸" << ktv + "‸";
        QTest::newRow("lone sign") << "אבג @‸"
                                   << "אבג @‸";
        QTest::newRow("no sign") << "כתב‸"
                                 << "כתב‸";
        QTest::newRow("empty text") << ""
                                    << "‸";
        QTest::newRow("an earlier sign decides") << "mail@example.org ו@כתב@‸"
                                                 << "mail@example.org ו@כתב@‸";
        QTest::newRow("selection kept when nothing changes") << "⟦@אב@⟧"
                                                             << "⟦@אב@⟧";
    }

    void rootLink()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(write(LiveAnalysis::rootLink(parse(before))), after);
    }

    void sameAsStepByStep()
    {
        QRandomGenerator random(1812);
        int changed = 0;
        for (int round = 0; round < 5000; ++round) {
            const EditorState before{randomSigns(random), 0, 0};
            const EditorState expected = stepByStep(before);
            bool converted = false;
            QCOMPARE(LiveAnalysis::rootLink(before, &converted), expected);
            QCOMPARE(converted, expected != before);
            changed += converted;
        }
        QVERIFY(changed > 1000); // the texts do convert, and not always
        QVERIFY(changed < 4500);
    }

    void singleStepConvertsOnePairOnly()
    {
        EditorState s = parse(QStringLiteral("@כתב@ @ספר@"));
        QVERIFY(LiveAnalysis::rootLinkStep(s));
        QCOMPARE(write(s), QStringLiteral("[[:קטגוריה:כתב (שורש)|כ־ת־ב]]‸ @ספר@"));
        EditorState unchanged = parse(QStringLiteral("@אב@ @ספר@"));
        QVERIFY(!LiveAnalysis::rootLinkStep(unchanged));
        QCOMPARE(write(unchanged), QStringLiteral("‸@אב@ @ספר@"));
    }
};

QTEST_GUILESS_MAIN(LiveAnalysisTest)
#include "LiveAnalysisTest.moc"
