#include "dialogs/semitic/SemiticDialog.h"

#include "support/MainWindowFixture.h"
#include "support/WindowTestCase.h"

#include <QTest>

#include <optional>

class SemiticDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // A letter of two code points goes in whole; the text is handed over as typed.
    void letterTypedThenInserted()
    {
        std::optional<QString> inserted;
        SemiticDialog dialog;
        QObject::connect(&dialog, &SemiticDialog::insertRequested, &dialog,
                         [&inserted](const QString &text) { inserted = text; });
        dialog.showPad();
        auto *copy = MainWindowFixture::child<QLineEdit>(dialog, QStringLiteral("Copy"));
        auto *letter = MainWindowFixture::child<QLabel>(dialog, QStringLiteral("Sem9"));
        QCOMPARE(letter->toolTip(), QStringLiteral("\u05E6"));
        copy->setText(QStringLiteral(" a "));
        copy->setCursorPosition(2);
        QTest::mouseClick(letter, Qt::LeftButton);
        QTest::mouseClick(MainWindowFixture::child<QLabel>(dialog, QStringLiteral("Sem20")), Qt::LeftButton);
        QTest::mouseClick(MainWindowFixture::child<QLabel>(dialog, QStringLiteral("Image1")), Qt::LeftButton);
        QCOMPARE(inserted.value_or(QString()), QStringLiteral(" a\u1E63\u0301\u016B "));
        QVERIFY(!dialog.isVisible());
    }

    void emptyPadStaysOpen()
    {
        SemiticDialog dialog;
        bool handed = false;
        QObject::connect(&dialog, &SemiticDialog::insertRequested, &dialog, [&handed] { handed = true; });
        dialog.showPad();
        QTest::mouseClick(MainWindowFixture::child<QLabel>(dialog, QStringLiteral("Image1")), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QVERIFY(!handed);
    }
};

QTEST_MAIN(SemiticDialogTest)
#include "SemiticDialogTest.moc"
