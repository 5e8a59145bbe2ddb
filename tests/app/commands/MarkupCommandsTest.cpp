#include "support/MainWindowFixture.h"
#include "app/commands/MarkupCommands.h"
#include "app/commands/VowelCommands.h"
#include "support/EditorNotation.h"
#include "support/WindowTestCase.h"
#include "wikitext/EditorKeys.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>

using EditorNotation::parse;
using EditorNotation::write;

namespace {
// Lines of every kind an image line or a quotation looks at.
QString page()
{
    return QStringLiteral("==כתב==\r\n# הגדרה\r\n#:* משפט\r\n\r\n  \r\nשורה אחת\r\n\r\n\r\nאחרונה");
}

const QString kImageTail = QStringLiteral("|שמאל|ממוזער|184px|כיתוב תמונה]]");
} // namespace

class MarkupCommandsTest : public WindowTestCase
{
    Q_OBJECT

    MarkupCommands *m_markup = nullptr;

    MarkupCommands &markup() { return *m_markup; }

private slots:
    void init()
    {
        WindowTestCase::init();
        m_markup = &make<MarkupCommands>(host().editor);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Bold") << "Bold"
                              << "הדגשה (Ctrl+B)";
        QTest::newRow("Little") << "Little"
                                << "הקטנה (Ctrl+L)";
        QTest::newRow("Math") << "Math"
                              << "נוסחה מתמטית (Ctrl+M)";
        QTest::newRow("NoWiki") << "NoWiki"
                                << "התעלמות מקוד ויקי";
        QTest::newRow("Br") << "Br"
                            << "שבירת שורה";
        QTest::newRow("Quote") << "Quote"
                               << "ציטוט מהמקורות (Ctrl+Q)";
        QTest::newRow("Image") << "Image"
                               << "תמונה";
        QTest::newRow("Comment") << "Comment"
                                 << "הערה נסתרת";
    }

    void hints()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        MainWindow form;
        QAction *action = MainWindowFixture::action(form, name);
        QVERIFY(action);
        QCOMPARE(action->toolTip(), hint);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::newRow("Bold wraps") << "Bold"
                                    << "a⟦b⟧c"
                                    << ""
                                    << "a'''b'''‸c";
        QTest::newRow("Little opens") << "Little"
                                      << "א‸"
                                      << ""
                                      << "א<small>‸";
        QTest::newRow("Math opens") << "Math"
                                    << "‸x"
                                    << ""
                                    << "<math>‸x";
        QTest::newRow("NoWiki wraps") << "NoWiki"
                                      << "⟦[[x]]⟧"
                                      << ""
                                      << "<nowiki>[[x]]</nowiki>‸";
        QTest::newRow("Br") << "Br"
                            << "א‸ב"
                            << ""
                            << "א<br/>‸ב";
        QTest::newRow("Quote of a line") << "Quote"
                                         << "א¶⟦שלום עולם⟧"
                                         << ""
                                         << "א¶#:* {{הדגשה|\"שלום עולם\"|(‸)}}";
        QTest::newRow("Quote without a selection") << "Quote"
                                                   << "שלום‸"
                                                   << ""
                                                   << "שלום‸";
        QTest::newRow("Comment") << "Comment"
                                 << "טקסט‸"
                                 << ""
                                 << "<!--‸הערה-->¶¶טקסט";
        QTest::newRow("Image from the clipboard") << "Image"
                                                  << "# הגדרה‸"
                                                  << "Image:Cat.png"
                                                  << "[[תמונה:Cat.png" + kImageTail + "¶‸# הגדרה";
        QTest::newRow("Image placeholder") << "Image"
                                           << "שורה‸"
                                           << "שלום"
                                           << "שורה¶[[תמונה:PictureFileName.jpg" + kImageTail + "‸";
    }

    void commands()
    {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        MainWindow form;
        MainWindowFixture::ArticleText editor(form);
        QGuiApplication::clipboard()->setText(clipboard);
        const EditorState state = parse(before);
        editor.setText(state.text);
        editor.apply(state);
        MainWindowFixture::action(form, name)->trigger();
        QCOMPARE(write(editor.state()), after);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    void agreesWithTheWholeText_data()
    {
        // The window runs these commands on the selection's lines alone; wherever the
        // selection stands, the result must be what the command makes of the whole text.
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        const QString text = page();
        const QStringList names = {"Bold", "Little", "Br", "Quote", "Image", "Kamats"};
        QList<QPair<int, int>> selections;
        for (int at = 0; at <= text.size(); at += 3)
            selections.append({at, 0});
        for (int at = 0; at + 7 <= text.size(); at += 5)
            selections.append({at, 7});
        qsizetype lineStart = 0;
        for (const QString &line : text.split(QStringLiteral("\r\n"))) {
            selections.append({int(lineStart), int(line.size())});
            lineStart += line.size() + 2;
        }
        for (const QString &name : names) {
            for (const auto &s : selections) {
                if (s.first + s.second > 0 && text.at(s.first + s.second - 1) == u'\r')
                    continue; // inside a line break: the editor has no such place
                if (s.first > 0 && text.at(s.first - 1) == u'\r')
                    continue;
                QTest::addRow("%s %d+%d", qPrintable(name), s.first, s.second) << name << s.first << s.second;
            }
        }
    }

    void agreesWithTheWholeText()
    {
        QFETCH(QString, name);
        QFETCH(int, start);
        QFETCH(int, length);
        const EditorState before{page(), start, length};
        host().set(before);
        EditorState expected;
        Markup::TagToggles toggles = markup().toggles();
        VowelCommands vowels(host().editor);
        if (name == "Bold") {
            expected = Markup::bold(before);
            markup().bold();
        } else if (name == "Little") {
            expected = Markup::toggledTag(before, Markup::ToggledTag::Small, toggles);
            markup().small();
        } else if (name == "Br") {
            expected = Markup::lineBreak(before);
            markup().lineBreak();
        } else if (name == "Quote") {
            expected = Markup::quote(before);
            markup().quote();
        } else if (name == "Image") {
            expected = Markup::image(before, QGuiApplication::clipboard()->text());
            markup().image();
        } else {
            expected = EditorKeys::insertVowelPoint(before, QChar(0x05B8));
            vowels.insertPoint(QChar(0x05B8));
        }
        QCOMPARE(write(host().editor.state()), write(expected));
    }

    // The toggles belong to the command group, which lives as long as the window.
    void togglesLastAsLongAsTheWindow()
    {
        markup().small();
        markup().small();
        // A wrap between the toggles leaves the toggle where it was.
        host().editor.apply(parse(QStringLiteral("<small></small>⟦x⟧")));
        markup().small();
        host().editor.apply(parse(QStringLiteral("‸<small></small><small>x</small>")));
        markup().small();
        QCOMPARE(write(host().editor.state()), QStringLiteral("<small>‸<small></small><small>x</small>"));
        QVERIFY(markup().toggles().smallOpen);
        QVERIFY(!markup().toggles().mathOpen);
    }

    void oneCommandIsOneUndoStep()
    {
        host().set(parse(QStringLiteral("⟦א⟧¶ב")));
        markup().quote();
        host().editor.widget()->undo();
        QCOMPARE(host().editor.text(), QStringLiteral("א\r\nב"));
    }
};

QTEST_MAIN(MarkupCommandsTest)
#include "MarkupCommandsTest.moc"
