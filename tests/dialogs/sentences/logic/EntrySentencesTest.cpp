#include "dialogs/sentences/logic/EntrySentences.h"
#include "regex/RegEx.h"
#include "support/TextFixtures.h"

#include <QTest>

using TextFixtures::kBayit;
using TextFixtures::kShalom;
using TextFixtures::page;

namespace {

const QString Beside = EntryStructure::BesideDefinition;
const QString Section = EntryStructure::SeparateSection;

// The sentences of the entry at the caret with one plain sentence added, written back.
EditorState addAndWrite(const QString &text, int caret, const QString &definition, const QString &placement,
                        const QString &sentence)
{
    RegEx regex;
    const EditorState state{text, caret, 0};
    EntrySentences s = Sentences::read(regex, state);
    if (!sentence.isEmpty()) {
        NewSentence n{.definition = definition, .placement = placement, .text = sentence};
        Sentences::addSentence(s.examples, n, QString());
    }
    const SentencesWriteBack w = Sentences::writeBack(regex, state, s);
    return w.status == SentencesWriteBack::Written ? w.state : EditorState{QStringLiteral("not written"), 0, 0};
}

} // namespace

class EntrySentencesTest : public QObject
{
    Q_OBJECT

private slots:
    void writeBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("placement");
        QTest::addColumn<QString>("sentence"); // empty: nothing added
        QTest::addColumn<QString>("written");

        const QString two = page({kShalom, "# ברכה.", "#:* שלום לך!", "# היעדר מלחמה.", "#:* שלום עולמי.", "",
                                  "===מובאות נוספות===", "====1====", "* א", "====2====", "* ב", "",
                                  "===תרגום===", ""});
        QTest::newRow("two definitions come back unchanged") << two << ""
                                                             << ""
                                                             << "" << two;
        QTest::newRow("a quotation under the second sub-heading")
            << two << "2" << Section << "ג" << QString(two).replace("* ב\r\n", "* ב\r\n* ג\r\n");

        const QString one = page({kShalom, "# ברכה.", "", "===מובאות נוספות===", "====2====", "* א", "* ב", ""});
        QTest::newRow("one definition: no sub-headings added") << one << ""
                                                               << ""
                                                               << "" << one;

        const QString bare = page(
            {kShalom, "# ברכה.", "", "===מקור===", "x", "", kBayit, "# a", "", "===מקור===", "y", ""});
        QTest::newRow("no section and nothing for one: none made") << bare << ""
                                                                   << ""
                                                                   << "" << bare;
        QTest::newRow("a section made after the source section")
            << bare << "" << Section << "q"
            << QString(bare).replace("x\r\n\r\n", "x\r\n\r\n===מובאות נוספות===\r\n* q\r\n\r\n");
        const QString commentators = page(
            {kShalom, "# ברכה.", "", "===מקור===", "x", "", "===פרשנים מפרשים===", "z", "", "===ראו גם===", ""});
        QTest::newRow("after the commentators section")
            << commentators << "" << Section << "q"
            << QString(commentators).replace("z\r\n\r\n", "z\r\n\r\n===מובאות נוספות===\r\n* q\r\n\r\n");
        const QString laterSource = page({kShalom, "# ברכה.", "", kBayit, "# a", "", "===מקור===", "y", ""});
        QTest::newRow("the next entry's source section is not this one's")
            << laterSource << "" << Section << "q"
            << QString(laterSource).replace("ברכה.\r\n\r\n", "ברכה.\r\n\r\n===מובאות נוספות===\r\n* q\r\n\r\n");
        QTest::newRow("no blank line at the end: the section goes after the definitions")
            << page({kShalom, "# ברכה."}) << "" << Section << "q"
            << page({kShalom, "# ברכה.", "", "===מובאות נוספות===", "* q", "", ""});
        QTest::newRow("no line break at the end: none added")
            << page({kShalom, "# ברכה.", "", "===מובאות נוספות===", "* q"}) << "1" << Beside << "s"
            << page({kShalom, "# ברכה.", "#:* s", "", "===מובאות נוספות===", "* q"});

        QTest::newRow("the section goes when its last quotation leaves")
            << page({kShalom, "# א", "", "===מובאות נוספות===", "* q", "", "===תרגום===", ""}) << "1" << Beside << "s"
            << page({kShalom, "# א", "#:* s", "", "===מובאות נוספות===", "* q", "", "===תרגום===", ""});

        QTest::newRow("a blank line under the heading: the section keeps it and its heading")
            << page({kShalom, "# א", "# ב", "", "===מובאות נוספות===", "", "* q", ""}) << "2" << Section << "r"
            << page({kShalom, "# א", "# ב", "", "===מובאות נוספות===", "", "* q", "====2====", "* r", ""});
        QTest::newRow("trailing spaces on a definition line do not lose the sentence")
            << page({kShalom, "# א   ", "# ב", ""}) << "1" << Beside << "s"
            << page({kShalom, "# א", "#:* s", "# ב", ""});
        QTest::newRow("a block of examples only keeps them")
            << page({kShalom, "#:* a", ""}) << "" << Beside << "b" << page({kShalom, "#:* a", "#:* b", ""});
        QTest::newRow("a number with a leading zero")
            << page({kShalom, "# א", "# ב", ""}) << "02" << Beside << "s" << page({kShalom, "# א", "# ב", "#:* s", ""});
        QTest::newRow("line breaks in the sentence") << page({kShalom, "# א", ""}) << "1" << Beside << "a\r\nb\rc"
                                                     << page({kShalom, "# א", "#:* a / b / c", ""});
        QTest::newRow("a typed zero goes to the first") << page({kShalom, "#:* a", "# א", "# ב", ""}) << "00" << Beside
                                                        << "s" << page({kShalom, "#:* a", "# א", "#:* s", "# ב", ""});
        QTest::newRow("a number past the last definition goes to the first")
            << page({kShalom, "# א", "# ב", ""}) << "3" << Beside << "s" << page({kShalom, "# א", "#:* s", "# ב", ""});

        // Sections right under the definitions, with no blank line, as many entries have them.
        const QString tight = page({kShalom, "# ברכה.", "#:* שלום לך!", "===מובאות נוספות===", "* א", "",
                                    "===צירופים===", "* שלום עליכם", ""});
        QTest::newRow("quotations right under the definitions: unchanged") << tight << ""
                                                                           << ""
                                                                           << "" << tight;
        QTest::newRow("quotations right under the definitions: a sentence beside")
            << tight << "1" << Beside << "s" << QString(tight).replace("לך!\r\n", "לך!\r\n#:* s\r\n");
        QTest::newRow("phrases right under the definitions: the section goes before them")
            << page({kShalom, "# ברכה.", "===צירופים===", "* שלום עליכם", ""}) << "1" << Section << "q"
            << page({kShalom, "# ברכה.", "===מובאות נוספות===", "* q", "", "===צירופים===", "* שלום עליכם", ""});
        QTest::newRow("the root template right under the definitions: the section goes before it")
            << page({kShalom, "# ברכה.", "{{שורש|ש-ל-ם}}", "[[קטגוריה:ברכות]]"}) << "1" << Section << "q"
            << page({kShalom, "# ברכה.", "===מובאות נוספות===", "* q", "", "{{שורש|ש-ל-ם}}", "[[קטגוריה:ברכות]]"});
        QTest::newRow("phrases right under the source section")
            << page({kShalom, "# ברכה.", "", "===מקור===", "x", "===צירופים===", ""}) << "1" << Section << "q"
            << page({kShalom, "# ברכה.", "", "===מקור===", "x", "===מובאות נוספות===", "* q", "", "===צירופים===", ""});

        // Rows keep their definition when nothing was edited.
        const QString noHeading = page({"# א", "#:* a", "# ב", "#:* b", ""});
        QTest::newRow("no heading: the text opens with a definition") << noHeading << ""
                                                                      << ""
                                                                      << "" << noHeading;
        const QString early = page({kShalom, "#:* a", "# א", "#:* b", "# ב", ""});
        QTest::newRow("an example above the first definition stays there") << early << ""
                                                                           << ""
                                                                           << "" << early;
        const QString ungrouped = page(
            {kShalom, "# א", "# ב", "", "===מובאות נוספות===", "* q", "====2====", "* r", ""});
        QTest::newRow("quotations above the first sub-heading stay there") << ungrouped << ""
                                                                           << ""
                                                                           << "" << ungrouped;

        QStringList ten{kShalom};
        for (int i = 1; i <= 10; ++i)
            ten << QStringLiteral("# d%1").arg(i);
        ten << ""
            << "===מובאות נוספות===";
        for (int i = 1; i <= 10; ++i)
            ten << QStringLiteral("====%1====").arg(i) << QStringLiteral("* q%1").arg(i);
        ten << "";
        QTest::newRow("ten sub-headings stay in numeric order") << page(ten) << ""
                                                                << ""
                                                                << "" << page(ten);
    }

    void writeBack()
    {
        QFETCH(QString, text);
        QFETCH(QString, definition);
        QFETCH(QString, placement);
        QFETCH(QString, sentence);
        QFETCH(QString, written);
        QCOMPARE(addAndWrite(text, 0, definition, placement, sentence).text, written);
    }

    // The entry under the caret is written, even when an earlier one reads the same,
    // heading and all.
    void twinEntriesTheSecondIsWritten()
    {
        const QString text = page({kShalom, "# א", "", kShalom, "# א", ""});
        const EditorState w = addAndWrite(text, int(text.lastIndexOf(kShalom)) + 2, "1", Beside, "s");
        QCOMPARE(w.text, page({kShalom, "# א", "", kShalom, "# א", "#:* s", ""}));
        QCOMPARE(w.selStart, int(text.lastIndexOf("# א")));
    }

    void textChangedWhileOpen()
    {
        const QString text = page({kShalom, "# א", "", "===מובאות נוספות===", "* q", ""});
        RegEx regex;
        EntrySentences s = Sentences::read(regex, EditorState{text, 0, 0});
        NewSentence n{.definition = "1", .placement = Section, .text = "r"};
        QVERIFY(Sentences::addSentence(s.examples, n, QString()));

        const EditorState moved{"intro\r\n\r\n" + text, 0, 0};
        QCOMPARE(Sentences::writeBack(regex, moved, s).state.text,
                 "intro\r\n\r\n" + page({kShalom, "# א", "", "===מובאות נוספות===", "* q", "* r", ""}));

        // Without a section of its own, the new one stays in the entry that moved.
        const QString bare = page({kShalom, "# א", "", kBayit, "# ב", "", "===מקור===", "y", ""});
        EntrySentences b = Sentences::read(regex, EditorState{bare, 0, 0});
        QVERIFY(Sentences::addSentence(b.examples, n, QString()));
        QCOMPARE(Sentences::writeBack(regex, EditorState{"x\r\n" + bare, 0, 0}, b).state.text,
                 "x\r\n"
                     + page({kShalom, "# א", "", "===מובאות נוספות===", "* r", "", kBayit, "# ב", "", "===מקור===", "y",
                             ""}));

        const EditorState edited{QString(text).replace("* q", "* w"), 5, 0};
        const SentencesWriteBack w = Sentences::writeBack(regex, edited, s);
        QCOMPARE(w.status, SentencesWriteBack::NotFound);
        QCOMPARE(w.state, edited);
    }
};

QTEST_GUILESS_MAIN(EntrySentencesTest)
#include "EntrySentencesTest.moc"
