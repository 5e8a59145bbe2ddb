#include "gui/HebrewMessageBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class HebrewMessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void captionByKind_data();
    void captionByKind();
    void buttonsAndDefault_data();
    void buttonsAndDefault();
    void seamRecordsAndAnswers();
    void looksRightToLeft();
};

void HebrewMessageBoxTest::captionByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::newRow("warning") << 0 << "אזהרה";
    QTest::newRow("error") << 1 << "שגיאה";
    QTest::newRow("information") << 2 << "מידע";
    QTest::newRow("confirmation") << 3 << "אישור";
    QTest::newRow("other kind") << 7 << "";
}

void HebrewMessageBoxTest::captionByKind()
{
    QFETCH(int, kind);
    QFETCH(QString, caption);
    const auto box = HebrewMessageBox::build(QStringLiteral("?"), kind, QMessageBox::Ok);
    QCOMPARE(box->windowTitle(), caption);
}

void HebrewMessageBoxTest::buttonsAndDefault_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("defaultCaption");
    QTest::newRow("yes no") << int(QMessageBox::Yes | QMessageBox::No) << QStringList{"&כן", "&לא"} << "&כן";
    QTest::newRow("ok cancel") << int(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes)
                               << QStringList{"&כן", "&אישור", "&ביטול"} << "&אישור";
    QTest::newRow("abort retry ignore") << int(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore)
                                        << QStringList{"צא", "נסה שוב", "התעלם"} << "נסה שוב";
    QTest::newRow("the rest") << int(QMessageBox::SaveAll | QMessageBox::NoToAll | QMessageBox::YesToAll
                                     | QMessageBox::Help)
                              << QStringList{"כן לכול", "לא לכול", "הכול", "עזרה"} << "";
}

void HebrewMessageBoxTest::buttonsAndDefault()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, captions);
    QFETCH(QString, defaultCaption);
    const auto box = HebrewMessageBox::build(QStringLiteral("?"), 3, QMessageBox::StandardButtons(buttons));
    QStringList shown;
    for (QAbstractButton *b : box->buttons())
        shown << b->text();
    shown.sort();
    captions.sort();
    QCOMPARE(shown, captions);
    QCOMPARE(box->defaultButton() ? box->defaultButton()->text() : QString(), defaultCaption);
}

void HebrewMessageBoxTest::seamRecordsAndAnswers()
{
    HebrewMessageBox::setTestMode(true);
    HebrewMessageBox::presetAnswer(QMessageBox::Yes);
    QVERIFY(HebrewMessageBox::askYesNo(QStringLiteral("first?")));
    QVERIFY(!HebrewMessageBox::askYesNo(QStringLiteral("second?"))); // nothing preset: No
    HebrewMessageBox::notice(QStringLiteral("done."));
    const auto &asked = HebrewMessageBox::asked();
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[0].text, QStringLiteral("first?"));
    QCOMPARE(asked[0].kind, 3);
    QCOMPARE(asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked[2].kind, -1);
    HebrewMessageBox::setTestMode(false);
}

void HebrewMessageBoxTest::looksRightToLeft()
{
    const auto box = HebrewMessageBox::build(QStringLiteral("לא שמרת את הטקסט הנוכחי. האם ברצונך לצאת בכל זאת?\u200F"),
                                             3, QMessageBox::Yes | QMessageBox::No);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
    // The icon stands on the right of the text.
    QWidget *icon = box->findChild<QWidget *>(QStringLiteral("qt_msgboxex_icon_label"));
    QWidget *label = box->findChild<QWidget *>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(icon && label);
    QVERIFY(icon->geometry().left() > label->geometry().left());
    // The text starts at the right, as the buttons' order does.
    const Qt::Alignment aligned = QStyle::visualAlignment(label->layoutDirection(),
                                                          qobject_cast<QLabel *>(label)->alignment());
    QCOMPARE(aligned & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter), Qt::AlignRight);
}

QTEST_MAIN(HebrewMessageBoxTest)
#include "HebrewMessageBoxTest.moc"
