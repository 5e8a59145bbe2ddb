#include "dialogs/preferences/PreferenceRules.h"

#include <QTest>

using namespace PreferenceRules;

class PreferenceRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void autoSaveMinutes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("minutes");
        QTest::newRow("off") << QStringLiteral("0") << 0;
        QTest::newRow("five") << QStringLiteral("5") << 5;
        QTest::newRow("99 stays") << QStringLiteral("99") << 99;
        QTest::newRow("100 is 99") << QStringLiteral("100") << 99;
        QTest::newRow("hand-edited 250") << QStringLiteral("250") << 99;
        QTest::newRow("not a number") << QStringLiteral("abc") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("too big for int") << QStringLiteral("99999999999") << 0;
        QTest::newRow("negative is off") << QStringLiteral("-5") << 0;
        QTest::newRow("fraction") << QStringLiteral("2.5") << 0;
    }

    void autoSaveMinutes()
    {
        QFETCH(QString, stored);
        QFETCH(int, minutes);
        QCOMPARE(PreferenceRules::autoSaveMinutes(stored), minutes);
    }

    void autoSaveInterval_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("interval");
        QTest::newRow("zero is off") << QStringLiteral("0") << 0;
        QTest::newRow("double zero never fires") << QStringLiteral("00") << 0;
        QTest::newRow("one minute") << QStringLiteral("1") << 60000;
        QTest::newRow("99 minutes") << QStringLiteral("99") << 99 * 60000;
        QTest::newRow("leading zero") << QStringLiteral("05") << 5 * 60000;
        QTest::newRow("empty is one minute") << QString() << 60000;
        QTest::newRow("letters are one minute") << QStringLiteral("x") << 60000;
        QTest::newRow("negative never fires") << QStringLiteral("-3") << 0;
        QTest::newRow("huge is capped") << QStringLiteral("99999") << INT_MAX;
    }

    void autoSaveInterval()
    {
        QFETCH(QString, text);
        QFETCH(int, interval);
        QCOMPARE(PreferenceRules::autoSaveInterval(text), interval);
    }

    void recentChangesClicked_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("newLast");
        QTest::addColumn<QString>("written");
        QTest::newRow("off") << false << QStringLiteral("20260101120000") << QStringLiteral("0") << QStringLiteral("0");
        QTest::newRow("on from off") << true << QStringLiteral("0") << QStringLiteral("1") << QStringLiteral("1");
        QTest::newRow("on keeps a time") << true << QStringLiteral("20260101120000") << QStringLiteral("20260101120000")
                                         << QString();
        QTest::newRow("on keeps 1") << true << QStringLiteral("1") << QStringLiteral("1") << QString();
    }

    void recentChangesClicked()
    {
        QFETCH(bool, checked);
        QFETCH(QString, last);
        QFETCH(QString, newLast);
        QFETCH(QString, written);
        const auto step = PreferenceRules::recentChangesClicked(checked, last);
        QCOMPARE(step.lastTime, newLast);
        QCOMPARE(step.write, written);
        QCOMPARE(step.write.isNull(), written.isNull());
    }

    void commandNamesProgram_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("names");
        QTest::newRow("this copy") << QStringLiteral("\"/opt/d/dalvana\" /o \"%1\"") << true;
        QTest::newRow("another copy") << QStringLiteral("\"/home/u/old/dalvana\" /o \"%1\"") << true;
        QTest::newRow("unquoted") << QStringLiteral("/opt/d/dalvana /o %1") << true;
        QTest::newRow("other program") << QStringLiteral("\"/usr/bin/gedit\" \"%1\"") << false;
        QTest::newRow("name as a mere prefix") << QStringLiteral("\"/opt/d/dalvana-old\" /o \"%1\"") << false;
        QTest::newRow("windows exe") << QStringLiteral("\"C:\\Dalvana.exe\" /o \"%1\"") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void commandNamesProgram()
    {
        QFETCH(QString, command);
        QFETCH(bool, names);
        QCOMPARE(PreferenceRules::commandNamesProgram(command, QStringLiteral("/opt/d/dalvana")), names);
    }
};

QTEST_GUILESS_MAIN(PreferenceRulesTest)
#include "PreferenceRulesTest.moc"
