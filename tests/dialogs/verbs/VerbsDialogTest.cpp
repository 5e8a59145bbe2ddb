#include "dialogs/verbs/VerbsDialog.h"

#include "support/MainWindowFixture.h"
#include "dialogs/verbs/logic/RootPage.h"
#include "support/WindowTestCase.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// The dialog on its own: the page it hands back and how often it said it went.
struct VerbsHarness
{
    QString page = QStringLiteral("unchanged");
    int editorFocused = 0;
    VerbsDialog dialog;

    VerbsHarness()
    {
        QObject::connect(&dialog, &VerbsDialog::pageWritten, &dialog, [this](const QString &text) { page = text; });
        QObject::connect(&dialog, &VerbsDialog::closed, &dialog, [this] { ++editorFocused; });
        dialog.show();
    }

    template <typename T> T *child(const char *name)
    {
        return MainWindowFixture::child<T>(dialog, QLatin1String(name));
    }
    QLineEdit *root() { return child<QLineEdit>("Root"); }
    QLineEdit *gizra() { return child<QLineEdit>("Gizra"); }
    QTableView *grid() { return child<QTableView>("Verbs"); }
    QModelIndex index(int row, int column) { return grid()->model()->index(row, column); }
    QString cell(int row, int column) { return index(row, column).data().toString(); }
    void type(int row, int column, const QString &text) { grid()->model()->setData(index(row, column), text); }

    QColor pixel(int row, int column, int dy)
    {
        QTableView *view = grid();
        const QRect cell = view->visualRect(view->model()->index(row, column));
        const QImage image = view->viewport()->grab().toImage();
        return image.pixelColor(cell.left() + 3, cell.top() + dy);
    }
};

class VerbsDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void controls()
    {
        VerbsHarness h;
        QCOMPARE(h.dialog.windowTitle(), QStringLiteral("נטיות פעלים"));
        QVERIFY(h.dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(h.dialog.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(h.dialog.windowFlags() & Qt::Tool, Qt::Tool);
        QCOMPARE(h.dialog.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(h.child<QLabel>("TntLabel1")->text(), QStringLiteral("שורש:"));
        QCOMPARE(h.child<QLabel>("TntLabel2")->text(), QStringLiteral("גזרה:"));
        QCOMPARE(h.child<QPushButton>("CancelVerbs")->text(), QStringLiteral("בטל"));
        QCOMPARE(h.child<QPushButton>("AddVerbs")->text(), QStringLiteral("הוסף"));
        QVERIFY(h.child<QPushButton>("AddVerbs")->font().bold());

        QStringList order;
        QWidget *w = h.root();
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != h.root());
        QCOMPARE(order, (QStringList{"Root", "Gizra", "Verbs", "CancelVerbs", "AddVerbs"}));
    }

    void gridRunsRightToLeft()
    {
        VerbsHarness h;
        QTableView *grid = h.grid();
        QCOMPARE(grid->model()->columnCount(), 6);
        QCOMPARE(grid->model()->rowCount(), 8);
        const QRect first = grid->visualRect(grid->model()->index(0, 0));
        const QRect second = grid->visualRect(grid->model()->index(0, 1));
        QVERIFY(first.left() > second.left());
        QCOMPARE(grid->columnWidth(3), 75);
        QCOMPARE(grid->rowHeight(5), 20);
    }

    void rootChange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("corner");
        QTest::newRow("maqafs") << QStringLiteral("כ־ת־ב") << QStringLiteral("כ-ת-ב");
        QTest::newRow("final letter") << QStringLiteral("ע-ר-ך") << QStringLiteral("ע-ר-כ");
        QTest::newRow("distinguishing letter") << QStringLiteral("ספר אב") << QStringLiteral("ס-פ-ר א");
    }

    void rootChange()
    {
        QFETCH(QString, typed);
        QFETCH(QString, corner);
        VerbsHarness h;
        // One key at a time, as typed: the root is normalised on every change.
        for (QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, h.root(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(h.root()->text(), typed);
        QCOMPARE(h.cell(0, 0), corner + QChar(0x200F));
    }

    void clearedRootKeepsTheLastOne()
    {
        VerbsHarness h;
        h.root()->setText(QStringLiteral("כתב"));
        h.root()->clear();
        QCOMPARE(h.cell(0, 0), QStringLiteral("כ-ת-ב\u200F"));
        h.gizra()->setText(QStringLiteral("השלמים"));
        h.child<QPushButton>("AddVerbs")->click();
        QVERIFY(h.page.startsWith(QStringLiteral("השורש כ־ת־ב הוא שורש מגזרת השלמים.")));
    }

    void showClearsFormsButNotTheCorner()
    {
        VerbsHarness h;
        h.root()->setText(QStringLiteral("כתב"));
        h.gizra()->setText(QStringLiteral("x"));
        h.type(1, 1, QStringLiteral("כתב"));
        h.dialog.hide();
        h.dialog.show();
        QCOMPARE(h.root()->text(), QString());
        QCOMPARE(h.gizra()->text(), QString());
        QCOMPARE(h.cell(1, 1), QString());
        QCOMPARE(h.cell(0, 0), QStringLiteral("כ-ת-ב\u200F"));
    }

    void addWritesThePageAndHides()
    {
        VerbsHarness h;
        h.root()->setText(QStringLiteral("כתב"));
        h.gizra()->setText(QStringLiteral("השלמים"));
        h.type(3, 2, QStringLiteral("מַכְתִּיב"));
        h.type(4, 4, QStringLiteral("סוד"));
        h.child<QPushButton>("AddVerbs")->click();
        QVERIFY(!h.dialog.isVisible());
        QCOMPARE(h.editorFocused, 1);
        QVERIFY(h.page.contains(QStringLiteral("|הפעיל הווה=מַכְתִּיב\r\n")));
        QVERIFY(!h.page.contains(QStringLiteral("סוד")));
        QCOMPARE(h.page.count(QStringLiteral("=-אין-")), VerbGrid::KeyCount - 1);
        QVERIFY(HebrewMessageBox::asked().isEmpty());
    }

    void disabledCellIsForcedEmpty()
    {
        VerbsHarness h;
        h.type(6, 5, QStringLiteral("סוד"));
        QCOMPARE(h.cell(6, 5), QString());
        QVERIFY(!(h.grid()->model()->flags(h.index(6, 5)) & Qt::ItemIsEditable));
    }

    void missingRootOrGizra_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("gizra");
        QTest::newRow("no root") << QString() << QStringLiteral("השלמים");
        QTest::newRow("root too short") << QStringLiteral("אב") << QStringLiteral("השלמים");
        QTest::newRow("no gizra") << QStringLiteral("כתב") << QStringLiteral("  ");
    }

    void missingRootOrGizra()
    {
        QFETCH(QString, root);
        QFETCH(QString, gizra);
        VerbsHarness h;
        h.root()->setText(root);
        h.gizra()->setText(gizra);
        h.type(1, 1, QStringLiteral("כתב"));
        h.child<QPushButton>("AddVerbs")->click();
        QVERIFY(h.dialog.isVisible());
        QCOMPARE(h.page, QStringLiteral("unchanged"));
        QCOMPARE(HebrewMessageBox::asked().size(), 1);
        QCOMPARE(HebrewMessageBox::asked().first().text, RootPage::MissingRootOrGizraMessage);
        QCOMPARE(HebrewMessageBox::asked().first().kind, -1);
        QCOMPARE(h.cell(1, 1), QStringLiteral("כתב"));
    }

    void cancelAsks_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes hides") << true;
        QTest::newRow("no stays") << false;
    }

    void cancelAsks()
    {
        QFETCH(bool, yes);
        VerbsHarness h;
        HebrewMessageBox::presetAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        h.child<QPushButton>("CancelVerbs")->click();
        QCOMPARE(h.dialog.isVisible(), !yes);
        QCOMPARE(h.page, QStringLiteral("unchanged"));
        QCOMPARE(HebrewMessageBox::asked().size(), 1);
        QVERIFY(HebrewMessageBox::asked().first().text.endsWith(QStringLiteral("יימחקו!\u200F\u200F")));
        QCOMPARE(HebrewMessageBox::asked().first().kind, int(HebrewMessageBox::Confirmation));
    }

    void systemCloseAndEscapeDoNothing()
    {
        VerbsHarness h;
        QVERIFY(!h.dialog.close());
        QVERIFY(h.dialog.isVisible());
        QTest::keyClick(&h.dialog, Qt::Key_Escape);
        QVERIFY(h.dialog.isVisible());
    }

    void tabMovesBetweenForms_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("nextRow");
        QTest::addColumn<int>("nextColumn");
        QTest::newRow("along the row") << 1 << 1 << 1 << 2;
        QTest::newRow("past the header column") << 1 << 5 << 2 << 1;
        QTest::newRow("past the missing forms") << 4 << 3 << 5 << 1;
    }

    void tabMovesBetweenForms()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, nextRow);
        QFETCH(int, nextColumn);
        VerbsHarness h;
        QTableView *grid = h.grid();
        grid->setFocus();
        grid->setCurrentIndex(h.index(row, column));
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(grid->currentIndex().row(), nextRow);
        QCOMPARE(grid->currentIndex().column(), nextColumn);
    }

    void tabFromGizraEntersAtTheFirstForm()
    {
        VerbsHarness h;
        QApplication::setActiveWindow(&h.dialog);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        h.gizra()->setFocus();
        QTest::keyClick(h.gizra(), Qt::Key_Tab);
        QTableView *grid = h.grid();
        QVERIFY(grid->hasFocus());
        QCOMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(grid->currentIndex().column(), 1);
        QTest::sendKeyEvent(QTest::Click, grid, Qt::Key_unknown, QStringLiteral("כ"), Qt::NoModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(h.cell(1, 1), QStringLiteral("כ"));
        QCOMPARE(grid->currentIndex().column(), 2);
    }

    void leavingTheGridDropsTheSelection_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::newRow("from the grid") << false;
        QTest::newRow("from an open cell's editor") << true;
    }

    void leavingTheGridDropsTheSelection()
    {
        QFETCH(bool, editing);
        VerbsHarness h;
        QApplication::setActiveWindow(&h.dialog);
        QVERIFY(QTest::qWaitForWindowActive(&h.dialog));
        QTableView *grid = h.grid();
        grid->setFocus();
        grid->setCurrentIndex(h.index(2, 2));
        if (editing) {
            grid->edit(grid->currentIndex());
            QVERIFY(grid->isAncestorOf(QApplication::focusWidget()));
        }
        h.gizra()->setFocus();
        QVERIFY(!grid->currentIndex().isValid());
        QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());
    }

    void painting()
    {
        VerbsHarness h;
        h.root()->setText(QStringLiteral("כתב"));
        h.gizra()->setText(QStringLiteral("השלמים"));
        h.type(1, 1, QStringLiteral("כָּתַב"));
        h.type(7, 5, QStringLiteral("לְהִתְכַּתֵּב"));
        QCOMPARE(h.pixel(0, 1, 18), QColor(166, 202, 240));
        QCOMPARE(h.pixel(3, 0, 18), QColor(166, 202, 240));
        QCOMPARE(h.pixel(4, 4, 10), QColor(240, 240, 240));
        QCOMPARE(h.pixel(6, 5, 10), QColor(240, 240, 240));
        QCOMPARE(h.pixel(2, 2, 10), QColor(Qt::white));

        // The header text is drawn in white on the blue.
        QTableView *grid = h.grid();
        const QImage image = grid->viewport()->grab().toImage();
        const QRect corner = grid->visualRect(grid->model()->index(0, 0));
        int white = 0;
        for (int x = corner.left(); x <= corner.right(); ++x) {
            for (int y = corner.top(); y <= corner.bottom(); ++y)
                white += image.pixelColor(x, y) == QColor(Qt::white);
        }
        QVERIFY(white > 10);
        if (qEnvironmentVariableIsSet("DALVANA_SCREENSHOTS"))
            h.dialog.grab().save(qEnvironmentVariable("DALVANA_SCREENSHOTS") + QStringLiteral("/verbs.png"));
    }
};

QTEST_MAIN(VerbsDialogTest)
#include "VerbsDialogTest.moc"
