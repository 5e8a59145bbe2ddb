#include "dialogs/lookups/EtymologyDialog.h"

#include "support/MainWindowFixture.h"
#include "platform/ShellOpen.h"
#include "support/WindowTestCase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class EtymologyDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void controls()
    {
        EtymologyDialog d;
        QCOMPARE(d.objectName(), QStringLiteral("TEtym"));
        QCOMPARE(d.windowTitle(), QStringLiteral("אטימולוגיה אנגלית"));
        QCOMPARE(d.windowFlags() & (Qt::Tool | Qt::WindowStaysOnTopHint), Qt::Tool | Qt::WindowStaysOnTopHint);
        QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(child<QLineEdit>(d, "EtymQuery")->layoutDirection(), Qt::LeftToRight);
        auto *search = child<QPushButton>(d, "EtymClick");
        QCOMPARE(search->text(), QStringLiteral("חפש"));
        QVERIFY(search->isDefault());
        QVERIFY(!search->isEnabled());
        const QList<QStringList> radios{{"EO", "Etymology Online"},
                                        {"OED", "Oxford"},
                                        {"AHD", "American Heritage"},
                                        {"PnF", "Phrase && Fabel"},
                                        {"MW", "Merriam-Webster"}};
        for (const QStringList &r : radios) {
            auto *radio = d.findChild<QRadioButton *>(r[0]);
            QVERIFY2(radio, qPrintable(r[0]));
            QCOMPARE(radio->text(), r[1]);
            QCOMPARE(radio->isChecked(), r[0] == QLatin1String("EO"));
        }
    }

    void chooseAndSearch_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("address"); // empty: the button is disabled
        QTest::newRow("PnF, a phrase") << "PnF" << QStringList{"kick the bucket"}
                                       << QStringLiteral(
                                              "https://www.bartleby.com/cgi-bin/texis/webinator/"
                                              "sitesearch?query=kick the bucket&filter=col81");
        QTest::newRow("typed, then cleared") << "MW" << QStringList{"a", ""} << QString();
    }

    void chooseAndSearch()
    {
        QFETCH(QString, radio);
        QFETCH(QStringList, typed);
        QFETCH(QString, address);
        ShellOpenRecorder recorder;
        EtymologyDialog d;
        d.showLookup();
        auto *edit = child<QLineEdit>(d, "EtymQuery");
        for (const QString &t : typed)
            edit->setText(t);
        auto *button = d.findChild<QRadioButton *>(radio);
        // Right to left, the round mark is at the right end.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 8, button->height() / 2));
        QCOMPARE(child<QPushButton>(d, "EtymClick")->isEnabled(), !address.isEmpty());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(recorder.targets(), address.isEmpty() ? QStringList{} : QStringList{address});
    }

    void picture()
    {
        EtymologyDialog d;
        child<QLineEdit>(d, "EtymQuery")->setText(QStringLiteral("algebra"));
        d.show();
        const QImage image = d.grab().toImage();
        QVERIFY(image.width() > 200);
        const QString dir = qEnvironmentVariable("DALVANA_PICTURES");
        if (!dir.isEmpty())
            QVERIFY(image.save(dir + QStringLiteral("/EtymologyDialog.png")));
    }

private:
    template <typename T> static T *child(QWidget &w, const char *name)
    {
        return MainWindowFixture::child<T>(w, QLatin1String(name));
    }
};

QTEST_MAIN(EtymologyDialogTest)
#include "EtymologyDialogTest.moc"
