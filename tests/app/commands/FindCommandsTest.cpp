#include "app/commands/FindCommands.h"

#include "support/MainWindowFixture.h"
#include "dialogs/find/FindDialog.h"
#include "dialogs/stats/StatisticsDialog.h"
#include "support/WindowTestCase.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using MainWindowFixture::child;
using Selection = QPair<int, int>;

namespace {

// The group with its two windows, on the test's editor.
struct Finder
{
    EditorHost &host;
    FindDialog dialog;
    StatisticsDialog statistics;
    FindCommands commands;

    explicit Finder(EditorHost &h)
        : host(h)
        , statistics(h.regEx)
        , commands(h.editor, h.regEx, dialog, statistics)
    {
    }

    Selection selection() const
    {
        const EditorState s = host.editor.state();
        return {s.selStart, s.selLength};
    }

    // "חפש" as the user gives it: the query typed over and the button pressed.
    void find(const QString &query, bool root = false)
    {
        child<QCheckBox>(dialog, QStringLiteral("RootCheck"))->setChecked(root);
        child<QLineEdit>(dialog, QStringLiteral("FindText"))->setText(query);
        child<QPushButton>(dialog, QStringLiteral("FindClick"))->click();
    }
};

} // namespace

class FindCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("root");
        QTest::addColumn<int>("selStart"); // -1: the notice below instead
        QTest::addColumn<QString>("notice");
        QTest::newRow("found, the window goes") << "אב סֵפֶר"
                                                << "ספר" << false << 3 << "";
        QTest::newRow("root") << "שלח מכתבים"
                              << "כ-ת-ב" << true << 4 << "";
        QTest::newRow("not found, the window stays") << "שלום"
                                                     << "ספר" << false << -1 << "לא נמצא.\u200F";
        QTest::newRow("empty editor") << ""
                                      << "ספר" << false << -1 << "לא נמצא!\u200F";
    }

    void find()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(bool, root);
        QFETCH(int, selStart);
        QFETCH(QString, notice);
        Finder f(host());
        host().editor.setText(text);
        f.commands.search(); // nothing searched yet: the window opens
        QVERIFY(f.dialog.isVisible());
        f.find(query, root);
        if (selStart >= 0) {
            QVERIFY(MainWindowFixture::askedTexts().isEmpty());
            QCOMPARE(f.selection().first, selStart);
            QVERIFY(!f.dialog.isVisible());
        } else {
            QCOMPARE(MainWindowFixture::askedTexts(), QStringList{notice});
            QVERIFY(f.dialog.isVisible());
            QCOMPARE(f.selection(), Selection(0, 0));
        }
    }

    void searchThenRepeat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("root");
        QTest::addColumn<QList<Selection>>("selections"); // after "חפש", then after each Ctrl+F

        QTest::newRow("plain over line breaks") << "ספר\r\nסֵפֶר\r\nספרים"
                                                << "ספר" << false << QList<Selection>{{0, 3}, {5, 5}, {12, 3}, {12, 3}};
        QTest::newRow("root: the whole word, prefix letters included")
            << "כתב ומכתבים"
            << "כ-ת-ב" << true << QList<Selection>{{0, 3}, {4, 7}, {4, 7}};
    }

    void searchThenRepeat()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(bool, root);
        QFETCH(QList<Selection>, selections);
        Finder f(host());
        host().editor.setText(text);
        f.find(query, root);
        QList<Selection> seen{f.selection()};
        for (qsizetype i = 1; i < selections.size(); ++i) {
            f.commands.search();
            seen << f.selection();
        }
        QCOMPARE(seen, selections);
        QVERIFY(MainWindowFixture::askedTexts().isEmpty());
        QVERIFY(!f.dialog.isVisible());
    }

    void repeatWithoutSelectionOpensTheWindow()
    {
        Finder f(host());
        host().editor.setText(QStringLiteral("אב אב"));
        f.find(QStringLiteral("אב"));
        QCOMPARE(f.selection(), Selection(0, 2));
        host().editor.apply(EditorState{QStringLiteral("אב אב"), 2, 0});
        f.commands.search();
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.selection(), Selection(2, 0));
    }

    void badPatternIsANoticeNotACrash()
    {
        Finder f(host());
        host().editor.setText(QStringLiteral("abc"));
        child<QCheckBox>(f.dialog, QStringLiteral("RegCheck"))->setChecked(true);
        f.find(QStringLiteral("a(b"));
        QCOMPARE(MainWindowFixture::askedTexts().size(), 1);
        QVERIFY(MainWindowFixture::askedTexts().first().startsWith(QStringLiteral("הביטוי הרגולרי אינו תקין")));
        QCOMPARE(host().editor.state(), (EditorState{QStringLiteral("abc"), 0, 0}));
        // Nor does Ctrl+F after it.
        f.commands.search();
        QCOMPARE(host().editor.state(), (EditorState{QStringLiteral("abc"), 0, 0}));
    }

    void statisticsOfTheEditor()
    {
        Finder f(host());
        host().editor.setText(QStringLiteral("==סֵפֶר==\n[[קטגוריה:ספרות]]"));
        f.commands.showStatistics();
        QVERIFY(f.statistics.isVisible());
        QCOMPARE(child<QLabel>(f.statistics, QStringLiteral("Chars"))->text(), QStringLiteral("28"));
        QCOMPARE(child<QLabel>(f.statistics, QStringLiteral("Lines"))->text(), QStringLiteral("2"));
        QCOMPARE(child<QLabel>(f.statistics, QStringLiteral("Categories"))->text(), QStringLiteral("1"));
        // It replaced the state of the shared object: the repeat continues in it.
        QCOMPARE(host().regEx.pattern(), QStringLiteral("\\Q[[קטגוריה:\\E.+\\Q]]\\E"));
    }
};

QTEST_MAIN(FindCommandsTest)
#include "FindCommandsTest.moc"
