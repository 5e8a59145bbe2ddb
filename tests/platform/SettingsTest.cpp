#include "gui/HebrewUi.h"
#include "platform/Settings.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList g_messages;
void collect(const QString &message)
{
    g_messages << message;
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init()
    {
        g_messages.clear();
        Settings::setErrorReporter(collect);
    }

    void iniPathRule_data()
    {
        QTest::addColumn<bool>("exeDirUsable");
        QTest::addColumn<bool>("besideExe");
        QTest::newRow("writable program folder") << true << true;
        QTest::newRow("missing program folder") << false << false;
    }

    void iniPathRule()
    {
        QFETCH(bool, exeDirUsable);
        QFETCH(bool, besideExe);
        const QString exeDir = exeDirUsable ? m_dir.path() : m_dir.filePath(QStringLiteral("gone"));
        const QString config = m_dir.filePath(QStringLiteral("config"));
        const QString path = Settings::chooseIniPath(exeDir, config);
        QCOMPARE(path,
                 besideExe ? m_dir.filePath(QStringLiteral("Dalvana.ini"))
                           : config + QStringLiteral("/dalvana/Dalvana.ini"));
        if (!besideExe)
            QVERIFY(QFileInfo(config + QStringLiteral("/dalvana")).isDir());
    }

    // Installed under /usr the settings go to the user's folder, even for root.
    void installedProgramKeepsNoSettingsBesideIt()
    {
        const QString config = m_dir.filePath(QStringLiteral("config"));
        QCOMPARE(Settings::chooseIniPath(QStringLiteral("/usr/bin"), config),
                 config + QStringLiteral("/dalvana/Dalvana.ini"));
    }

    void firstStartLayout()
    {
        const QString ini = m_dir.filePath(QStringLiteral("first.ini"));
        Settings::setIniPathForTesting(ini);
        QVERIFY(Settings::ensureFile());
        QCOMPARE(TestFiles::readBytes(ini),
                 QByteArray("[Preferences]\nMaximize=Yes\nTray=Yes\nNikkud=Yes\nRecentChanges=0\n"
                            "[Shortcuts]\nF2=\nF3=\nF4=\n"
                            "[RecentItems]\nR1=\nR2=\nR3=\nR4=\n"));
        QVERIFY(Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("No")));
        QVERIFY(Settings::ensureFile()); // an existing file keeps what it holds
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("Tray")), QStringLiteral("No"));
        QVERIFY(g_messages.isEmpty());
    }

    void failedWritesAreReported()
    {
        const QString ini = QStringLiteral("/proc/no-such-folder/Dalvana.ini");
        Settings::setIniPathForTesting(ini);
        QVERIFY(!Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("No")));
        QVERIFY(!Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("No")));
        QCOMPARE(g_messages, QStringList(2, QStringLiteral("Unable to write to ") + HebrewUi::leftToRight(ini)));
        {
            Settings::ReportOnce once;
            QVERIFY(!Settings::ensureFile());
            QVERIFY(!Settings::write(QStringLiteral("Preferences"), QStringLiteral("AutoSave"), QStringLiteral("0")));
        }
        QCOMPARE(g_messages.size(), 3);
        QVERIFY(!Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("No")));
        QCOMPARE(g_messages.size(), 4);
    }

    // A settings file that cannot be decoded is reported once and never rewritten.
    void brokenFileIsKept()
    {
        const QString ini = m_dir.filePath(QStringLiteral("broken.ini"));
        const QByteArray junk("\x00\x01\x81\xFF[Preferences]", 17);
        QVERIFY(TestFiles::writeBytes(ini, junk));
        Settings::setIniPathForTesting(ini);
        {
            Settings::ReportOnce once;
            QVERIFY(!Settings::checkFile());
            QVERIFY(Settings::ensureFile());
            QVERIFY(!Settings::write(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("No")));
        }
        QCOMPARE(g_messages.size(), 1);
        QVERIFY(g_messages.first().contains(ini));
        QCOMPARE(TestFiles::readBytes(ini), junk);
        QCOMPARE(Settings::read(QStringLiteral("Preferences"), QStringLiteral("Tray"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    void missingFileIsNoProblem()
    {
        Settings::setIniPathForTesting(m_dir.filePath(QStringLiteral("none.ini")));
        QVERIFY(Settings::checkFile());
        QVERIFY(g_messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
