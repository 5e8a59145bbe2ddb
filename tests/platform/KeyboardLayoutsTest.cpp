#include "platform/KeyboardLayouts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

class KeyboardLayoutsTest : public QObject
{
    Q_OBJECT

private slots:
    void groupFor_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<int>("group");
        const QStringList usHebrew{QStringLiteral("English (US)"), QStringLiteral("Hebrew")};
        QTest::newRow("Hebrew second") << KeyboardLayouts::Hebrew << usHebrew << 1;
        QTest::newRow("English first") << KeyboardLayouts::UsEnglish << usHebrew << 0;
        QTest::newRow("Hebrew variant") << KeyboardLayouts::Hebrew
                                        << QStringList{QStringLiteral("Russian"),
                                                       QStringLiteral("Hebrew (Biblical, Tiro)")}
                                        << 1;
        QTest::newRow("plain English") << KeyboardLayouts::UsEnglish
                                       << QStringList{QStringLiteral("Hebrew"), QStringLiteral("English")} << 1;
        QTest::newRow("British English is not US")
            << KeyboardLayouts::UsEnglish << QStringList{QStringLiteral("English (UK)")} << -1;
        QTest::newRow("no Hebrew configured")
            << KeyboardLayouts::Hebrew << QStringList{QStringLiteral("English (US)")} << -1;
        QTest::newRow("unnamed groups skipped")
            << KeyboardLayouts::Hebrew << QStringList{QString(), QString(), QStringLiteral("Hebrew")} << 2;
        QTest::newRow("unknown layout") << QStringLiteral("00000419") << usHebrew << -1;
    }

    void groupFor()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, groups);
        QFETCH(int, group);
        QCOMPARE(KeyboardLayouts::groupFor(layout, groups), group);
    }

    // The control that gets the focus decides, by its direction.
    void focusAsksForTheControlsLayout()
    {
        QStringList asked;
        KeyboardLayouts::setActivatorForTesting([&asked](const QString &layout) { asked.append(layout); });
        KeyboardLayouts::install(*qApp);
        KeyboardLayouts::install(*qApp);

        QWidget window;
        window.setLayoutDirection(Qt::RightToLeft);
        auto *layout = new QVBoxLayout(&window);
        auto *editor = new QPlainTextEdit(&window);
        auto *path = new QLineEdit(&window);
        path->setLayoutDirection(Qt::LeftToRight);
        layout->addWidget(editor);
        layout->addWidget(path);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        editor->setFocus();
        asked.clear();
        path->setFocus();
        editor->setFocus();
        // Installed twice, still asked once a change.
        QCOMPARE(asked, (QStringList{KeyboardLayouts::UsEnglish, KeyboardLayouts::Hebrew}));
        KeyboardLayouts::setActivatorForTesting({});
    }
};

QTEST_MAIN(KeyboardLayoutsTest)
#include "KeyboardLayoutsTest.moc"
