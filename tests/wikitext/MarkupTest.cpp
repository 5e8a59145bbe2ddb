#include "support/EditorNotation.h"
#include "wikitext/Markup.h"

#include <QTest>

using EditorNotation::parse;
using EditorNotation::write;

namespace {
const QString kPlaceholder = QStringLiteral("[[תמונה:PictureFileName.jpg|שמאל|ממוזער|184px|כיתוב תמונה]]");
}

class MarkupTest : public QObject
{
    Q_OBJECT

private slots:
    void simpleCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("bold wraps b of abc") << "bold"
                                             << "a⟦b⟧c"
                                             << "a'''b'''‸c";
        QTest::newRow("bold without a selection") << "bold"
                                                  << "ab‸c"
                                                  << "ab'''‸c";
        QTest::newRow("bold wraps across a line break") << "bold"
                                                        << "א⟦ב¶ג⟧ד"
                                                        << "א'''ב¶ג'''‸ד";
        QTest::newRow("bold wraps Hebrew at the end") << "bold"
                                                      << "שלום ⟦עולם⟧"
                                                      << "שלום '''עולם'''‸";
        QTest::newRow("line break replaces the selection") << "br"
                                                           << "א⟦ב⟧ג"
                                                           << "א<br/>‸ג";
        QTest::newRow("line break at the caret") << "br"
                                                 << "‸"
                                                 << "<br/>‸";
        QTest::newRow("maqaf at the caret") << "maqaf"
                                            << "כל‸"
                                            << "כל־‸";
        QTest::newRow("maqaf replaces the selection") << "maqaf"
                                                      << "כל⟦-⟧בו"
                                                      << "כל־‸בו";
        QTest::newRow("wikipedia link of abc") << "wikipedia"
                                               << "⟦abc⟧"
                                               << "[[w:abc|abc]]‸";
        QTest::newRow("wikipedia link inside a line") << "wikipedia"
                                                      << "ראו ⟦ירושלים⟧ שם"
                                                      << "ראו [[w:ירושלים|ירושלים]]‸ שם";
        QTest::newRow("wikipedia link without a selection") << "wikipedia"
                                                            << "ab‸c"
                                                            << "ab‸c";
        QTest::newRow("comment on an empty text") << "comment"
                                                  << ""
                                                  << "<!--‸הערה-->¶¶";
        QTest::newRow("comment goes on top, selection dropped") << "comment"
                                                                << "א¶⟦ב⟧"
                                                                << "<!--‸הערה-->¶¶א¶ב";
        QTest::newRow("quote of a whole line") << "quote"
                                               << "⟦שלום עולם⟧"
                                               << "#:* {{הדגשה|\"שלום עולם\"|(‸)}}";
        QTest::newRow("quote of part of a line") << "quote"
                                                 << "שלום ⟦עולם⟧"
                                                 << "שלום {{הדגשה|\"עולם\"|(‸)}}";
        QTest::newRow("quote of a whole middle line") << "quote"
                                                      << "א¶⟦שלום⟧¶ב"
                                                      << "א¶#:* {{הדגשה|\"שלום\"|(‸)}}¶ב";
        QTest::newRow("quote of a line with its break") << "quote"
                                                        << "⟦שלום¶⟧עולם"
                                                        << "{{הדגשה|\"שלום¶\"|(‸)}}עולם";
        QTest::newRow("quote of a line and the next") << "quote"
                                                      << "⟦א¶ב⟧"
                                                      << "{{הדגשה|\"א¶ב\"|(‸)}}";
        QTest::newRow("quote of the start of a line") << "quote"
                                                      << "⟦abc⟧d"
                                                      << "{{הדגשה|\"abc\"|(‸)}}d";
        QTest::newRow("quote without a selection") << "quote"
                                                   << "שלום‸"
                                                   << "שלום‸";
    }

    void simpleCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const EditorState state = parse(before);
        EditorState result;
        if (command == "bold")
            result = Markup::bold(state);
        else if (command == "br")
            result = Markup::lineBreak(state);
        else if (command == "maqaf")
            result = Markup::maqaf(state);
        else if (command == "wikipedia")
            result = Markup::wikipediaLink(state);
        else if (command == "comment")
            result = Markup::comment(state);
        else if (command == "quote")
            result = Markup::quote(state);
        QCOMPARE(write(result), after);
    }

    void toggledTags_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("openBefore");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("openAfter");
        const int small = int(Markup::ToggledTag::Small);
        const int math = int(Markup::ToggledTag::Math);
        const int noWiki = int(Markup::ToggledTag::NoWiki);
        QTest::newRow("small opens") << small << false << "א‸ב"
                                     << "א<small>‸ב" << true;
        QTest::newRow("small closes") << small << true << "א‸ב"
                                      << "א</small>‸ב" << false;
        QTest::newRow("small wraps, closed stays closed") << small << false << "⟦א⟧"
                                                          << "<small>א</small>‸" << false;
        QTest::newRow("small wraps, open stays open") << small << true << "⟦א⟧"
                                                      << "<small>א</small>‸" << true;
        QTest::newRow("math opens") << math << false << "‸"
                                    << "<math>‸" << true;
        QTest::newRow("math closes") << math << true << "x^2‸"
                                     << "x^2</math>‸" << false;
        QTest::newRow("math wraps") << math << false << "a ⟦x^2⟧ b"
                                    << "a <math>x^2</math>‸ b" << false;
        QTest::newRow("nowiki opens") << noWiki << false << "‸"
                                      << "<nowiki>‸" << true;
        QTest::newRow("nowiki closes") << noWiki << true << "[[x]]‸"
                                       << "[[x]]</nowiki>‸" << false;
        QTest::newRow("nowiki wraps") << noWiki << true << "⟦[[x]]⟧"
                                      << "<nowiki>[[x]]</nowiki>‸" << true;
    }

    void toggledTags()
    {
        QFETCH(int, tag);
        QFETCH(bool, openBefore);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, openAfter);
        const auto which = Markup::ToggledTag(tag);
        Markup::TagToggles toggles;
        toggles.open(which) = openBefore;
        Markup::TagToggles others = toggles;
        QCOMPARE(write(Markup::toggledTag(parse(before), which, toggles)), after);
        QCOMPARE(toggles.open(which), openAfter);
        others.open(which) = openAfter;
        QVERIFY2(toggles == others, "only the tag's own toggle may change");
    }

    void toggleFollowsItsFlagNotTheText()
    {
        // Three uses without a selection, a wrap between them, and a hand-deleted tag:
        // the toggle alone decides what goes in.
        Markup::TagToggles toggles;
        EditorState s = Markup::toggledTag(parse("‸"), Markup::ToggledTag::Small, toggles);
        s = Markup::toggledTag(s, Markup::ToggledTag::Small, toggles);
        QCOMPARE(write(s), QStringLiteral("<small></small>‸"));
        s = Markup::toggledTag(s, Markup::ToggledTag::Small, toggles);
        QCOMPARE(write(s), QStringLiteral("<small></small><small>‸"));
        s = Markup::toggledTag(parse("⟦a⟧"), Markup::ToggledTag::Small, toggles);
        QVERIFY(toggles.smallOpen);
        s = Markup::toggledTag(parse("‸"), Markup::ToggledTag::Small, toggles);
        QCOMPARE(write(s), QStringLiteral("</small>‸"));
    }

    void imageLine_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        const QString L = kPlaceholder;
        QTest::newRow("other line: below it") << "שורה‸¶אחרת"
                                              << ""
                                              << "שורה¶" + L + "¶‸אחרת";
        QTest::newRow("other line: empty line after it removed") << "שו‸רה¶¶אחרת"
                                                                 << ""
                                                                 << "שורה¶" + L + "¶‸אחרת";
        QTest::newRow("other line: blank line after it kept") << "שורה‸¶ ¶אחרת"
                                                              << ""
                                                              << "שורה¶" + L + "¶‸ ¶אחרת";
        QTest::newRow("other line, last in the text") << "א‸"
                                                      << ""
                                                      << "א¶" + L + "‸";
        QTest::newRow("other line before a final break") << "א‸¶"
                                                         << ""
                                                         << "א¶" + L + "‸";
        QTest::newRow("definition line: above it") << "א¶# הגדרה‸¶ב"
                                                   << ""
                                                   << "א¶" + L + "¶‸# הגדרה¶ב";
        QTest::newRow("definition line first in the text") << "‸# הגדרה"
                                                           << "" << L + "¶‸# הגדרה";
        QTest::newRow("empty line: above it, the line removed") << "א¶‸¶ב"
                                                                << ""
                                                                << "א¶" + L + "¶‸ב";
        QTest::newRow("blank line: above it, the line kept") << "א¶ \t‸¶ב"
                                                             << ""
                                                             << "א¶" + L + "¶‸ \t¶ב";
        QTest::newRow("empty text") << ""
                                    << "" << L + "‸";
        QTest::newRow("caret line is where the selection ends") << "⟦א¶# ב⟧¶ג"
                                                                << ""
                                                                << "א¶" + L + "¶‸# ב¶ג";
        QTest::newRow("clipboard names a picture") << "א‸"
                                                   << "Cat.png"
                                                   << "א¶[[תמונה:Cat.png|שמאל|ממוזער|184px|כיתוב תמונה]]‸";
    }

    void imageLine()
    {
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        QCOMPARE(write(Markup::image(parse(before), clipboard)), after);
    }

    void imageLink_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty clipboard") << ""
                                         << "PictureFileName.jpg";
        QTest::newRow("no picture") << "שלום"
                                    << "PictureFileName.jpg";
        QTest::newRow("upper-case extension") << "File:Example.JPG"
                                              << "File:Example.JPG";
        QTest::newRow("Image: prefix removed") << "Image:Cat.png"
                                               << "Cat.png";
        QTest::newRow("image: in lower case stays") << "image:Cat.png"
                                                    << "image:Cat.png";
        QTest::newRow("only the first Image: goes") << "Image:Image:a.svg"
                                                    << "Image:a.svg";
        QTest::newRow("surrounding white space trimmed") << " \tחתול.gif\r\n"
                                                         << "חתול.gif";
        QTest::newRow("299 code units") << QString(295, 'x') + ".jpg" << QString(295, 'x') + ".jpg";
        QTest::newRow("300 code units") << QString(296, 'x') + ".jpg"
                                        << "PictureFileName.jpg";
        QTest::newRow("extension anywhere in the text") << "a.gifx"
                                                        << "a.gifx";
        QTest::newRow("a line feed inside becomes CR LF") << "a.jpg\nb"
                                                          << "a.jpg\r\nb";
        QTest::newRow("a lone CR inside becomes CR LF") << "a\rb.png"
                                                        << "a\r\nb.png";
    }

    void imageLink()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, name);
        QCOMPARE(Markup::imageLink(clipboard),
                 QStringLiteral("[[תמונה:") + name + QStringLiteral("|שמאל|ממוזער|184px|כיתוב תמונה]]"));
    }

    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        const QString t = QStringLiteral("ab\r\ncd\r\n");
        QTest::newRow("start of the text") << t << 0 << 0 << 0 << 2;
        QTest::newRow("end of the first line") << t << 2 << 0 << 0 << 2;
        QTest::newRow("between CR and LF") << t << 3 << 0 << 0 << 2;
        QTest::newRow("start of the second line") << t << 4 << 1 << 4 << 6;
        QTest::newRow("after the last break") << t << 8 << 2 << 8 << 8;
        QTest::newRow("empty text") << QString() << 0 << 0 << 0 << 0;
    }

    void lines()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(int, index);
        QFETCH(int, start);
        QFETCH(int, end);
        QCOMPARE(Markup::lineIndexAt(text, position), index);
        QCOMPARE(Markup::lineStartAt(text, position), start);
        QCOMPARE(Markup::lineEndAt(text, position), end);
    }
};

QTEST_GUILESS_MAIN(MarkupTest)
#include "MarkupTest.moc"
