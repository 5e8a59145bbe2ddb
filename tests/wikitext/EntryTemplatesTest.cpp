#include "regex/RegEx.h"
#include "support/TestFiles.h"
#include "support/TextFixtures.h"
#include "wikitext/EntryTemplates.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(EditorState)

namespace {

// The skeletons as written out line by line in tests/data/templates.
QString fixture(const char *name)
{
    return TestFiles::testData(QStringLiteral("templates/") + QLatin1String(name))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString line(const QString &text, int number)
{
    return text.split(QStringLiteral("\r\n")).value(number - 1);
}

const QString crlf = QStringLiteral("\r\n");
// Written with escapes: the order of the points is part of the text.
const QString ArticleHeading = QStringLiteral("==ש\u05C1\u05B5ם ע\u05B5ר\u05B6ך\u05B0 מ\u05B0נ\u05BBק\u05B8\u05BCד==");
const QString VerbHeading = QStringLiteral("==פ\u05BC\u05B9ע\u05B7ל מ\u05B0נ\u05BBק\u05B8\u05BCד==");

} // namespace

class EntryTemplatesTest : public QObject
{
    Q_OBJECT

private slots:
    void skeletons_data()
    {
        QTest::addColumn<QString>("skeleton");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("lines");
        QTest::newRow("article") << Templates::Article << fixture("article.txt") << 833 << 49;
        QTest::newRow("verb") << Templates::Verb << fixture("verb.txt") << 799 << 45;
    }

    void skeletons()
    {
        QFETCH(QString, skeleton);
        QFETCH(QString, expected);
        QFETCH(int, length);
        QFETCH(int, lines);
        QCOMPARE(skeleton.size(), length);
        QCOMPARE(skeleton.split(crlf).size(), lines);
        QVERIFY(!skeleton.endsWith(crlf));
        QCOMPARE(skeleton, expected);
    }

    void verbSharesTheBody()
    {
        const QStringList article = Templates::Article.split(crlf);
        const QStringList verb = Templates::Verb.split(crlf);
        QCOMPARE(verb.mid(6), article.mid(10));
        QCOMPARE(verb.first(), VerbHeading);
    }

    void newDocuments_data()
    {
        QTest::addColumn<EditorState>("state");
        QTest::addColumn<int>("arabLine");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("article") << Templates::newArticle() << 36 << ArticleHeading;
        QTest::newRow("verb") << Templates::newVerb() << 32 << VerbHeading;
    }

    void newDocuments()
    {
        QFETCH(EditorState, state);
        QFETCH(int, arabLine);
        QFETCH(QString, firstLine);
        QCOMPARE(state.selStart, 2);
        QCOMPARE(state.selLength, 0);
        QCOMPARE(line(state.text, 1), firstLine);
        QCOMPARE(line(state.text, arabLine), QStringLiteral("* ערבית: {{ת|ערבית|كلمة}}"));
        QCOMPARE(line(state.text, arabLine + 2), QStringLiteral("* רוסית: {{ת|רוסית|слово}}"));
        QVERIFY(!state.text.contains(Templates::ArabPlaceholder));
        QVERIFY(!state.text.contains(Templates::RussianPlaceholder));
    }

    void sampleWordsComeFromTheLabels()
    {
        const EditorState s = Templates::newArticle(QStringLiteral("A"), QStringLiteral("R"));
        QCOMPARE(line(s.text, 36), QStringLiteral("* ערבית: {{ת|ערבית|A}}"));
        QCOMPARE(line(s.text, 38), QStringLiteral("* רוסית: {{ת|רוסית|R}}"));
    }

    void newRootIsEmpty() { QCOMPARE(Templates::newRoot(), EditorState{}); }

    void appending_data()
    {
        QTest::addColumn<bool>("verb");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::newRow("article after abc") << false << QStringLiteral("abc") << 9;
        QTest::newRow("verb after abc") << true << QStringLiteral("abc") << 9;
        QTest::newRow("article on empty text") << false << QString() << 6;
        QTest::newRow("verb after two lines") << true << QStringLiteral("שלום\r\nעולם") << 16;
    }

    void appending()
    {
        QFETCH(bool, verb);
        QFETCH(QString, before);
        QFETCH(int, caret);
        const EditorState in{before, 1, 1};
        const EditorState out = verb ? Templates::addVerb(in) : Templates::addArticle(in);
        const QString skeleton = verb ? Templates::Verb : Templates::Article;
        QCOMPARE(out.text, before + QStringLiteral("\r\n\r\n") + skeleton);
        QCOMPARE(out.selStart, caret);
        QCOMPARE(out.selLength, 0);
        QCOMPARE(out.text.mid(caret - 2, 2), QStringLiteral("=="));
        QVERIFY(out.text.contains(Templates::ArabPlaceholder));
        QVERIFY(out.text.contains(Templates::RussianPlaceholder));
    }

    void anotherMeaning()
    {
        const EditorState out = Templates::anotherMeaning({QStringLiteral("==x=="), 3, 2});
        QCOMPARE(out.text, Templates::AnotherMeaningNote + QStringLiteral("==x=="));
        QCOMPARE(out.selStart, 21);
        QCOMPARE(out.selLength, 0);
        QVERIFY(out.text.mid(21).startsWith(QStringLiteral("שם הערך הנוכחי,")));
        QVERIFY(Templates::AnotherMeaningNote.endsWith(QStringLiteral("]]}}\r\n\r\n")));
    }

    void tableOfContents_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString shalom = QStringLiteral("==שָׁלוֹם==\r\nטקסט\r\n=={{משני|בַּיִת}}==\r\nעוד");
        QTest::newRow("pointed headings, secondary template removed")
            << shalom << QStringLiteral("{{תוכן|שָׁלוֹם|בַּיִת}}\r\n\r\n") + shalom;
        QTest::newRow("sections without points stay out")
            << QStringLiteral("==שָׁלוֹם==\r\n===מקור===\r\n==כלב==")
            << QStringLiteral("{{תוכן|שָׁלוֹם}}\r\n\r\n==שָׁלוֹם==\r\n===מקור===\r\n==כלב==");
        QTest::newRow("no pointed heading: unchanged")
            << QStringLiteral("==כלב==\r\n===מקור===") << QStringLiteral("==כלב==\r\n===מקור===");
        QTest::newRow("empty text") << QString() << QString();
        QTest::newRow("earlier contents replaced")
            << QStringLiteral("{{תוכן|ישן}}\r\n\r\n==דָּג==") << QStringLiteral("{{תוכן|דָּג}}\r\n\r\n==דָּג==");
        QTest::newRow("every copy of the earlier contents goes")
            << QStringLiteral("{{תוכן|ישן}}\r\n\r\nא\r\n{{תוכן|ישן}}\r\n\r\n==דָּג==")
            << QStringLiteral("{{תוכן|דָּג}}\r\n\r\nא\r\n==דָּג==");
        QTest::newRow("earlier contents without blank line stays")
            << QStringLiteral("{{תוכן|ישן}}\r\n==דָּג==") << QStringLiteral("{{תוכן|דָּג}}\r\n\r\n{{תוכן|ישן}}\r\n==דָּג==");
        QTest::newRow("unclosed earlier contents is not cut")
            << QStringLiteral("{{תוכן|ישן\r\n\r\n==דָּג==")
            << QStringLiteral("{{תוכן|דָּג}}\r\n\r\n{{תוכן|ישן\r\n\r\n==דָּג==");
        QTest::newRow("a line runs from its first == to its last ==")
            << QStringLiteral("==דָּג== ו ==סוף==") << QStringLiteral("{{תוכן|דָּג ו סוף}}\r\n\r\n==דָּג== ו ==סוף==");
    }

    void tableOfContents()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        RegEx regex;
        QCOMPARE(Templates::buildTableOfContents(regex, text), expected);
    }

    void tableOfContentsTwiceLeavesOne()
    {
        RegEx regex;
        const QString both = Templates::newArticle().text + QStringLiteral("\r\n\r\n") + Templates::Verb;
        const QString once = Templates::buildTableOfContents(regex, both);
        QVERIFY(once.startsWith(QStringLiteral("{{תוכן|") + QString(ArticleHeading).remove(u'=') + u'|'
                                + QString(VerbHeading).remove(u'=') + QStringLiteral("}}\r\n\r\n")));
        const QString twice = Templates::buildTableOfContents(regex, once);
        QCOMPARE(twice, once);
        QCOMPARE(twice.count(QStringLiteral("{{תוכן|")), 1);
    }

    // A list without the headings after the place where the engine gave up would
    // pass for a whole one.
    void tableOfContentsStopsWhenTheEngineGivesUp()
    {
        RegEx regex;
        const EditorState state{
            TextFixtures::page({TextFixtures::kShalom, TextFixtures::runawayHeadingLine(), TextFixtures::kBayit}), 3,
            1};
        QCOMPARE(Templates::buildTableOfContents(regex, state), state);
        QVERIFY(regex.failed());
    }

    void tableOfContentsCaret()
    {
        RegEx regex;
        const EditorState plain{QStringLiteral("==כלב=="), 4, 1};
        QCOMPARE(Templates::buildTableOfContents(regex, plain), plain);
        const EditorState out = Templates::buildTableOfContents(regex, EditorState{QStringLiteral("==דָּג=="), 4, 1});
        QCOMPARE(out.selStart, 0);
        QCOMPARE(out.selLength, 0);
    }
};

QTEST_GUILESS_MAIN(EntryTemplatesTest)
#include "EntryTemplatesTest.moc"
