#include "regex/RegEx.h"
#include "support/SamplePages.h"
#include "support/TextFixtures.h"
#include "wikitext/Unify.h"

#include <QTest>

namespace {

using TextFixtures::page;

QString unify(const QString &text)
{
    RegEx regex;
    return Unify::unify(regex, EditorState{text, 0, 0}).text;
}

using TextFixtures::kBayit;
using TextFixtures::kShalom;
const QString kSection = QStringLiteral("===משפטים לדוגמה===");

} // namespace

class UnifyTest : public QObject
{
    Q_OBJECT

private slots:
    void unify_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unified");

        QTest::newRow("the example") << page({kShalom, "# ברכה.", "# היעדר מלחמה.", "", kSection, "* שלום לך! (1)",
                                              "* שלום בין העמים. (2)", "", "===מקור===", "x"})
                                     << page({kShalom, "# ברכה.", "#:* שלום לך!", "# היעדר מלחמה.",
                                              "#:* שלום בין העמים.", "", "===מקור===", "x"});
        QTest::newRow("one definition takes every sentence, markers and all")
            << page({kShalom, "# ברכה.", "", kSection, "* א (1)", "* ב (2)", "", "x"})
            << page({kShalom, "# ברכה.", "#:* א (1)", "#:* ב (2)", "", "x"});
        QTest::newRow("lines 1 and 3 only")
            << page({kShalom, "# א", "# ב", "# ג", "", kSection, "* ס3 (3)", "* ס1 (1)", "", "x"})
            << page({kShalom, "# א", "#:* ס1", "# ב", "# ג", "#:* ס3", "", "x"});
        QTest::newRow("two markers without a space between them")
            << page({kShalom, "# א", "# ב", "", kSection, "* ס (1)(2)", "", "x"})
            << page({kShalom, "# א", "#:* ס(2)", "# ב", "#:* ס (1)(2)", "", "x"});
        QTest::newRow("an example line already there is a numbered line")
            << page({kShalom, "# א", "#:* קיים", "# ב", "", kSection, "* ס (2)", "* ט (3)", "", "x"})
            << page({kShalom, "# א", "#:* קיים", "#:* ס", "# ב", "#:* ט", "", "x"});
        QTest::newRow("a sentence naming no definition goes under the first")
            << page({kShalom, "# א", "# ב", "", kSection, "* ס (2)", "* בלי סימן", "* ט (7)", "", "x"})
            << page({kShalom, "# א", "#:* בלי סימן", "#:* ט (7)", "# ב", "#:* ס", "", "x"});
        QTest::newRow("a section without bullets before its blank line loses nothing")
            << page({kShalom, "# א", "", kSection, "", "===מובאות נוספות===", "* מובאה (1)", "", "x"})
            << page({kShalom, "# א", "", kSection, "", "===מובאות נוספות===", "* מובאה (1)", "", "x"});
        QTest::newRow("no blank line after the definitions: left alone")
            << page({kShalom, "# א", kSection, "* ס (1)", ""}) << page({kShalom, "# א", kSection, "* ס (1)", ""});
        QTest::newRow("no section") << page({kShalom, "# א", "", "x"}) << page({kShalom, "# א", "", "x"});
        QTest::newRow("the section ends the page")
            << page({kShalom, "# א", "# ב", "", kSection, "* ס (2)"}) << page({kShalom, "# א", "# ב", "#:* ס", ""});
        QTest::newRow("the section runs into the next entry")
            << page({kShalom, "# א", "", kSection, "* ס (1)", kBayit, "# ב", ""})
            << page({kShalom, "# א", "#:* ס (1)", "", kBayit, "# ב", ""});
        QTest::newRow("a line between heading and bullets stays with the heading")
            << page({kShalom, "# א", "# ב", "", kSection, "הערה", "* ס (2)", "", "x"})
            << page({kShalom, "# א", "# ב", "#:* ס", "", kSection, "הערה", "", "x"});

        // Two entries keep their own sentences; "* s 1" of the first is not cut out of
        // "* s 10" of the second, and identical definition lines take only their own.
        QTest::newRow("two entries") << page(
            {kShalom, "# אותה הגדרה", "", kSection, "* s 1", "", kBayit, "# אותה הגדרה", "", kSection, "* s 10", "",
             "x"}) << page({kShalom, "# אותה הגדרה", "#:* s 1", "", kBayit, "# אותה הגדרה", "#:* s 10", "", "x"});
        QTest::newRow("the second entry only")
            << page({kShalom, "# א", "", "===מקור===", "", kBayit, "# ב", "# ג", "", kSection, "* ס (2)", "", "x"})
            << page({kShalom, "# א", "", "===מקור===", "", kBayit, "# ב", "# ג", "#:* ס", "", "x"});
        QTest::newRow("a heading with final letters only is no entry for this command")
            << page({QStringLiteral("==ךְ=="), "# א", "", kSection, "* ס", ""})
            << page({QStringLiteral("==ךְ=="), "# א", "", kSection, "* ס", ""});
    }

    void unify()
    {
        QFETCH(QString, text);
        QFETCH(QString, unified);
        QCOMPARE(::unify(text), unified);
    }

    // Every entry of a long page is handled, not only the first fifteen.
    void everyEntry()
    {
        QStringList before, after;
        for (int i = 1; i <= 40; ++i) {
            const QString n = QString::number(i);
            before << kShalom << "# הגדרה " + n << "# שנייה " + n << "" << kSection << "* משפט " + n + " (2)"
                   << "";
            after << kShalom << "# הגדרה " + n << "# שנייה " + n << "#:* משפט " + n << "";
        }
        QCOMPARE(::unify(page(before)), page(after));
    }

    // On pages of entries every sentence lands once under its entry's definitions,
    // and only the section headings and one blank line each go.
    void pagesLoseNoSentence()
    {
        for (quint32 seed = 1; seed <= 10; ++seed) {
            const QString before = SamplePages::realPage(20000, seed);
            const QString after = ::unify(before);
            const int sections = int(before.count(kSection));
            QVERIFY(sections > 0);
            QCOMPARE(after.count(kSection), 0);
            QCOMPARE(after.count(QStringLiteral("\r\n")), before.count(QStringLiteral("\r\n")) - 2 * sections);
            const QStringList lines = before.split(QStringLiteral("\r\n"));
            for (const QString &line : lines) {
                if (!line.startsWith(u'*') || !line.contains(QStringLiteral(" במשפט ")))
                    continue;
                const QString sentence = line.left(line.lastIndexOf(QStringLiteral(" (")));
                QVERIFY2(after.contains(QStringLiteral("\r\n#:") + sentence), qPrintable(sentence));
            }
        }
    }

    void caret()
    {
        RegEx regex;
        const EditorState untouched{page({kShalom, "# א", "", "x"}), 5, 2};
        QCOMPARE(Unify::unify(regex, untouched), untouched);
        const EditorState state{page({kShalom, "# א", "", kSection, "* ס", ""}), 5, 2};
        const EditorState result = Unify::unify(regex, state);
        QCOMPARE(result.selStart, 0);
        QCOMPARE(result.selLength, 0);
    }
};

QTEST_GUILESS_MAIN(UnifyTest)
#include "UnifyTest.moc"
