#include "check/EntryCheck.h"
#include "dialogs/footnotes/logic/Footnotes.h"
#include "regex/RegEx.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTest>

using EntryCheck::Code;

namespace {

// "¶" is a CR LF, as the editor holds a line break.
QString page(QString written)
{
    return written.replace(QStringLiteral("¶"), QStringLiteral("\r\n"));
}

EntryCheck::Result checked(const QString &text)
{
    RegEx regex;
    return EntryCheck::check(regex, text);
}

// Each problem as "LINE COLUMN CODE".
QStringList found(const QString &text)
{
    QStringList out;
    for (const EntryCheck::Problem &p : checked(text).problems)
        out << QStringLiteral("%1 %2 %3").arg(p.line).arg(p.column).arg(EntryCheck::codeName(p.code));
    return out;
}

const QString kFootnotes = QStringLiteral("===הערות שוליים===");

} // namespace

class EntryCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void problems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QString &text, const QStringList &expected) {
            QTest::newRow(name) << page(text) << expected;
        };

        row("template closed on the last line", "==א==¶# ה¶{{ניתוח¶|א={{שורש|ב}}¶|}}", {});
        row("the outer of two left open", "{{א|{{ב}}", {"1 1 template-unclosed"});
        row("a doubled closing", "# {{א}}}}", {"1 8 template-unopened"});
        row("triple braces", "{{{1}}}", {});
        row("a table's end inside a template", "{{א|¶{|¶|ב¶|}}}", {});
        row("an open template ends with its entry", "==א==¶# ה {{ב¶==ג==¶# ה }}",
            {"2 5 template-unclosed", "4 5 template-unopened"});

        row("a link left open", "[[א|ב]] [[ג", {"1 9 link-unclosed"});
        row("a link ends with its line", "[[א¶ב]]", {"1 1 link-unclosed", "2 2 link-unopened"});
        row("links nested in a file link", "[[קובץ:א.jpg|ממוזער|[[ב]] ג]]", {});
        row("a hidden note's line break ends no link", "[[א<!--¶-->]]", {});

        row("tags closed, self-closing and open", "א<ref name=\"x\"/>ב<REF>ג</Ref><small>ד<br>", {"1 30 tag-unclosed"});
        row("a tag closed in the next entry", "==א==¶# ה <b>ו¶==ב==¶# </b>", {"2 5 tag-unclosed"});
        row("a hidden note never closed", "א<!-- ב", {"1 2 tag-unclosed"});
        row("hidden parts are not read", "<!-- {{ [[ -->¶<nowiki>}} ]]</nowiki> <pre>{{</pre> <math>{{a}}</math>", {});
        row("a heading inside a hidden part", "<pre>¶==א==¶</pre>", {});
        row("a nowiki never closed hides nothing", "<nowiki>{{", {"1 9 template-unclosed"});

        row("a reference above the first heading belongs to the first entry",
            "{{הפניה|1|א}}¶==ב==¶# ה¶" + kFootnotes + "¶# {{הערה|א}} ו", {});
        row("a reference without a note and a note without a reference",
            "==א==¶# ה{{הפניה|1|ו}}¶" + kFootnotes + "¶# {{הערה|ז}} ח",
            {"2 4 reference-without-note", "4 3 note-without-reference"});
        row("a note in another entry", "==א==¶# ה{{הפניה|1|ו}}¶==ב==¶# ה¶" + kFootnotes + "¶# {{הערה|ו}} ח",
            {"2 4 reference-without-note", "6 3 note-without-reference"});
        row("a name without its note, used twice, reported once", "==א==¶# {{הפניה|1|ו}}{{הפניה|2|ו}}",
            {"2 3 reference-without-note"});
        row("references out of number: the first reported",
            "==א==¶# ה{{הפניה|2|ו}}{{הפניה|1|ז}}¶" + kFootnotes + "¶# {{הערה|ו}} ח¶# {{הערה|ז}} ט",
            {"2 4 reference-order"});
        row("a hidden reference is numbered as the renumbering numbers it",
            "==א==¶# ה{{הפניה|1|ו}}<!-- {{הפניה|1|ז}} -->¶" + kFootnotes + "¶# {{הערה|ו}} ח", {"2 22 reference-order"});
        row("two entries whose headings read the same, each numbered from 1",
            "==שָׁלוֹם==¶# ה{{הפניה|1|ו}}¶" + kFootnotes + "¶# {{הערה|ו}} ח¶==שָׁלוֹם==¶# ה{{הפניה|2|ז}}¶" + kFootnotes
                + "¶# {{הערה|ז}} ט",
            {"6 4 reference-order"});

        row("a section before one the guide puts before it", "==א==¶# ה¶===תרגום===¶ו¶===מקור===¶ו",
            {"5 1 section-order"});
        row("the one misplaced section is reported",
            "==א==¶# ה¶===ראו גם===¶ו¶===מקור===¶ו¶===צירופים===¶ו¶===ניגודים===¶ו", {"3 1 section-order"});
        row("sections the entries use besides the guide's", "===גיזרון===¶ו¶===מקורות===¶ו¶===הידעת?===¶ו",
            {"3 1 section-unknown"});
        row("a section twice, names compared without points and spaces", "==א==¶# ה¶===מָקוֹר===¶ו¶=== מקור ===¶ז",
            {"5 1 section-duplicate"});
        row("empty before its level and at the end, not before a sub-heading",
            "===מובאות נוספות===¶====1====¶* ו¶===צירופים===¶¶===ראו גם===¶<!-- ז -->",
            {"4 1 section-empty", "6 1 section-empty"});

        row("numbered lines under a section are no definition", "==א==¶{{ניתוח דקדוקי}}¶#:* ו¶===מקור===¶# ז",
            {"1 1 definition-missing"});
        row("an empty definition line", "==א==¶# ", {"1 1 definition-missing"});
        row("a heading on the last line", "==א==¶# ה¶==ב==", {"3 1 definition-missing"});
        row("translations without a language or a word",
            "{{ת|אנגלית|word}} {{ת||ו}} {{ת|צרפתית| }} {{ת}} {{ת|גרמנית|[[a|b]]}}",
            {"1 19 translation-empty", "1 28 translation-empty", "1 43 translation-empty"});

        row("a lone CR, a LF and a line separator end lines", "א\r}}\n[[ב\u2028}}",
            {"2 1 template-unopened", "3 1 link-unclosed", "4 1 template-unopened"});
        row("columns count the points", "שָׁלוֹם }}", {"1 9 template-unopened"});
    }

    void problems()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(found(text), expected);
    }

    // What the editor's panel shows and offers beside the place.
    void details_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("suggestion");
        QTest::addColumn<bool>("mended");
        QTest::newRow("reference numbers")
            << page("==א==¶# ה{{הפניה|2|ו}}{{הפניה|1|ז}}¶" + kFootnotes + "¶# {{הערה|ו}} ח¶# {{הערה|ז}} ט") << 10 << 13
            << "ההפניה \"ו\" ממוספרת 2 במקום 1" << QString() << true;
        QTest::newRow("an unknown section near a known one")
            << page("===קישורים חיצונים===¶ו") << 0 << 21
            << "הסעיף \"קישורים חיצונים\" אינו מוכר, אולי \"קישורים חיצוניים\""
            << "קישורים חיצוניים" << false;
        QTest::newRow("an unknown section near none")
            << page("===שונות===¶ו") << 0 << 11 << "הסעיף \"שונות\" אינו מוכר" << QString() << false;
        QTest::newRow("a section named beside the one it should follow")
            << page("===ראו גם===¶ו¶===מקור===¶ו¶===צירופים===¶ו") << 0 << 12
            << "הסעיף \"ראו גם\" צריך לבוא אחרי \"צירופים\" ולא לפניו" << QString() << false;
        QTest::newRow("a template's name ends with its line")
            << page("{{ניתוח דקדוקי¶|א=ב") << 0 << 2 << "התבנית \"ניתוח דקדוקי\" לא נסגרה" << QString() << false;
        QTest::newRow("a translation without its word")
            << page("{{ת|צרפתית|}}") << 0 << 13 << "בתרגום לצרפתית חסרה המילה" << QString() << false;
    }

    void details()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(QString, message);
        QFETCH(QString, suggestion);
        QFETCH(bool, mended);
        const QList<EntryCheck::Problem> problems = checked(text).problems;
        QCOMPARE(problems.size(), 1);
        const EntryCheck::Problem &p = problems.first();
        QCOMPARE(p.position, position);
        QCOMPARE(p.length, length);
        QCOMPARE(p.message, message);
        QCOMPARE(p.suggestion, suggestion);
        QCOMPARE(EntryCheck::mendFor(p.code) == EntryCheck::Mend::FixReferences, mended);
    }

    // The command offered for reference numbers, run at the place reported, leaves
    // nothing to report.
    void renumberingMendsTheNumbers()
    {
        const QString text = page("==שָׁלוֹם==¶# ה{{הפניה|1|ו}}¶==בַּיִת==¶# ה{{הפניה|3|ז}} {{הפניה|3|ח}}");
        RegEx regex;
        const EntryCheck::Result before = EntryCheck::check(regex, text);
        const auto order = std::find_if(before.problems.cbegin(), before.problems.cend(),
                                        [](const EntryCheck::Problem &p) { return p.code == Code::ReferenceOrder; });
        QVERIFY(order != before.problems.cend());
        QCOMPARE(order->line, 4);
        const EditorState mended = Footnotes::fixReferences(regex, {text, order->position, 0});
        QVERIFY(mended.text != text);
        for (const EntryCheck::Problem &p : EntryCheck::check(regex, mended.text).problems)
            QVERIFY2(p.code != Code::ReferenceOrder, qPrintable(p.message));
    }

    void noFalseAlarmOnRealEntries()
    {
        const QDir data(QStringLiteral(DALVANA_TEST_DATA));
        QStringList files{"spell/entry.txt", "templates/article.txt", "templates/verb.txt", "templates/root-page.txt"};
        for (const QString &name : QDir(data.filePath("check")).entryList({"*.txt"}, QDir::Files, QDir::Name))
            files << "check/" + name;
        QVERIFY(files.size() > 4);
        for (const QString &file : std::as_const(files)) {
            const QString text = TestFiles::testData(file);
            QVERIFY2(!text.isEmpty(), qPrintable(file));
            const EntryCheck::Result result = checked(text);
            QVERIFY(!result.engineGaveUp);
            QVERIFY2(result.problems.isEmpty(),
                     qPrintable(file + ": " + result.problems.value(0).message + " at line "
                                + QString::number(result.problems.value(0).line)));
        }
    }
};

QTEST_GUILESS_MAIN(EntryCheckTest)
#include "EntryCheckTest.moc"
