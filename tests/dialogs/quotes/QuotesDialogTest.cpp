#include "support/MainWindowFixture.h"
#include "dialogs/quotes/QuotesDialog.h"
#include "platform/ShellOpen.h"
#include "support/WindowTestCase.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace MainWindowFixture;

class QuotesDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void searchOnlyWithAQuery()
    {
        QuotesDialog dialog;
        dialog.showQuotes(QString());
        auto *search = child<QPushButton>(dialog, QStringLiteral("QuoteSearch"));
        auto *query = child<QLineEdit>(dialog, QStringLiteral("QuoteQuery"));
        QVERIFY(!search->isEnabled());
        QTest::keyClick(query, Qt::Key_A);
        QVERIFY(search->isEnabled());
        ShellOpenRecorder recorder;
        QTest::keyClick(query, Qt::Key_Return);
        QCOMPARE(recorder.targets(), QStringList{"https://www.google.com/search?hl=en&q=a+site%3Abenyehuda.org"});
        QTest::keyClick(query, Qt::Key_Backspace);
        QVERIFY(!search->isEnabled());
    }

    void theInflectionsBoxAsksForANewQuery()
    {
        QuotesDialog dialog;
        QCOMPARE(dialog.layoutDirection(), Qt::RightToLeft);
        QSignalSpy toggled(&dialog, &QuotesDialog::inflectionsToggled);
        child<QCheckBox>(dialog, QStringLiteral("Netiyot"))->click();
        QCOMPARE(toggled.size(), 1);
        QCOMPARE(toggled.at(0).at(0).toBool(), false);
    }
};

QTEST_MAIN(QuotesDialogTest)
#include "QuotesDialogTest.moc"
