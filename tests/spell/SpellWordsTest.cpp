#include "spell/SpellWords.h"

#include <QTest>

class SpellWordsTest : public QObject
{
    Q_OBJECT

private slots:
    void findWords_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("words");
        QTest::newRow("first and last word of the line") << "שָׁלוֹם עוֹלָם"
                                                         << "שָׁלוֹם|עוֹלָם";
        QTest::newRow("one-letter line") << "ו"
                                         << "ו";
        QTest::newRow("cantillation stays with the word") << "בְּרֵאשִׁ֖ית בָּרָ֣א"
                                                          << "בְּרֵאשִׁ֖ית|בָּרָ֣א";
        QTest::newRow("maqaf and sof pasuq part words") << "כָּל־הָאָרֶץ׃"
                                                        << "כָּל|הָאָרֶץ";
        QTest::newRow("geresh and gershayim inside") << "צה\"ל ו-צ'יפס ג׳ירפה"
                                                     << "צה\"ל|ו|צ'יפס|ג׳ירפה";
        QTest::newRow("geresh after the last letter") << "וכו' ה׳ סוף"
                                                      << "וכו'|ה׳|סוף";
        QTest::newRow("quotation marks are not gershayim") << "\"ציטוט\""
                                                           << "ציטוט";
        QTest::newRow("italic quotes are markup") << "''נטוי''"
                                                  << "נטוי";
        QTest::newRow("template name skipped, value read") << "{{הדגשה|מילה}}"
                                                           << "מילה";
        QTest::newRow("parameter name skipped") << "{{ניתוח דקדוקי|כתיב מלא=שלום}}"
                                                << "שלום";
        QTest::newRow("link target skipped, caption read") << "[[יעד|כיתוב]] [[ספר]]"
                                                           << "כיתוב";
        QTest::newRow("address skipped") << "https://he.wiktionary.org/wiki/שלום מילה"
                                         << "מילה";
        QTest::newRow("tag skipped, its content read") << "<ref name=\"מקור\">ספר</ref>"
                                                       << "ספר";
        QTest::newRow("hidden note skipped") << "<!-- הערה --> גלוי"
                                             << "גלוי";
        QTest::newRow("Latin word skipped") << "hello עולם"
                                            << "עולם";
        QTest::newRow("mixed with Latin or digits") << "abcשלום ב2000 x_מילה"
                                                    << "";
        QTest::newRow("chapter and verse of a reference") << "כָּתוּב (יחזקאל יב, א)."
                                                          << "כָּתוּב|יחזקאל";
        QTest::newRow("verses, then a second reference") << "(שמות כא, כג-כה; ויקרא כד, כ)"
                                                         << "שמות|ויקרא";
        QTest::newRow("chapter with gershayim, verse of three letters") << "(תהלים קי\"ט, קעו)"
                                                                        << "תהלים";
        QTest::newRow("a rising value is no numeral") << "(אמר לו, אבא)"
                                                      << "אמר|לו|אבא";
        QTest::newRow("no reference without its brackets") << "ראו יב, א"
                                                           << "ראו|יב|א";
    }

    void findWords()
    {
        QFETCH(QString, line);
        QFETCH(QString, words);
        QList<WikiSyntax::Span> spans;
        WikiSyntax::scanLine(line, WikiSyntax::StartState, &spans);
        QStringList found;
        for (const SpellWords::Word &w : SpellWords::findWords(line, spans))
            found << line.mid(w.start, w.length);
        QCOMPARE(found.join(u'|'), words);
    }

    void plainForm_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("plain");
        QTest::newRow("points") << "שָׁלוֹם"
                                << "שלום";
        QTest::newRow("cantillation and meteg") << "בָּ֣רָֽא"
                                                << "ברא";
        QTest::newRow("qamats qatan") << "כׇּל"
                                      << "כל";
        QTest::newRow("Hebrew geresh") << "ג׳ירפה"
                                       << "ג'ירפה";
        QTest::newRow("Hebrew gershayim") << "צה״ל"
                                          << "צה\"ל";
    }

    void plainForm()
    {
        QFETCH(QString, word);
        QFETCH(QString, plain);
        QCOMPARE(SpellWords::plainForm(word), plain);
    }

    void needsNoCheck_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<bool>("skipped");
        QTest::newRow("lone letter") << "ב" << true;
        QTest::newRow("letter with geresh") << "ה'" << true;
        QTest::newRow("year") << "תשפ\"ד" << true;
        QTest::newRow("fifteen as nine and six") << "ט\"ו" << true;
        QTest::newRow("abbreviation, values rising") << "צה\"ל" << false;
        QTest::newRow("two letters") << "של" << false;
        QTest::newRow("a section's name") << "גזרון" << true;
    }

    void needsNoCheck()
    {
        QFETCH(QString, plain);
        QFETCH(bool, skipped);
        QCOMPARE(SpellWords::needsNoCheck(plain), skipped);
    }

    void spellings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("alsoTried");
        QTest::newRow("kubuts takes a vav") << "שֻׁלְחָן"
                                            << "שלחן"
                                            << "שולחן";
        QTest::newRow("holam takes a vav") << "כֹּתֶבֶת"
                                           << "כתבת"
                                           << "כותבת";
        QTest::newRow("hirik takes a yod") << "סִפּוּר"
                                           << "ספור"
                                           << "סיפור";
        QTest::newRow("consonantal yod doubles") << "עִנְיָן"
                                                 << "ענין"
                                                 << "עניין";
        QTest::newRow("consonantal vav doubles") << "מִצְוָה"
                                                 << "מצוה"
                                                 << "מצווה";
        QTest::newRow("trailing geresh may be a quote mark") << "מילה'"
                                                             << "מילה'"
                                                             << "מילה";
    }

    void spellings()
    {
        QFETCH(QString, word);
        QFETCH(QString, first);
        QFETCH(QString, alsoTried);
        const QStringList forms = SpellWords::spellings(word);
        QCOMPARE(forms.first(), first);
        QVERIFY2(forms.contains(alsoTried), qPrintable(forms.join(u' ')));
    }

    // Without points a word is looked up as written: nothing is added to it.
    void unpointedWordHasOneForm()
    {
        QCOMPARE(SpellWords::spellings(u"שלחן"), QStringList{"שלחן"});
        QCOMPARE(SpellWords::spellings(u"סֵפֶר"), QStringList{"ספר"});
    }

    void withPointsOf_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("suggestion");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter typed twice at the end") << "שָׁלוֹםם"
                                                       << "שלום"
                                                       << "שָׁלוֹם";
        QTest::newRow("letter added, without points") << "שָׁלֹם"
                                                      << "שלום"
                                                      << "שָׁלֹום";
        QTest::newRow("letter replaced, without points") << "סֵפֶק"
                                                         << "ספר"
                                                         << "סֵפֶר";
        QTest::newRow("first letter dropped") << "אסֵפֶר"
                                              << "ספר"
                                              << "סֵפֶר";
        QTest::newRow("two words from one") << "בֵּיתסֵפֶר"
                                            << "בית ספר"
                                            << "בֵּית סֵפֶר";
        QTest::newRow("gershayim as the word writes it") << "צה״לל"
                                                         << "צה\"ל"
                                                         << "צה״ל";
        QTest::newRow("unpointed word") << "שלומם"
                                        << "שלום"
                                        << "שלום";
    }

    void withPointsOf()
    {
        QFETCH(QString, word);
        QFETCH(QString, suggestion);
        QFETCH(QString, shown);
        QCOMPARE(SpellWords::withPointsOf(word, suggestion), shown);
    }
};

QTEST_GUILESS_MAIN(SpellWordsTest)
#include "SpellWordsTest.moc"
