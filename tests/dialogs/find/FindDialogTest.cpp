#include "dialogs/find/FindDialog.h"

#include "support/MainWindowFixture.h"
#include "support/WindowTestCase.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using MainWindowFixture::child;

class FindDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void aToolWindowOnTop()
    {
        FindDialog dialog;
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(dialog.windowFlags() & Qt::Tool, Qt::Tool);
        const QFont font = child<QLineEdit>(dialog, QStringLiteral("FindText"))->font();
        QCOMPARE(font.family(), QStringLiteral("David"));
        QCOMPARE(font.pixelSize(), 15);
    }

    void buttonFollowsTheQuery_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing typed") << QStringList{} << false;
        QTest::newRow("a letter") << QStringList{"א"} << true;
        QTest::newRow("a space is not empty") << QStringList{" "} << true;
        QTest::newRow("typed, then cleared") << QStringList{"אב", ""} << false;
    }

    void buttonFollowsTheQuery()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, enabled);
        FindDialog dialog;
        for (const QString &t : typed)
            child<QLineEdit>(dialog, QStringLiteral("FindText"))->setText(t);
        QCOMPARE(child<QPushButton>(dialog, QStringLiteral("FindClick"))->isEnabled(), enabled);
    }

    // Enter asks for the search with the query as typed and the one mode the boxes allow.
    void searchAsksWithTheMode_data()
    {
        QTest::addColumn<QString>("clicks"); // R = RootCheck, G = RegCheck, in order
        QTest::addColumn<FindMode>("mode");
        QTest::newRow("none") << "" << FindMode::Plain;
        QTest::newRow("root") << "R" << FindMode::Root;
        QTest::newRow("regex") << "G" << FindMode::Regex;
        QTest::newRow("root, then regex unchecks root") << "RG" << FindMode::Regex;
        QTest::newRow("regex, then root unchecks regex") << "GR" << FindMode::Root;
        QTest::newRow("root twice is plain again") << "RR" << FindMode::Plain;
    }

    void searchAsksWithTheMode()
    {
        QFETCH(QString, clicks);
        QFETCH(FindMode, mode);
        FindDialog dialog;
        dialog.showForQuery();
        auto *root = child<QCheckBox>(dialog, QStringLiteral("RootCheck"));
        auto *reg = child<QCheckBox>(dialog, QStringLiteral("RegCheck"));
        for (QChar c : clicks)
            QTest::mouseClick(c == QLatin1Char('R') ? root : reg, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(!(root->isChecked() && reg->isChecked()));
        QSignalSpy asked(&dialog, &FindDialog::searchRequested);
        auto *query = child<QLineEdit>(dialog, QStringLiteral("FindText"));
        query->insert(QStringLiteral(" סֵפֶר"));
        QTest::keyClick(query, Qt::Key_Return);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), QStringLiteral(" סֵפֶר"));
        QCOMPARE(asked.at(0).at(1).value<FindMode>(), mode);
        // Whether the window goes is for the search to decide.
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(FindDialogTest)
#include "FindDialogTest.moc"
