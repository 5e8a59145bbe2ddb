#include "dialogs/greek/GreekDialog.h"

#include "support/MainWindowFixture.h"
#include "support/WindowTestCase.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <optional>

// The pad against a stand-in editor that records the word it is handed.
struct GreekHarness
{
    std::optional<QString> inserted;
    GreekDialog dialog;

    GreekHarness()
    {
        QObject::connect(&dialog, &GreekDialog::insertRequested, &dialog,
                         [this](const QString &word) { inserted = word; });
        dialog.showPad();
    }

    QLineEdit *copy() { return MainWindowFixture::child<QLineEdit>(dialog, QStringLiteral("Copy")); }
    void click(const QString &name)
    {
        QTest::mouseClick(MainWindowFixture::child<QLabel>(dialog, name), Qt::LeftButton);
    }
};

class GreekDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // The first and last letter of the pad go in at the caret, in place of the selection.
    void lettersTypeIntoThePad()
    {
        GreekHarness h;
        QCOMPARE(h.copy()->text(), QString());
        h.copy()->setText(QStringLiteral("xyz"));
        h.copy()->setSelection(1, 1);
        h.click(QStringLiteral("GreekLet"));
        h.copy()->setCursorPosition(0);
        h.click(QStringLiteral("GreekLet41"));
        QCOMPARE(h.copy()->text(), QStringLiteral("\u1FF3xαz"));
        QCOMPARE(MainWindowFixture::child<QLabel>(h.dialog, QStringLiteral("GreekLet41"))->toolTip(), "o");
        QVERIFY(!MainWindowFixture::child<QLabel>(h.dialog, QStringLiteral("GreekCapital8"))->isVisibleTo(&h.dialog));
    }

    void icons_data()
    {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<QString>("padAfter");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("inserted"); // "-": nothing handed over
        QTest::newRow("insert trims, in the pad too") << "Image1"
                                                      << " λόγος\t" << false << "λόγος"
                                                      << "before"
                                                      << "λόγος";
        QTest::newRow("insert of blanks only") << "Image1"
                                               << "  " << true << ""
                                               << "before"
                                               << "-";
        QTest::newRow("insert of nothing") << "Image1"
                                           << "" << true << ""
                                           << "before"
                                           << "-";
        QTest::newRow("copy keeps the blanks") << "TntImage1"
                                               << " λόγος " << false << " λόγος "
                                               << " λόγος "
                                               << "-";
        QTest::newRow("copy of nothing") << "TntImage1"
                                         << "" << true << ""
                                         << "before"
                                         << "-";
    }

    void icons()
    {
        QFETCH(QString, icon);
        QFETCH(QString, typed);
        QFETCH(bool, staysOpen);
        QFETCH(QString, padAfter);
        QFETCH(QString, clipboard);
        QFETCH(QString, inserted);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        GreekHarness h;
        h.copy()->setText(typed);
        h.click(icon);
        QCOMPARE(h.dialog.isVisible(), staysOpen);
        QCOMPARE(h.copy()->text(), padAfter);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QCOMPARE(h.inserted.value_or(QStringLiteral("-")), inserted);
        // Shown again, the pad starts empty.
        h.dialog.showPad();
        QCOMPARE(h.copy()->text(), QString());
    }
};

QTEST_MAIN(GreekDialogTest)
#include "GreekDialogTest.moc"
