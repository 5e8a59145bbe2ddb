#include "dialogs/lookups/SourcesDialog.h"

#include "support/MainWindowFixture.h"
#include "platform/ShellOpen.h"
#include "support/WindowTestCase.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QStringList kChecks{"BibleCheck", "MishnaCheck",     "ToseftaCheck",
                          "BavliCheck", "YerushalmiCheck", "MishneTorahCheck"};
} // namespace

class SourcesDialogTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void controls()
    {
        SourcesDialog d;
        QCOMPARE(d.objectName(), QStringLiteral("TBibleForm"));
        QCOMPARE(d.windowTitle(), QStringLiteral("חיפוש במאגר הקודש"));
        QCOMPARE(d.windowFlags() & (Qt::Tool | Qt::WindowStaysOnTopHint), Qt::Tool | Qt::WindowStaysOnTopHint);
        QCOMPARE(d.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(child<QLineEdit>(d, "QueryText")->layoutDirection(), Qt::RightToLeft);
        auto *search = child<QPushButton>(d, "Search");
        QCOMPARE(search->text(), QStringLiteral("חפש"));
        QVERIFY(search->isDefault());
        QVERIFY(!search->isEnabled());
        const QStringList captions{"תנ\"ך", "משנה", "תוספתא", "תלמוד בבלי", "תלמוד ירושלמי", "משנה תורה"};
        for (qsizetype i = 0; i < kChecks.size(); ++i) {
            auto *check = child<QCheckBox>(d, qPrintable(kChecks[i]));
            QCOMPARE(check->text(), captions[i]);
            QVERIFY(check->isChecked());
        }
    }

    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("unchecked");
        QTest::addColumn<QString>("address"); // empty: nothing opens
        QTest::addColumn<QStringList>("notices");
        const QString endpoint = QStringLiteral("https://kodesh.snunit.k12.il/cgi-bin/kodesh/search_adv.pl?search=");
        QTest::newRow("Bible and Mishna only")
            << QStringLiteral("שלום") << kChecks.mid(2)
            << endpoint + QStringLiteral("שלום&page=0&type=0&book=tanah,mishna") << QStringList{};
        QTest::newRow("no collection: a notice, nothing opens")
            << QStringLiteral("שלום") << kChecks << QString() << QStringList{Lookups::NoCollectionMessage};
        QTest::newRow("nothing typed") << QString() << QStringList{} << QString() << QStringList{};
    }

    void search()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, unchecked);
        QFETCH(QString, address);
        QFETCH(QStringList, notices);
        ShellOpenRecorder recorder;
        SourcesDialog d;
        d.showLookup();
        auto *edit = child<QLineEdit>(d, "QueryText");
        edit->setText(query);
        for (const QString &name : unchecked)
            child<QCheckBox>(d, qPrintable(name))->setChecked(false);
        QCOMPARE(child<QPushButton>(d, "Search")->isEnabled(), !query.isEmpty());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(recorder.targets(), address.isEmpty() ? QStringList{} : QStringList{address});
        QCOMPARE(MainWindowFixture::askedTexts(), notices);
        QVERIFY(d.isVisible());
    }

    void picture()
    {
        SourcesDialog d;
        child<QLineEdit>(d, "QueryText")->setText(QStringLiteral("שָׁלוֹם"));
        d.show();
        const QImage image = d.grab().toImage();
        QVERIFY(image.width() > 200);
        const QString dir = qEnvironmentVariable("DALVANA_PICTURES");
        if (!dir.isEmpty())
            QVERIFY(image.save(dir + QStringLiteral("/SourcesDialog.png")));
    }

private:
    template <typename T> static T *child(QWidget &w, const char *name)
    {
        return MainWindowFixture::child<T>(w, QLatin1String(name));
    }
};

QTEST_MAIN(SourcesDialogTest)
#include "SourcesDialogTest.moc"
