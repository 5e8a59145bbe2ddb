#include "app/commands/VowelCommands.h"
#include "support/MainWindowFixture.h"
#include "support/EditorNotation.h"
#include "wikitext/Hebrew.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using EditorNotation::parse;
using EditorNotation::write;

class VowelCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MainWindowFixture::startTestCase(); }

    void init() { MainWindowFixture::removeSettings(m_dir); }

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
        TForm1 form;
        QAction *button = form.action(name);
        QCOMPARE(button->toolTip(), hint);
        QVERIFY(!button->icon().isNull());
        form.editor().setText(QStringLiteral("שלום"));
        form.editor().apply(parse(QStringLiteral("ש⟦ל⟧ום")));
        button->trigger();
        QCOMPARE(write(form.editor().state()), QStringLiteral("ש") + QChar(point) + QStringLiteral("‸ום"));
    }

    void toolbarOrder()
    {
        TForm1 form;
        QStringList names;
        for (QAction *a : form.toolBar()->actions()) {
            if (!VowelCommands::pointOf(a->objectName()).isNull() || a->objectName() == QLatin1String("TntToolButton2"))
                names << a->objectName();
        }
        QCOMPARE(names, VowelCommands::buttonNames() << QStringLiteral("TntToolButton2"));
    }

    void picturesDiffer()
    {
        // Dagesh and Shuruk are the same dot; every other button shows its own point.
        QSet<QString> seen;
        for (QChar point : Hebrew::Points) {
            const QImage image = VowelCommands::pointIcon(point).pixmap(20, 20).toImage();
            QByteArray bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            QVERIFY2(!seen.contains(QString::fromLatin1(bytes.toBase64())), "two points look alike");
            seen.insert(QString::fromLatin1(bytes.toBase64()));
        }
    }

    void disabledEditorTakesNoPoint()
    {
        TForm1 form;
        form.editor().setText(QStringLiteral("אב"));
        form.articleText()->setEnabled(false);
        form.action(QStringLiteral("Kamats"))->trigger();
        QCOMPARE(form.editor().text(), QStringLiteral("אב"));
    }

    void popupReadsTheSetting_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");
        QTest::newRow("Yes") << "Yes" << true;
        QTest::newRow("No") << "No" << false;
        QTest::newRow("lower-case yes") << "yes" << true;
        QTest::newRow("lower-case no") << "no" << true;
        QTest::newRow("missing") << QString() << false;
    }

    void popupReadsTheSetting()
    {
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        if (!stored.isNull())
            Settings::write(QStringLiteral("Preferences"), QStringLiteral("Nikkud"), stored);
        TForm1 form;
        form.action(QStringLiteral("Nikkud"))->setChecked(!checked);
        form.toolbarPopup()->popup(QPoint(0, 0));
        QCOMPARE(form.action(QStringLiteral("Nikkud"))->isChecked(), checked);
        form.toolbarPopup()->close();
    }

    void nikkudShowsAndHides()
    {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QAction *nikkud = form.action(QStringLiteral("Nikkud"));
        QWidget *quote = form.toolBar()->widgetForAction(form.action(QStringLiteral("Quote")));
        const int quoteX = quote->mapTo(&form, QPoint(0, 0)).x();

        nikkud->trigger(); // unchecked -> checked
        QCoreApplication::processEvents();
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("Nikkud")), QStringLiteral("Yes"));
        QVERIFY(form.vowelToolbarVisible());
        for (const QString &name : VowelCommands::buttonNames())
            QVERIFY2(form.action(name)->isVisible(), qPrintable(name));
        QCOMPARE(quote->mapTo(&form, QPoint(0, 0)).x(), quoteX);
        auto *dagesh = qobject_cast<QToolButton *>(form.toolBar()->widgetForAction(form.action("Dagesh")));
        QVERIFY(dagesh && dagesh->isVisible());

        nikkud->trigger(); // checked -> unchecked
        QCoreApplication::processEvents();
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("Nikkud")), QStringLiteral("No"));
        QVERIFY(!form.vowelToolbarVisible());
        QVERIFY(!form.action(QStringLiteral("Holam"))->isVisible());
        QCOMPARE(quote->mapTo(&form, QPoint(0, 0)).x(), quoteX);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(VowelCommandsTest)
#include "VowelCommandsTest.moc"
