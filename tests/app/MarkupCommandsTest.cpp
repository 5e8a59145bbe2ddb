#include "app/commands/MarkupCommands.h"
#include "app/AppIcons.h"
#include "app/HebrewMessageBox.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "support/EditorNotation.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using EditorNotation::parse;
using EditorNotation::write;

namespace {
const QString kImageTail = QStringLiteral("|שמאל|ממוזער|184px|כיתוב תמונה]]");
}

class MarkupCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppIcons::install();
        HebrewMessageBox::setTestMode(true);
        Settings::setIniPathForTesting(m_dir.filePath(QStringLiteral("Dalvana.ini")));
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
        TForm1 form;
        QAction *action = form.action(name);
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
        TForm1 form;
        QGuiApplication::clipboard()->setText(clipboard);
        const EditorState state = parse(before);
        form.editor().setText(state.text);
        form.editor().apply(state);
        form.action(name)->trigger();
        QCOMPARE(write(form.editor().state()), after);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    void togglesLastAsLongAsTheWindow()
    {
        TForm1 form;
        QAction *little = form.action(QStringLiteral("Little"));
        little->trigger();
        little->trigger();
        // A wrap between the toggles leaves the toggle where it was.
        form.editor().apply(parse(QStringLiteral("<small></small>⟦x⟧")));
        little->trigger();
        form.editor().apply(parse(QStringLiteral("‸<small></small><small>x</small>")));
        little->trigger();
        QCOMPARE(write(form.editor().state()), QStringLiteral("<small>‸<small></small><small>x</small>"));
        QVERIFY(form.findChild<MarkupCommands *>()->toggles().smallOpen);
        QVERIFY(!form.findChild<MarkupCommands *>()->toggles().mathOpen);
    }

    void oneCommandIsOneUndoStep()
    {
        TForm1 form;
        form.editor().setText(QStringLiteral("א\r\nב"));
        form.editor().apply(parse(QStringLiteral("⟦א⟧¶ב")));
        form.action(QStringLiteral("Quote"))->trigger();
        form.articleText()->undo();
        QCOMPARE(form.editor().text(), QStringLiteral("א\r\nב"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(MarkupCommandsTest)
#include "MarkupCommandsTest.moc"
