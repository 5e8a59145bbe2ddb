#include "app/commands/CheckCommands.h"

#include "support/MainWindowFixture.h"
#include "app/EditorAdapter.h"
#include "app/commands/NoteCommands.h"
#include "dialogs/check/CheckPanel.h"
#include "dialogs/footnotes/FootnotesDialog.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "regex/RegEx.h"
#include "support/WindowTestCase.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const QString TwoEntries = QStringLiteral("==שָׁלוֹם==\r\n# ברכה.\r\n\r\n==סֵפֶר==\r\n# חיבור {{ראו|כתב.\r\n");

// The editor, the panel and the command group as the window wires them.
struct Rig
{
    QPlainTextEdit widget;
    EditorAdapter editor{&widget};
    RegEx regex;
    FootnotesDialog footnotes;
    NoteCommands notes{editor, regex, footnotes};
    PreferencesModel preferences;
    CheckPanel panel;
    QAction toggle;
    CheckCommands check{editor, preferences, notes, panel, toggle};

    Rig() { preferences.load(true); }

    // Waits for the list of the text as it is now.
    bool listed()
    {
        QSignalSpy spy(&check, &CheckCommands::listed);
        while (check.isPending()) {
            if (!spy.wait(5000))
                return false;
        }
        return true;
    }
    QTableView *list() { return panel.findChild<QTableView *>(QStringLiteral("ProblemList")); }
    int rowOf(EntryCheck::Code code) const
    {
        for (int row = 0; row < panel.problems().rowCount(); ++row) {
            if (panel.problems().problem(row).code == code)
                return row;
        }
        return -1;
    }
};

} // namespace

class CheckCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // The list is made of the runner's own copy of the text, fed with the changes:
    // after each kind of edit it must be the list of the text in the editor.
    void listFollowsTheText_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("a template opened in the first entry") << QStringLiteral("ברכה") << QStringLiteral("{{ברכה");
        QTest::newRow("a line break taken out") << QStringLiteral(".\r\n\r\n") << QStringLiteral(".\r\n");
        QTest::newRow("lines replaced across entries")
            << QStringLiteral("ברכה.\r\n\r\n==סֵפֶר==") << QStringLiteral("]]\r\n==x==");
        QTest::newRow("the template closed on the last line") << QStringLiteral("כתב.") << QStringLiteral("כתב.}}");
    }
    void listFollowsTheText()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        Rig rig;
        rig.editor.setText(TwoEntries);
        rig.preferences.setCheckPanel(true);
        QVERIFY(rig.listed());

        QString text = TwoEntries;
        QVERIFY(text.contains(before));
        text.replace(text.indexOf(before), before.size(), after);
        rig.editor.apply({text, 0, 0});
        QVERIFY(rig.listed());
        const EntryCheck::Result expected = EntryCheck::check(rig.regex, rig.editor.text());
        QCOMPARE(rig.panel.problems().rowCount(), expected.problems.size());
        for (int row = 0; row < rig.panel.problems().rowCount(); ++row) {
            QCOMPARE(rig.panel.problems().problem(row).position, expected.problems.at(row).position);
            QCOMPARE(rig.panel.problems().problem(row).code, expected.problems.at(row).code);
        }
    }

    // A double click or Enter puts the caret on the problem of the second entry,
    // moved along by what was typed above it since the list was made.
    void activationPutsTheCaretOnTheProblem_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("typedAbove");
        QTest::newRow("double click") << false << QString();
        QTest::newRow("Enter, after a line typed above") << true << QStringLiteral("# עוד\r\n");
    }
    void activationPutsTheCaretOnTheProblem()
    {
        QFETCH(bool, byEnter);
        QFETCH(QString, typedAbove);
        Rig rig;
        rig.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.panel));
        rig.editor.setText(TwoEntries);
        rig.preferences.setCheckPanel(true);
        QVERIFY(rig.listed());
        const int row = rig.rowOf(EntryCheck::Code::TemplateUnclosed);
        QVERIFY(row >= 0);
        QCOMPARE(rig.panel.problems().problem(row).line, 5);
        QCOMPARE(rig.panel.problems().problem(row).column, 9);

        // Typed before the pause is over: the list still shows the older text.
        if (!typedAbove.isEmpty())
            rig.editor.apply({typedAbove + TwoEntries, 0, 0});
        QTableView *list = rig.list();
        const QModelIndex index = rig.panel.problems().index(row, ProblemListModel::MessageColumn);
        if (byEnter) {
            list->setCurrentIndex(index);
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            // A real double click: a press and release, then the second press.
            const QPoint at = list->visualRect(index).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        const int expected = int((typedAbove + TwoEntries).indexOf(QStringLiteral("{{ראו")));
        QCOMPARE(rig.editor.state().selStart, expected);
        QCOMPARE(rig.editor.state().selLength, 0);
    }

    // The row of references out of number offers the renumbering, which runs on the
    // entry of the problem and takes the problem away.
    void mendRenumbersTheReferences()
    {
        const QString text = QStringLiteral(
            "==שָׁלוֹם==\r\n# ב{{הפניה|1|x}}\r\n==סֵפֶר==\r\n# ד{{הפניה|2|y}} ה{{הפניה|1|z}}\r\n"
            "===הערות שוליים===\r\n# {{הערה|y}} 1\r\n# {{הערה|z}} 2\r\n");
        Rig rig;
        rig.panel.show();
        rig.editor.setText(text);
        rig.preferences.setCheckPanel(true);
        QVERIFY(rig.listed());
        const int row = rig.rowOf(EntryCheck::Code::ReferenceOrder);
        QVERIFY(row >= 0);
        auto *mend = rig.panel.findChild<QPushButton *>(QStringLiteral("MendProblem"));
        QVERIFY(!mend->isEnabled());
        rig.list()->setCurrentIndex(rig.panel.problems().index(row, ProblemListModel::MessageColumn));
        QVERIFY(mend->isEnabled());
        QTest::mouseClick(mend, Qt::LeftButton);

        QString renumbered = text;
        renumbered.replace(QStringLiteral("{{הפניה|2|y}} ה{{הפניה|1|z}}"),
                           QStringLiteral("{{הפניה|1|y}} ה{{הפניה|2|z}}"));
        QCOMPARE(rig.editor.text(), renumbered);
        QVERIFY(rig.listed());
        QCOMPARE(rig.rowOf(EntryCheck::Code::ReferenceOrder), -1);
    }

    // The menu item and the panel's close button say it to the preferences, which
    // keep it for the next start; a settings file without the key leaves it closed.
    void panelStaysAsItWasLeft()
    {
        {
            Rig rig;
            QVERIFY(!rig.toggle.isChecked());
            QVERIFY(rig.panel.isHidden());
            rig.toggle.trigger();
            QVERIFY(rig.preferences.checkPanel());
            QVERIFY(!rig.panel.isHidden());
        }
        {
            Rig rig;
            QVERIFY(rig.toggle.isChecked());
            QVERIFY(!rig.panel.isHidden());
            rig.panel.close();
            QVERIFY(!rig.toggle.isChecked());
        }
        Rig rig;
        QVERIFY(!rig.preferences.checkPanel());
    }
};

QTEST_MAIN(CheckCommandsTest)
#include "CheckCommandsTest.moc"
