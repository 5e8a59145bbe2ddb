#include "dialogs/lookups/DictionaryDialog.h"

#include "support/MainWindowFixture.h"
#include "platform/ShellOpen.h"
#include "support/WindowTestCase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class DictionaryDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void controls()
    {
        DictionaryDialog d;
        QCOMPARE(d.objectName(), QStringLiteral("TTranslate"));
        QCOMPARE(d.windowTitle(), QStringLiteral("חיפוש תרגומים"));
        QCOMPARE(d.windowFlags() & (Qt::Tool | Qt::WindowStaysOnTopHint), Qt::Tool | Qt::WindowStaysOnTopHint);
        QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(child<QLabel>(d, "TntLabel1")->text(), QStringLiteral("הסבר יוצג עם הצבת הסמן על שם המילון."));
        auto *search = child<QPushButton>(d, "TransSearch");
        QCOMPARE(search->text(), QStringLiteral("חפש"));
        QVERIFY(search->isDefault());
        QVERIFY(!search->isEnabled());
        QCOMPARE(child<QLineEdit>(d, "TransQuery")->layoutDirection(), Qt::LeftToRight);
        const QList<QStringList> radios{{"Wiktionary", "ויקימילון", "אנגלי-רב לשוני"},
                                        {"Logos", "לוגוס", "אנגלי-רב לשוני"},
                                        {"Ayalon", "איילון-שנער", "עברי-ערבי"},
                                        {"Morfix", "מורפיקס", "עברי-אנגלי-עברי"}};
        for (const QStringList &r : radios) {
            auto *radio = d.findChild<QRadioButton *>(r[0]);
            QVERIFY2(radio, qPrintable(r[0]));
            QCOMPARE(radio->text(), r[1]);
            QCOMPARE(radio->toolTip(), r[2]);
            QCOMPARE(radio->isChecked(), r[0] == QLatin1String("Wiktionary"));
        }
    }

    // Each click turns the query to the dictionary's direction and keeps its text;
    // the button follows the query alone.
    void chooseAndSearch_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("query");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("address"); // empty: the button stays disabled
        QTest::newRow("Morfix, right to left") << "Morfix" << QStringLiteral("מים") << Qt::RightToLeft
                                               << QStringLiteral("https://www.morfix.co.il/default.aspx?q=מים");
        QTest::newRow("Ayalon, then back to Logos") << "Ayalon,Logos" << QStringLiteral("a&b") << Qt::LeftToRight
                                                    << QStringLiteral(
                                                           "https://www.logos.it/pls/dictionary/"
                                                           "new_dictionary.gdic.main?word=a%26b");
        QTest::newRow("nothing typed") << "Wiktionary" << QString() << Qt::LeftToRight << QString();
    }

    void chooseAndSearch()
    {
        QFETCH(QString, radio);
        QFETCH(QString, query);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, address);
        ShellOpenRecorder recorder;
        DictionaryDialog d;
        d.showLookup();
        auto *edit = child<QLineEdit>(d, "TransQuery");
        edit->setText(query);
        for (const QString &name : radio.split(u',')) {
            // Right to left, the round mark is at the right end.
            auto *button = d.findChild<QRadioButton *>(name);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 8, button->height() / 2));
        }
        QCOMPARE(edit->layoutDirection(), direction);
        QCOMPARE(edit->text(), query);
        QCOMPARE(child<QPushButton>(d, "TransSearch")->isEnabled(), !address.isEmpty());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(recorder.targets(), address.isEmpty() ? QStringList{} : QStringList{address});
        QVERIFY(d.isVisible());
    }

    void picture()
    {
        DictionaryDialog d;
        child<QLineEdit>(d, "TransQuery")->setText(QStringLiteral("water"));
        d.show();
        const QImage image = d.grab().toImage();
        QVERIFY(image.width() > 200);
        const QString dir = qEnvironmentVariable("DALVANA_PICTURES");
        if (!dir.isEmpty())
            QVERIFY(image.save(dir + QStringLiteral("/DictionaryDialog.png")));
    }

private:
    template <typename T> static T *child(QWidget &w, const char *name)
    {
        return MainWindowFixture::child<T>(w, QLatin1String(name));
    }
};

QTEST_MAIN(DictionaryDialogTest)
#include "DictionaryDialogTest.moc"
