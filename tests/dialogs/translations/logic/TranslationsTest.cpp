#include "dialogs/translations/logic/Translations.h"

#include "support/EditorNotation.h"

#include <QTest>

using Rows = QList<TranslationRow>;
Q_DECLARE_METATYPE(TranslationRow)

namespace {

QString lines(const QStringList &l)
{
    return l.join(QStringLiteral("\r\n"));
}

// The first `n` languages of the list, each with one word.
Rows someRows(int n)
{
    Rows rows;
    for (int i = 0; i < n; ++i)
        rows.append({QStringLiteral("w%1").arg(i), Translations::languages().at(i)});
    return rows;
}

} // namespace

namespace QTest {
template <> char *toString(const TranslationRow &row)
{
    return qstrdup(qPrintable(row.words + QStringLiteral(" / ") + row.language));
}
} // namespace QTest

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void languageList()
    {
        const QStringList &list = Translations::languages();
        QCOMPARE(list.size(), 62);
        QCOMPARE(list.first(), QStringLiteral("אנגלית"));
        QCOMPARE(list.at(29), QStringLiteral("טוק פיסין"));
        QCOMPARE(list.last(), QStringLiteral("תורכית"));
        QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), 62);
    }

    void add_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("added");
        QTest::addColumn<Rows>("result");
        const Rows one{{"house", "אנגלית"}};
        const int nothing = int(Translations::Added::Nothing);
        const int extended = int(Translations::Added::Extended);
        const int newRow = int(Translations::Added::NewRow);
        QTest::newRow("new row, trimmed") << Rows{} << "אנגלית"
                                          << "  house \t" << newRow << one;
        QTest::newRow("second word joins the row") << one << "אנגלית"
                                                   << "home " << extended << Rows{{"house, home", "אנגלית"}};
        QTest::newRow("new row goes last") << one << "גרמנית"
                                           << "Haus" << newRow << Rows{{"house", "אנגלית"}, {"Haus", "גרמנית"}};
        QTest::newRow("Arabic marks removed")
            << Rows{} << "ערבית" << QString::fromUtf8("بَيْتً") << newRow << Rows{{QString::fromUtf8("بيت"), "ערבית"}};
        QTest::newRow("all seven marks") << Rows{} << "ערבית"
                                         << QStringLiteral("x\u064B\u064F\u0650\u064D\u0652\u0651\u064E") << newRow
                                         << Rows{{"x", "ערבית"}};
        QTest::newRow("marks alone are no words")
            << one << "אנגלית" << QStringLiteral("\u064B\u0651") << nothing << one;
        QTest::newRow("empty words") << one << "אנגלית"
                                     << "" << nothing << one;
        QTest::newRow("spaces are no words") << one << "אנגלית"
                                             << "   " << nothing << one;
        QTest::newRow("no language") << one << ""
                                     << "x" << nothing << one;
    }

    void add()
    {
        QFETCH(Rows, rows);
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(int, added);
        QFETCH(Rows, result);
        QCOMPARE(int(Translations::add(rows, language, typed)), added);
        QCOMPARE(rows, result);
    }

    void sortByEitherColumn()
    {
        Rows rows{{"b", "רוסית"}, {"c", "אנגלית"}, {"a", "גרמנית"}};
        Translations::sort(rows, Translations::LanguageColumn);
        QCOMPARE(rows, (Rows{{"c", "אנגלית"}, {"a", "גרמנית"}, {"b", "רוסית"}}));
        Translations::sort(rows, Translations::WordsColumn);
        QCOMPARE(rows, (Rows{{"a", "גרמנית"}, {"b", "רוסית"}, {"c", "אנגלית"}}));
    }

    void write_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << Rows{} << "{{תרגומים|\r\n}}";
        QTest::newRow("one") << Rows{{"house, home", "אנגלית"}}
                             << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|house|home}}", "}}"});
        QTest::newRow("spaces around commas")
            << Rows{{"a , b ,c, d,e", "אנגלית"}} << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|a|b|c|d|e}}", "}}"});
        QTest::newRow("five: no column break")
            << someRows(5)
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|w0}}", "* אוזבקית: {{ת|אוזבקית|w1}}",
                      "* אורדו: {{ת|אורדו|w2}}", "* אזרית: {{ת|אזרית|w3}}", "* איטלקית: {{ת|איטלקית|w4}}", "}}"});
        QTest::newRow("six: break after the third")
            << someRows(6)
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|w0}}", "* אוזבקית: {{ת|אוזבקית|w1}}",
                      "* אורדו: {{ת|אורדו|w2}}", "|", "* אזרית: {{ת|אזרית|w3}}", "* איטלקית: {{ת|איטלקית|w4}}",
                      "* אינדונזית: {{ת|אינדונזית|w5}}", "}}"});
        QTest::newRow("seven: break after the fourth")
            << someRows(7)
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|w0}}", "* אוזבקית: {{ת|אוזבקית|w1}}",
                      "* אורדו: {{ת|אורדו|w2}}", "* אזרית: {{ת|אזרית|w3}}", "|", "* איטלקית: {{ת|איטלקית|w4}}",
                      "* אינדונזית: {{ת|אינדונזית|w5}}", "* איסלנדית: {{ת|איסלנדית|w6}}", "}}"});
    }

    void write()
    {
        QFETCH(Rows, rows);
        QFETCH(QString, text);
        QCOMPARE(Translations::write(rows), text);
    }

    void read_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("read");
        QTest::addColumn<Rows>("rows");
        const QString six = Translations::write(someRows(6));
        Rows sixSorted = someRows(6);
        Translations::sort(sixSorted, Translations::LanguageColumn);
        for (TranslationRow &row : sixSorted)
            row.line = QStringLiteral("{{ת|%1|%2}}").arg(row.language, row.words);
        QTest::newRow("whole template with its break") << six << true << sixSorted;
        QTest::newRow("bare lines, the last without its break")
            << lines({"* רוסית: {{ת|רוסית|дом}}", "* אנגלית: {{ת|אנגלית|house|home}}"}) << true
            << Rows{{"house, home", "אנגלית", "{{ת|אנגלית|house|home}}"},
                    {QString::fromUtf8("дом"), "רוסית", QString::fromUtf8("{{ת|רוסית|дом}}")}};
        QTest::newRow("the template's first line, the last row without its break")
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|house}}"}) << true
            << Rows{{"house", "אנגלית", "{{ת|אנגלית|house}}"}};
        QTest::newRow("a line without words or language is skipped")
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|}}", "* בלי נקודתיים", "*", "", "* סינית: {{ת|סינית|中文}}",
                      "}}"})
            << true << Rows{{QString::fromUtf8("中文"), "סינית", QString::fromUtf8("{{ת|סינית|中文}}")}};
        QTest::newRow("one-character line")
            << lines({"{{תרגומים|", "x", "* a: {{ת|a|b}}", "}}"}) << true << Rows{{"b", "a", "{{ת|a|b}}"}};
        QTest::newRow("no translation in it") << "* אנגלית: house" << false << Rows{};
        QTest::newRow("empty selection") << "" << false << Rows{};
        QTest::newRow("a lone CR stays inside its line") << "* אנגלית: {{ת|אנגלית|a\rb}}\r\n"
                                                         << true << Rows{{"a\rb", "אנגלית", "{{ת|אנגלית|a\rb}}"}};
        // Lines as real entries write them.
        QTest::newRow("a note after the template, commas in it")
            << QString::fromUtf8("* ערבית: {{ת|ערבית|ثُلْث}} (הגייה: ת'ולת', ברבים: אתלאת')") << true
            << Rows{{QString::fromUtf8("ثُلْث (הגייה: ת'ולת', ברבים: אתלאת')"), "ערבית",
                     QString::fromUtf8("{{ת|ערבית|ثُلْث}} (הגייה: ת'ולת', ברבים: אתלאת')")}};
        QTest::newRow("two templates on one line")
            << "* גרמנית: {{ת|גרמנית|Drittel}}, {{ת|גרמנית|dritte|tr=x}}" << true
            << Rows{{"Drittel, dritte, tr=x", "גרמנית", "{{ת|גרמנית|Drittel}}, {{ת|גרמנית|dritte|tr=x}}"}};
        QTest::newRow("a template inside a translation")
            << QString::fromUtf8("* יפנית: {{ת|יפנית|{{רובי|猫|ねこ}}|[[a|b]]}}") << true
            << Rows{{QString::fromUtf8("{{רובי|猫|ねこ}}, [[a|b]]"), "יפנית",
                     QString::fromUtf8("{{ת|יפנית|{{רובי|猫|ねこ}}|[[a|b]]}}")}};
        QTest::newRow("no language before the template: the template's")
            << "*{{ת|אנגלית|third}} {{ז}}" << true << Rows{{"third {{ז}}", "אנגלית", "{{ת|אנגלית|third}} {{ז}}"}};
        QTest::newRow("a line under another, no language before its colon")
            << "*: {{ת|אנגלית|calm}} (בריטית)" << true
            << Rows{{"calm (בריטית)", "אנגלית", "{{ת|אנגלית|calm}} (בריטית)"}};
        QTest::newRow("a dialect's line under a row stays with it")
            << lines({"* ערבית: {{ת|ערבית|ثلث}}", "*: ערבית מצרית: {{ת|ערבית מצרית|تلت}}"}) << true
            << Rows{{QString::fromUtf8("ثلث"), "ערבית",
                     QString::fromUtf8("{{ת|ערבית|ثلث}}\r\n*: ערבית מצרית: {{ת|ערבית מצרית|تلت}}")}};
        QTest::newRow("a colon inside the template only")
            << "* {{ת|אנגלית|a:b}}" << true << Rows{{"a:b", "אנגלית", "{{ת|אנגלית|a:b}}"}};
        QTest::newRow("direction marks and no-break spaces around the language")
            << lines({"\u200F* אנגלית\u00A0: {{ת|אנגלית|a}}", "*\u00A0{{ת|גרמנית\u200E|b}}"}) << true
            << Rows{{"a", "אנגלית", "{{ת|אנגלית|a}}"}, {"b", "גרמנית", "{{ת|גרמנית\u200E|b}}"}};
        QTest::newRow("an unclosed template without a language") << "* {{ת|אנגלית|a" << true << Rows{};
        QTest::newRow("lines around a whole template are not its rows")
            << lines({"* גרמנית: {{ת|גרמנית|b}}", "{{תרגומים|", "* אנגלית: {{ת|אנגלית|a}}", "}}", ""}) << true
            << Rows{{"a", "אנגלית", "{{ת|אנגלית|a}}"}};
        QTest::newRow("first and last rows on the template's own lines")
            << lines({"{{תרגומים|* גרמנית: {{ת|גרמנית|b}}", "* אנגלית: {{ת|אנגלית|a}}}}"}) << true
            << Rows{{"a", "אנגלית", "{{ת|אנגלית|a}}"}, {"b", "גרמנית", "{{ת|גרמנית|b}}"}};
    }

    void read()
    {
        QFETCH(QString, selection);
        QFETCH(bool, read);
        QFETCH(Rows, rows);
        const std::optional<Rows> result = Translations::read(selection, Translations::LanguageColumn);
        QCOMPARE(result.has_value(), read);
        if (read)
            QCOMPARE(*result, rows);
    }

    void writeInPlace_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("selection within lines") << "x⟦{{ת|a|b}}⟧y"
                                                << "xT‸y";
        QTest::newRow("whole lines keep the last break") << "x¶⟦a¶b¶⟧y"
                                                         << "x¶T¶‸y";
        QTest::newRow("a lone CR LF selected") << "x⟦¶⟧y"
                                               << "xT¶‸y";
        QTest::newRow("a lone CR is no line break") << "x⟦a\r⟧y"
                                                    << "xT‸y";
        QTest::newRow("caret only") << "x‸y"
                                    << "xT‸y";
        QTest::newRow("caret at the start of a line") << "x¶‸y"
                                                      << "x¶T¶‸y";
        QTest::newRow("the heading and blank line around a whole template stay")
            << "x¶⟦===תרגום===¶{{תרגומים|¶* a: {{ת|a|b}}¶}}¶¶⟧y"
            << "x¶===תרגום===¶T¶¶‸y";
        QTest::newRow("rows selected inside a template are written as rows") << "{{תרגומים|¶⟦* c: {{ת|c|d}}¶⟧}}"
                                                                             << "{{תרגומים|¶* a: {{ת|a|b}}¶‸}}";
        QTest::newRow("a selection ending between the braces of the close holds it")
            << "{{תרגומים|¶⟦* c: {{ת|c|d}}¶}⟧}¶y"
            << "{{תרגומים|¶* a: {{ת|a|b}}¶}}‸¶y";
    }

    void writeInPlace()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        // T stands for a written template.
        const QString written = QStringLiteral("{{תרגומים|\r\n* a: {{ת|a|b}}\r\n}}");
        const EditorState result = Translations::writeInPlace(EditorNotation::parse(before), written);
        QCOMPARE(EditorNotation::write(result),
                 QString(after).replace(u'T', EditorNotation::write({written, 0, 0}).remove(u'‸')));
    }

    // Every language with words that carry spaces and several translations: read back
    // gives the same rows, written again the same text.
    void readingAndWritingAreInverse_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1;
        QTest::newRow("five") << 5;
        QTest::newRow("six") << 6;
        QTest::newRow("all 62") << 62;
    }

    void readingAndWritingAreInverse()
    {
        QFETCH(int, count);
        Rows rows;
        for (int i = 0; i < count; ++i)
            rows.append({QStringLiteral("word %1, other word").arg(i), Translations::languages().at(i)});
        Translations::sort(rows, Translations::LanguageColumn);
        const QString text = Translations::write(rows);
        const std::optional<Rows> back = Translations::read(text, Translations::LanguageColumn);
        QVERIFY(back.has_value());
        QCOMPARE(back->size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(back->at(i).words, rows.at(i).words);
            QCOMPARE(back->at(i).language, rows.at(i).language);
        }
        QCOMPARE(Translations::write(*back), text);
    }

    // A block as real entries hold it, read, words added (language, words, ...), and
    // written: only the column break and the lines' opening move.
    void rewrite_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QStringList>("additions");
        QTest::addColumn<QString>("written");
        const QString block = lines({"{{תרגומים|", "*אנגלית: {{ת|אנגלית|third}}", "|",
                                     "* ערבית: {{ת|ערבית|ثُلْث}} (הגייה: ת'ולת', ברבים: אתלאת')",
                                     "* גרמנית: {{ת|גרמנית|Drittel}}, {{ת|גרמנית|Dritte|tr=x}}", "* לטינית: tertia",
                                     "* צרפתית: {{ת|צרפתית|tiers}} {{ז}}", "* רוסית: {{ת|רוסית|треть}}", "}}"});
        QTest::newRow("no additions") << block << QStringList{}
                                      << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|third}}",
                                                "* גרמנית: {{ת|גרמנית|Drittel}}, {{ת|גרמנית|Dritte|tr=x}}",
                                                "* לטינית: tertia", "|",
                                                "* ערבית: {{ת|ערבית|ثُلْث}} (הגייה: ת'ולת', ברבים: אתלאת')",
                                                "* צרפתית: {{ת|צרפתית|tiers}} {{ז}}", "* רוסית: {{ת|רוסית|треть}}",
                                                "}}"});
        QTest::newRow("words join the last template, before the note")
            << lines({"* ערבית: {{ת|ערבית|ثُلْث}} (הגייה: a, b)", "* גרמנית: {{ת|גרמנית|a}}, {{ת|גרמנית|b}} {{ז}}",
                      "* לטינית: tertia"})
            << QStringList{"ערבית", "x, y", "גרמנית", "c", "לטינית", "d", "אנגלית", "e , f"}
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|e|f}}", "* גרמנית: {{ת|גרמנית|a}}, {{ת|גרמנית|b|c}} {{ז}}",
                      "* לטינית: tertia, {{ת|לטינית|d}}", "* ערבית: {{ת|ערבית|ثُلْث|x|y}} (הגייה: a, b)", "}}"});
        QTest::newRow("words join a template of their own language only")
            << lines({"* נורבגית: {{ת|נורבגית|fred}} ({{ת|נינורשק|fred}})", "* סינית: {{ת|סינית מנדרינית|和平}}"})
            << QStringList{"נורבגית", "ro", "סינית", "x"}
            << lines({"{{תרגומים|", "* נורבגית: {{ת|נורבגית|fred|ro}} ({{ת|נינורשק|fred}})",
                      "* סינית: {{ת|סינית מנדרינית|和平}}, {{ת|סינית|x}}", "}}"});
        QTest::newRow("words join no template hidden in a note")
            << lines({"* אנגלית: {{ת|אנגלית|house}} <!-- {{ת|אנגלית|old}} -->", "* גרמנית: <!-- {{ת|גרמנית|x}} -->"})
            << QStringList{"אנגלית", "home", "גרמנית", "Haus"}
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|house|home}} <!-- {{ת|אנגלית|old}} -->",
                      "* גרמנית: <!-- {{ת|גרמנית|x}} -->, {{ת|גרמנית|Haus}}", "}}"});
        QTest::newRow("a translation wrapped over lines stays whole")
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|peace|", "quiet", "}} {{ז}}", "* גרמנית: {{ת|גרמנית|Ruhe}}",
                      "}}"})
            << QStringList{"אנגלית", "calm"}
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|peace|", "quiet|calm", "}} {{ז}}",
                      "* גרמנית: {{ת|גרמנית|Ruhe}}", "}}"});
        QTest::newRow("a hidden note over lines stays whole, its lines no rows")
            << lines({"{{תרגומים|", "* גרמנית: {{ת|גרמנית|Haus}}<!-- ישן:", "* צרפתית: {{ת|צרפתית|maison}}", "-->",
                      "<!--", "* איטלקית: {{ת|איטלקית|casa}}", "-->", "* אנגלית: {{ת|אנגלית|house}}", "}}"})
            << QStringList{"גרמנית", "Heim"}
            << lines({"{{תרגומים|", "* אנגלית: {{ת|אנגלית|house}}", "* גרמנית: {{ת|גרמנית|Haus|Heim}}<!-- ישן:",
                      "* צרפתית: {{ת|צרפתית|maison}}", "-->", "<!--", "* איטלקית: {{ת|איטלקית|casa}}", "-->", "}}"});
    }

    void rewrite()
    {
        QFETCH(QString, block);
        QFETCH(QStringList, additions);
        QFETCH(QString, written);
        Rows rows = Translations::read(block, Translations::LanguageColumn).value();
        for (qsizetype i = 0; i + 1 < additions.size(); i += 2)
            Translations::add(rows, additions.at(i), additions.at(i + 1));
        Translations::sort(rows, Translations::LanguageColumn);
        QCOMPARE(Translations::write(rows), written);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
