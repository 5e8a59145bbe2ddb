#include "dialogs/footnotes/logic/Footnotes.h"

#include "regex/RegEx.h"
#include "support/EditorNotation.h"
#include "support/TextFixtures.h"

#include <QTest>

using TextFixtures::page;

namespace {

const QString kRoot = QStringLiteral("{{שורש|ש-ל-ם}}");
const QString kCategory = QStringLiteral("[[קטגוריה:ברכות]]");

// An entry with two referenced definitions and their notes.
QString twoNotes(const QString &between = QString())
{
    return page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}" + between, "# פרידה.{{הפניה|2|ב}}", "",
                 "===הערות שוליים===", "# {{הערה|א}} הערה א", "# {{הערה|ב}} הערה ב", "", kCategory});
}

} // namespace

class FootnotesTest : public QObject
{
    Q_OBJECT

private slots:
    void renumber_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("result");
        QTest::newRow("0, 7, 3") << "a{{הפניה|0|x}} b{{הפניה|7|y}}\r\nc{{הפניה|3|z}}"
                                 << "a{{הפניה|1|x}} b{{הפניה|2|y}}\r\nc{{הפניה|3|z}}";
        QTest::newRow("many digits") << "{{הפניה|123|x}}{{הפניה|9|y}}"
                                     << "{{הפניה|1|x}}{{הפניה|2|y}}";
        QTest::newRow("a bar in the name") << "{{הפניה|5|x|y}}"
                                           << "{{הפניה|1|x|y}}";
        QTest::newRow("doubled bar: empty number") << "{{הפניה||x|y}}"
                                                   << "{{הפניה|1|x|y}}";
        QTest::newRow("doubled bar alone is no reference") << "{{הפניה||x}}"
                                                           << "{{הפניה||x}}";
        // Replacing the first occurrence of each would give the first one the 2.
        QTest::newRow("two equal references keep their order") << "{{הפניה|1|x}} {{הפניה|1|x}}"
                                                               << "{{הפניה|1|x}} {{הפניה|2|x}}";
        QTest::newRow("second renumbered into the first's old text") << "{{הפניה|5|x}} {{הפניה|1|x}}"
                                                                     << "{{הפניה|1|x}} {{הפניה|2|x}}";
        QTest::newRow("nested braces are no reference") << "{{הפניה|1|{{x}}}} {{הפניה|4|y}}"
                                                        << "{{הפניה|1|{{x}}}} {{הפניה|1|y}}";
        QTest::newRow("no name is no reference") << "{{הפניה|4}}"
                                                 << "{{הפניה|4}}";
        QTest::newRow("after a character outside the BMP")
            << QStringLiteral("\U0001D11E{{הפניה|9|x}}ש") << QStringLiteral("\U0001D11E{{הפניה|1|x}}ש");
    }

    void renumber()
    {
        QFETCH(QString, section);
        QFETCH(QString, result);
        RegEx regex;
        QCOMPARE(Footnotes::renumberReferences(regex, section), result);
    }

    void insertLine_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("earlier");
        QTest::addColumn<QString>("result");
        const QString line = "# {{הערה|ג}} הערה ג";
        const QString created = "\r\n\r\n===הערות שוליים===\r\n" + line + "\r\n\r\n";
        QTest::newRow("new section before the root")
            << page({"# x", "", kRoot, kCategory}) << 0 << page({"# x", "", created + kRoot, kCategory});
        QTest::newRow("new section before the category, which comes first")
            << page({"# x", "", kCategory, kRoot}) << 0 << page({"# x", "", created + kCategory, kRoot});
        QTest::newRow("new section at the end") << "# x" << 0 << "# x" + created;
        QTest::newRow("new section before the category, not one hidden in a note")
            << page({"# x", "<!-- " + kCategory + " -->", "", kCategory}) << 0
            << page({"# x", "<!-- " + kCategory + " -->", "", created + kCategory});
        QTest::newRow("more references than notes")
            << page({"===הערות שוליים===", "# {{הערה|א}} א  ", "", kCategory}) << 3
            << page({"===הערות שוליים===", "# {{הערה|א}} א", line, "", "", kCategory});
        QTest::newRow("spaces inside the heading's equals signs")
            << page({"=== הערות שוליים ===", "# {{הערה|א}} א", "", kCategory}) << 1
            << page({"=== הערות שוליים ===", "# {{הערה|א}} א", line, "", kCategory});
        QTest::newRow("a blank line under the heading")
            << page({"===הערות שוליים===", "", "# {{הערה|א}} א", "", kCategory}) << 1
            << page({"===הערות שוליים===", "", "# {{הערה|א}} א", line, "", kCategory});
        QTest::newRow("no blank line: the notes end at the first other line")
            << page({"===הערות שוליים===", "# {{הערה|א}} א", kCategory}) << 1
            << page({"===הערות שוליים===", "# {{הערה|א}} א", line, kCategory});
        QTest::newRow("no blank line: the notes run to the end")
            << page({"===הערות שוליים===", "# {{הערה|א}} א"}) << 1
            << page({"===הערות שוליים===", "# {{הערה|א}} א", line, ""});
        QTest::newRow("a template line above the notes is no note line")
            << page({"===הערות שוליים===", "{{הערות שוליים}}", "# {{הערה|א}} א", "", kCategory}) << 1
            << page({"===הערות שוליים===", "{{הערות שוליים}}", "# {{הערה|א}} א", line, "", kCategory});
        QTest::newRow("a hidden note over lines is no note line")
            << page({"===הערות שוליים===", "<!-- ישן:", "# {{הערה|ב}} ב", "-->", "# {{הערה|א}} א", "", kCategory}) << 1
            << page(
                   {"===הערות שוליים===", "<!-- ישן:", "# {{הערה|ב}} ב", "-->", "# {{הערה|א}} א", line, "", kCategory});
        QTest::newRow("a hidden note opened on the last note line is passed")
            << page({"===הערות שוליים===", "# {{הערה|א}} א <!--", "ישן -->", "", kCategory}) << 1
            << page({"===הערות שוליים===", "# {{הערה|א}} א <!--", "ישן -->", line, "", kCategory});
        QTest::newRow("a blank line in a hidden note does not end the notes")
            << page({"===הערות שוליים===", "# {{הערה|א}} א", "<!--", "", "-->", "# {{הערה|ב}} ב", "", kCategory}) << 2
            << page({"===הערות שוליים===", "# {{הערה|א}} א", "<!--", "", "-->", "# {{הערה|ב}} ב", line, "", kCategory});
        QTest::newRow("a section hidden in a note is none")
            << page({"# x", "<!--", "===הערות שוליים===", "-->", kCategory}) << 0
            << page({"# x", "<!--", "===הערות שוליים===", "-->", created + kCategory});
        QTest::newRow("the heading alone at the end")
            << "===הערות שוליים===" << 0 << page({"===הערות שוליים===", line, ""});
    }

    void insertLine()
    {
        QFETCH(QString, section);
        QFETCH(int, earlier);
        QFETCH(QString, result);
        QCOMPARE(Footnotes::insertFootnoteLine(section, "ג", "הערה ג", earlier), result);
    }

    void noteLineBreaks_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("written");
        QTest::newRow("CR LF") << "שורה\r\nשנייה"
                               << "שורה<br/>שנייה";
        QTest::newRow("lone CR, lone LF, separators") << "a\rb\nc\u2028d\u2029e"
                                                      << "a<br/>b<br/>c<br/>d<br/>e";
        QTest::newRow("doubled CR LF") << "a\r\n\r\nb"
                                       << "a<br/><br/>b";
    }

    void noteLineBreaks()
    {
        QFETCH(QString, note);
        QFETCH(QString, written);
        QCOMPARE(Footnotes::insertFootnoteLine("# x", "n", note, 0),
                 "# x\r\n\r\n===הערות שוליים===\r\n# {{הערה|n}} " + written + "\r\n\r\n");
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "מקור א" << true;
        QTest::newRow("one character") << "x" << true;
        QTest::newRow("backslash E") << "a\\Eb" << true;
        QTest::newRow("dot and brackets of a pattern") << "a.b(c)" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("line break") << "a\r\nb" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("line separator") << "a\u2028b" << false;
        QTest::newRow("a tag") << "<ref>" << false;
        const QString forbidden = "|{}[]'\"~!@#$%^&*?+=<>";
        for (QChar c : forbidden)
            QTest::newRow(qPrintable("holding " + QString(c))) << "a" + QString(c) << false;
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(Footnotes::isValidName(name), valid);
    }

    void taken_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("used with number 1") << "א" << true;
        QTest::newRow("used with number 12") << "מקור" << true;
        QTest::newRow("letters in another case") << "abc" << true;
        QTest::newRow("only a note line carries it") << "הערה" << false;
        QTest::newRow("a longer name holds it") << "קור" << false;
        QTest::newRow("backslash E") << "a\\Eb" << false;
        QTest::newRow("backslash E used") << "x\\Ey" << true;
        QTest::newRow("a dot is no wildcard") << "a.c" << false;
    }

    void taken()
    {
        QFETCH(QString, name);
        QFETCH(bool, taken);
        const QString text
            = "{{הפניה|1|א}} {{הפניה|12|מקור}} {{הפניה|2|ABC}} {{הפניה|3|x\\Ey}} {{הפניה|4|abc}}\r\n"
              "# {{הערה|הערה}} x";
        RegEx regex;
        QCOMPARE(Footnotes::isNameTaken(regex, text, name), taken);
        QVERIFY(!regex.failed());
    }

    void add_data()
    {
        QTest::addColumn<QString>("before"); // "‸" marks the caret when the dialog opened
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("after"); // "‸" marks the caret after adding
        const QString entry = page({TextFixtures::kShalom, "# ברכה‸.", "", kRoot, kCategory});
        QTest::newRow("first note creates the section before the root")
            << entry << "ג"
            << page({TextFixtures::kShalom, "# ברכה{{‸הפניה|1|ג}}.", "", "===הערות שוליים===", "# {{הערה|ג}} הערה", "",
                     kRoot, kCategory});
        QTest::newRow("between two references")
            << twoNotes("‸") << "ג"
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}{{‸הפניה|2|ג}}", "# פרידה.{{הפניה|3|ב}}", "",
                     "===הערות שוליים===", "# {{הערה|א}} הערה א", "# {{הערה|ג}} הערה", "# {{הערה|ב}} הערה ב", "",
                     kCategory});
        QTest::newRow("caret inside a reference")
            << twoNotes().replace("{{הפניה|1|", "{{הפ‸ניה|1|") << "ג"
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}{{‸הפניה|2|ג}}", "# פרידה.{{הפניה|3|ב}}", "",
                     "===הערות שוליים===", "# {{הערה|א}} הערה א", "# {{הערה|ג}} הערה", "# {{הערה|ב}} הערה ב", "",
                     kCategory});
        QTest::newRow("caret between a letter and its points")
            << page({TextFixtures::kShalom, "# ב‸ְּרָכָה.", "", kRoot, kCategory}) << "ג"
            << page({TextFixtures::kShalom, "# בְּ{{‸הפניה|1|ג}}רָכָה.", "", "===הערות שוליים===", "# {{הערה|ג}} הערה", "",
                     kRoot, kCategory});
        QTest::newRow("caret inside a link's target")
            << page({TextFixtures::kShalom, "# [[בר‸כה|ברכות]] וְשָׁלוֹם.", "", kRoot, kCategory}) << "ג"
            << page({TextFixtures::kShalom, "# [[ברכה|ברכות]]{{‸הפניה|1|ג}} וְשָׁלוֹם.", "",
                     "===הערות שוליים===", "# {{הערה|ג}} הערה", "", kRoot, kCategory});
        QTest::newRow("caret inside a template's name")
            << page(
                   {TextFixtures::kShalom, "# {{צ|{{הדגשה|שלום}}}} {{ר‸או|{{הדגשה|בית}}}} ברכה.", "", kRoot, kCategory})
            << "ג"
            << page({TextFixtures::kShalom, "# {{צ|{{הדגשה|שלום}}}} {{ראו|{{הדגשה|בית}}}}{{‸הפניה|1|ג}} ברכה.", "",
                     "===הערות שוליים===", "# {{הערה|ג}} הערה", "", kRoot, kCategory});
        QTest::newRow("after every reference")
            << twoNotes().replace("הערה ב\r\n\r\n", "הערה ב‸\r\n\r\n") << "ג"
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}", "# פרידה.{{הפניה|2|ב}}", "", "===הערות שוליים===",
                     "# {{הערה|א}} הערה א", "# {{הערה|ב}} הערה ב{{‸הפניה|3|ג}}", "# {{הערה|ג}} הערה", "", kCategory});
        QTest::newRow("caret on a heading line")
            << twoNotes().replace("===הערות שוליים===", "===הערות ‸שוליים===") << "ג"
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}", "# פרידה.{{הפניה|2|ב}}{{‸הפניה|3|ג}}", "",
                     "===הערות שוליים===", "# {{הערה|א}} הערה א", "# {{הערה|ב}} הערה ב", "# {{הערה|ג}} הערה", "",
                     kCategory});
        QTest::newRow("caret above the first heading")
            << page({"‸{{פירוש נוסף}}", TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}", "",
                     "===הערות שוליים===", "# {{הערה|א}} הערה א", "", TextFixtures::kBayit, "# בית.", "",
                     "===הערות שוליים===", "# {{הערה|ב}} הערה ב"})
            << "ג"
            << page({"{{‸הפניה|1|ג}}{{פירוש נוסף}}", TextFixtures::kShalom, "# ברכה.{{הפניה|2|א}}", "",
                     "===הערות שוליים===", "# {{הערה|ג}} הערה", "# {{הערה|א}} הערה א", "", TextFixtures::kBayit,
                     "# בית.", "", "===הערות שוליים===", "# {{הערה|ב}} הערה ב"});
        QTest::newRow("second entry only")
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}", "", TextFixtures::kBayit, "# בית‸.", "", kRoot})
            << "ג"
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}", "", TextFixtures::kBayit, "# בית{{‸הפניה|1|ג}}.",
                     "", "===הערות שוליים===", "# {{הערה|ג}} הערה", "", kRoot});
        // Two entries of one headword, as a page of homographs holds them.
        QTest::newRow("second of two equal headings")
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}", "", "===הערות שוליים===", "# {{הערה|א}} הערה א", "",
                     TextFixtures::kShalom, "# שם‸.", "", kRoot})
            << "ג"
            << page({TextFixtures::kShalom, "# ברכה.{{הפניה|1|א}}", "", "===הערות שוליים===", "# {{הערה|א}} הערה א", "",
                     TextFixtures::kShalom, "# שם{{‸הפניה|1|ג}}.", "", "===הערות שוליים===", "# {{הערה|ג}} הערה", "",
                     kRoot});
        QTest::newRow("spaces tidied in the whole text")
            << page({"x  ", TextFixtures::kShalom, "# א‸", "", "", "", kRoot}) << "ג"
            << page({"x", TextFixtures::kShalom, "# א{{‸הפניה|1|ג}}", "", "===הערות שוליים===", "# {{הערה|ג}} הערה", "",
                     kRoot});
    }

    void add()
    {
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(QString, after);
        const EditorState start = EditorNotation::parse(before);
        RegEx regex;
        const Footnotes::AddResult r = Footnotes::addFootnote(regex, start.text, start.selStart, name, "הערה");
        QCOMPARE(int(r.outcome), int(Footnotes::AddResult::Outcome::Added));
        QCOMPARE(EditorNotation::write(r.state), EditorNotation::write(EditorNotation::parse(after)));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("note");
        QTest::newRow("name of reference 1") << "א"
                                             << "x";
        QTest::newRow("name holding a bar") << "a|b"
                                            << "x";
        QTest::newRow("name holding an equals sign") << "a=b"
                                                     << "x";
        QTest::newRow("empty name") << ""
                                    << "x";
        QTest::newRow("note of spaces and breaks") << "ג"
                                                   << " \r\n\t";
    }

    void refused()
    {
        QFETCH(QString, name);
        QFETCH(QString, note);
        RegEx regex;
        const Footnotes::AddResult r = Footnotes::addFootnote(regex, twoNotes(), 5, name, note);
        QCOMPARE(int(r.outcome), int(Footnotes::AddResult::Outcome::Refused));
        QCOMPARE(r.message, Footnotes::InvalidNameMessage);
        QVERIFY(r.message.endsWith(QChar(0x200F)));
    }

    // The dialog is modeless: the text may have become shorter than the recorded caret.
    void caretPastTheEndGoesToTheEnd()
    {
        RegEx regex;
        const Footnotes::AddResult r = Footnotes::addFootnote(regex, "# א\r\n", 99, "ג", "הערה");
        QCOMPARE(r.state.text, page({"# א", "{{הפניה|1|ג}}", "", "===הערות שוליים===", "# {{הערה|ג}} הערה", "", ""}));
    }

    // Nothing is half done when the engine gives up on the text.
    void engineGivingUpChangesNothing()
    {
        const QString text = page({TextFixtures::kShalom, "# א{{הפניה|7|x}}", TextFixtures::runawayHeadingLine()});
        RegEx regex;
        const Footnotes::AddResult r = Footnotes::addFootnote(regex, text, 20, "ג", "הערה");
        QCOMPARE(int(r.outcome), int(Footnotes::AddResult::Outcome::EngineGaveUp));
        QCOMPARE(r.message, EngineGaveUpMessage);
        const EditorState state{text, 20, 0};
        QCOMPARE(Footnotes::fixReferences(regex, state), state);
        QVERIFY(regex.failed());
    }

    void fixReferences_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("7 and 3 in the current entry")
            << page({TextFixtures::kShalom, "# א‸{{הפניה|7|x}} ב{{הפניה|3|y}}", "", TextFixtures::kBayit,
                     "# {{הפניה|5|z}}"})
            << page({"‸" + TextFixtures::kShalom, "# א{{הפניה|1|x}} ב{{הפניה|2|y}}", "", TextFixtures::kBayit,
                     "# {{הפניה|5|z}}"});
        QTest::newRow("second of two equal headings")
            << page({TextFixtures::kShalom, "# {{הפניה|5|z}}", "", TextFixtures::kShalom, "# ‸{{הפניה|7|x}}"})
            << page({"‸" + TextFixtures::kShalom, "# {{הפניה|5|z}}", "", TextFixtures::kShalom, "# {{הפניה|1|x}}"});
        QTest::newRow("no heading: the whole text") << "{{הפניה|4|x}}\r\n{{הפניה|4|y}}‸"
                                                    << "‸{{הפניה|1|x}}\r\n{{הפניה|2|y}}";
        QTest::newRow("already in order: nothing changes") << "a{{הפניה|1|x}}‸"
                                                           << "a{{הפניה|1|x}}‸";
    }

    void fixReferences()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        RegEx regex;
        QCOMPARE(EditorNotation::write(Footnotes::fixReferences(regex, EditorNotation::parse(before))),
                 EditorNotation::write(EditorNotation::parse(after)));
    }
};

QTEST_GUILESS_MAIN(FootnotesTest)
#include "FootnotesTest.moc"
