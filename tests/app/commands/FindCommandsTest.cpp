#include "support/MainWindowFixture.h"
#include "app/commands/FindCommands.h"
#include "dialogs/find/FindDialog.h"
#include "dialogs/stats/StatisticsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Selection = QPair<int, int>;

// The main window with its two windows created as at start-up.
struct Editor
{
    MainWindow form;
    FindDialog &findF = form.findDialog();
    StatisticsDialog &stats = form.statisticsDialog();

    Selection selection()
    {
        const EditorState s = form.editor().state();
        return {s.selStart, s.selLength};
    }
    void press(const char *action) { MainWindowFixture::press(form, action); }
};

} // namespace

class FindCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(m_dir); }

    void init() { HebrewMessageBox::clearAsked(); }

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
        Editor e;
        e.form.editor().setText(text);
        // Nothing searched yet: Ctrl+F opens the window.
        e.press("Search");
        QVERIFY(e.findF.isVisible());
        e.findF.findChild<QCheckBox *>(QStringLiteral("RootCheck"))->setChecked(root);
        e.findF.findChild<QLineEdit *>(QStringLiteral("FindText"))->setText(query);
        e.findF.findChild<QPushButton *>(QStringLiteral("FindClick"))->click();
        QVERIFY(!e.findF.isVisible());
        QList<Selection> seen{e.selection()};
        for (qsizetype i = 1; i < selections.size(); ++i) {
            e.press("Search");
            seen << e.selection();
        }
        QCOMPARE(seen, selections);
        QVERIFY(HebrewMessageBox::asked().isEmpty());
        QVERIFY(!e.findF.isVisible());
    }

    void repeatWithoutSelectionOpensTheWindow()
    {
        Editor e;
        e.form.editor().setText(QStringLiteral("אב אב"));
        e.findF.findChild<QLineEdit *>(QStringLiteral("FindText"))->setText(QStringLiteral("אב"));
        e.press("Search");
        e.findF.findChild<QPushButton *>(QStringLiteral("FindClick"))->click();
        QCOMPARE(e.selection(), Selection(0, 2));
        e.form.editor().apply(EditorState{QStringLiteral("אב אב"), 2, 0});
        e.press("Search");
        QVERIFY(e.findF.isVisible());
        QCOMPARE(e.selection(), Selection(2, 0));
    }

    void notFoundIsANotice()
    {
        Editor e;
        e.form.editor().setText(QStringLiteral("שלום"));
        e.press("Search");
        e.findF.findChild<QLineEdit *>(QStringLiteral("FindText"))->setText(QStringLiteral("ספר"));
        e.findF.findChild<QPushButton *>(QStringLiteral("FindClick"))->click();
        QCOMPARE(HebrewMessageBox::asked().size(), 1);
        QCOMPARE(HebrewMessageBox::asked().first().text, QStringLiteral("לא נמצא.\u200F"));
        QVERIFY(e.findF.isVisible());
    }

    void statisticsOfTheEditor()
    {
        Editor e;
        e.form.editor().setText(QStringLiteral("==סֵפֶר==\n[[קטגוריה:ספרות]]"));
        e.press("Statistics");
        QVERIFY(e.stats.isVisible());
        QCOMPARE(e.stats.valueLabel(QStringLiteral("Chars"))->text(), QStringLiteral("28"));
        QCOMPARE(e.stats.valueLabel(QStringLiteral("Lines"))->text(), QStringLiteral("2"));
        QCOMPARE(e.stats.valueLabel(QStringLiteral("Categories"))->text(), QStringLiteral("1"));
        // It replaced the state of the shared object: the repeat continues in it.
        QCOMPARE(e.form.regEx().pattern(), QStringLiteral("\\Q[[קטגוריה:\\E.+\\Q]]\\E"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(FindCommandsTest)
#include "FindCommandsTest.moc"
