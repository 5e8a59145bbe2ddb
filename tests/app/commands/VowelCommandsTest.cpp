#include "support/MainWindowFixture.h"
#include "app/commands/VowelCommands.h"
#include "gui/AppIcons.h"
#include "hebrew/Hebrew.h"
#include "support/EditorNotation.h"
#include "support/WindowTestCase.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// The point buttons in toolbar order.
const QStringList PointButtons = {"Dagesh",      "Shin_Left", "Shin_Right",   "Kubuts",      "Shuruk",
                                  "Hirik",       "Schwa",     "Tsere",        "Hataf_Segol", "Segol",
                                  "Hataf_Patah", "Patah",     "Hataf_Kamats", "Kamats",      "Holam"};

} // namespace
#include <QToolBar>
#include <QToolButton>

using EditorNotation::parse;
using EditorNotation::write;

class VowelCommandsTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Dagesh") << "Dagesh" << 0x05BC << "דגש / מפיק";
        QTest::newRow("Shin_Left") << "Shin_Left" << 0x05C2 << "שי\"ן שמאלית";
        QTest::newRow("Shin_Right") << "Shin_Right" << 0x05C1 << "שי\"ן ימנית";
        QTest::newRow("Kubuts") << "Kubuts" << 0x05BB << "קובוץ";
        QTest::newRow("Shuruk, the same dot as Dagesh") << "Shuruk" << 0x05BC << "שורוק";
        QTest::newRow("Hirik") << "Hirik" << 0x05B4 << "חיריק";
        QTest::newRow("Schwa") << "Schwa" << 0x05B0 << "שווא";
        QTest::newRow("Tsere") << "Tsere" << 0x05B5 << "צירה";
        QTest::newRow("Hataf_Segol") << "Hataf_Segol" << 0x05B1 << "חטף סגול";
        QTest::newRow("Segol") << "Segol" << 0x05B6 << "סגול";
        QTest::newRow("Hataf_Patah") << "Hataf_Patah" << 0x05B2 << "חטף פתח";
        QTest::newRow("Patah") << "Patah" << 0x05B7 << "פתח";
        QTest::newRow("Hataf_Kamats") << "Hataf_Kamats" << 0x05B3 << "חטף קמץ";
        QTest::newRow("Kamats") << "Kamats" << 0x05B8 << "קמץ גדול / קמץ קטן";
        QTest::newRow("Holam") << "Holam" << 0x05B9 << "חולם מלא / חולם חסר";
    }

    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(int, point);
        QFETCH(QString, hint);
        MainWindow form;
        MainWindowFixture::ArticleText editor(form);
        QAction *button = MainWindowFixture::action(form, name);
        QCOMPARE(button->toolTip(), hint);
        QVERIFY(!button->icon().isNull());
        editor.setText(QStringLiteral("שלום"));
        editor.apply(parse(QStringLiteral("ש⟦ל⟧ום")));
        button->trigger();
        QCOMPARE(write(editor.state()), QStringLiteral("ש") + QChar(point) + QStringLiteral("‸ום"));
    }

    void toolbarOrder()
    {
        MainWindow form;
        QStringList names;
        for (QAction *a : MainWindowFixture::toolBar(form)->actions()) {
            if (PointButtons.contains(a->objectName()) || a->objectName() == QLatin1String("TntToolButton2"))
                names << a->objectName();
        }
        QCOMPARE(names, QStringList(PointButtons) << QStringLiteral("TntToolButton2"));
    }

    void picturesDiffer()
    {
        // Dagesh and Shuruk are the same dot; every other button shows its own point.
        QSet<QString> seen;
        for (QChar point : Hebrew::Points) {
            const QImage image = AppIcons::pointIcon(point).pixmap(20, 20).toImage();
            QByteArray bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            QVERIFY2(!seen.contains(QString::fromLatin1(bytes.toBase64())), "two points look alike");
            seen.insert(QString::fromLatin1(bytes.toBase64()));
        }
    }

    void disabledEditorTakesNoPoint()
    {
        MainWindow form;
        MainWindowFixture::ArticleText editor(form);
        editor.setText(QStringLiteral("אב"));
        editor.widget()->setEnabled(false);
        MainWindowFixture::action(form, QStringLiteral("Kamats"))->trigger();
        QCOMPARE(editor.text(), QStringLiteral("אב"));
    }

    // The popup's item, the toolbar and the file agree on one reading of the setting.
    void popupShowsTheToolbarState_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Yes") << "Yes" << true;
        QTest::newRow("No") << "No" << false;
        QTest::newRow("lower-case yes") << "yes" << false;
        QTest::newRow("missing") << QString() << false;
    }

    void popupShowsTheToolbarState()
    {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        Settings::write(QStringLiteral("Preferences"), QStringLiteral("Nikkud"), stored);
        MainWindow form;
        form.start({});
        QCOMPARE(MainWindowFixture::action(form, QStringLiteral("TntToolButton2"))->isVisible(), shown);
        QAction *nikkud = MainWindowFixture::action(form, QStringLiteral("Nikkud"));
        nikkud->setChecked(!shown);
        QMenu *popup = MainWindowFixture::child<QMenu>(form, QStringLiteral("ToolbarPopup"));
        popup->popup(QPoint(0, 0));
        QCOMPARE(nikkud->isChecked(), shown);
        popup->close();
    }

    void nikkudShowsAndHides()
    {
        MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QAction *nikkud = MainWindowFixture::action(form, QStringLiteral("Nikkud"));
        QWidget *quote = MainWindowFixture::toolBar(form)->widgetForAction(
            MainWindowFixture::action(form, QStringLiteral("Quote")));
        const int quoteX = quote->mapTo(&form, QPoint(0, 0)).x();

        nikkud->trigger(); // unchecked -> checked
        QCoreApplication::processEvents();
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("Nikkud")), QStringLiteral("Yes"));
        QVERIFY(MainWindowFixture::action(form, QStringLiteral("TntToolButton2"))->isVisible());
        for (const QString &name : PointButtons)
            QVERIFY2(MainWindowFixture::action(form, name)->isVisible(), qPrintable(name));
        QCOMPARE(quote->mapTo(&form, QPoint(0, 0)).x(), quoteX);
        auto *dagesh = qobject_cast<QToolButton *>(
            MainWindowFixture::toolBar(form)->widgetForAction(MainWindowFixture::action(form, "Dagesh")));
        QVERIFY(dagesh && dagesh->isVisible());

        nikkud->trigger(); // checked -> unchecked
        QCoreApplication::processEvents();
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("Nikkud")), QStringLiteral("No"));
        QVERIFY(!MainWindowFixture::action(form, QStringLiteral("TntToolButton2"))->isVisible());
        QVERIFY(!MainWindowFixture::action(form, QStringLiteral("Holam"))->isVisible());
        QCOMPARE(quote->mapTo(&form, QPoint(0, 0)).x(), quoteX);
        QVERIFY(quoteX + quote->width() <= form.width());
    }
};

QTEST_MAIN(VowelCommandsTest)
#include "VowelCommandsTest.moc"
