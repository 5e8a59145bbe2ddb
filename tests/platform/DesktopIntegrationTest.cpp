#include "platform/DesktopIntegration.h"
#include "platform/KeyStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class DesktopIntegrationTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    QString entryText() { return QString::fromUtf8(TestFiles::readBytes(DesktopIntegration::textVerbEntryPath())); }

private slots:
    void initTestCase() { QVERIFY(TestFiles::useHomeIn(m_home)); }

    void execArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << QStringLiteral("/usr/bin/dalvana") << QStringLiteral("/usr/bin/dalvana");
        QTest::newRow("hebrew folder") << QStringLiteral("/home/דן/dalvana") << QStringLiteral("/home/דן/dalvana");
        QTest::newRow("space") << QStringLiteral("/opt/my apps/dalvana") << QStringLiteral("\"/opt/my apps/dalvana\"");
        QTest::newRow("dollar and quote") << QStringLiteral("/a$b\"c") << QStringLiteral("\"/a\\\\$b\\\\\"c\"");
        QTest::newRow("backslash") << QStringLiteral("/a\\b") << QStringLiteral("\"/a\\\\\\\\b\"");
        QTest::newRow("percent") << QStringLiteral("/opt/100%/dalvana") << QStringLiteral("/opt/100%%/dalvana");
        QTest::newRow("newline refused") << QStringLiteral("/a\nb") << QString();
    }

    void execArgument()
    {
        QFETCH(QString, argument);
        QFETCH(QString, written);
        QCOMPARE(DesktopIntegration::execArgument(argument), written);
    }

    void programOfCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("program");
        QTest::newRow("ours") << DesktopIntegration::textVerbCommand(QStringLiteral("/opt/d d/dalvana"))
                              << QStringLiteral("/opt/d d/dalvana");
        QTest::newRow("windows form") << QStringLiteral("\"C:\\D\\Dalvana.exe\" /o \"%1\"")
                                      << QStringLiteral("C:\\D\\Dalvana.exe");
        QTest::newRow("unquoted") << QStringLiteral("/usr/bin/dalvana /o %1") << QStringLiteral("/usr/bin/dalvana");
        QTest::newRow("unclosed quote") << QStringLiteral("\"/usr/bin/dalvana /o") << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void programOfCommand()
    {
        QFETCH(QString, command);
        QFETCH(QString, program);
        QCOMPARE(DesktopIntegration::programOfCommand(command), program);
    }

    void verbKeysMakeAndRemoveTheEntry()
    {
        KeyStore store(KeyStore::Root::ClassesRoot, m_home.filePath(QStringLiteral("keys.json")));
        QVERIFY(store.openKey(DesktopIntegration::TextVerbKey, true));
        QVERIFY(store.writeString(QString(), DesktopIntegration::TextVerbCaption));
        QVERIFY(!QFile::exists(DesktopIntegration::textVerbEntryPath())); // no command yet
        QVERIFY(store.openKey(QStringLiteral("command"), true));
        QVERIFY(
            store.writeString(QString(), DesktopIntegration::textVerbCommand(QStringLiteral("/opt/my apps/dalvana"))));

        QCOMPARE(DesktopIntegration::textVerbEntryPath(),
                 m_home.filePath(QStringLiteral("data/applications/dalvana-txtfile.desktop")));
        const QString entry = entryText();
        QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(entry.contains(QStringLiteral("\nName=ערוך עם דלבנה\n")));
        QVERIFY(entry.contains(QStringLiteral("\nExec=\"/opt/my apps/dalvana\" /o %f\n")));
        QVERIFY(entry.contains(QStringLiteral("\nMimeType=text/plain;\n")));

        QVERIFY(store.deleteKey(QLatin1Char('\\') + DesktopIntegration::TextVerbKey));
        QVERIFY(!QFile::exists(DesktopIntegration::textVerbEntryPath()));
    }

    // An installed package's entry opens text files with the same program: the verb
    // adds no second one; for another copy of the program it still does.
    void packagedEntryIsNotDuplicated()
    {
        const QString system = m_home.filePath(QStringLiteral("system"));
        QDir().mkpath(system + QStringLiteral("/applications"));
        QDir().mkpath(system + QStringLiteral("/bin"));
        const QString program = system + QStringLiteral("/bin/dalvana");
        QFile exe(program);
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        exe.close();
        QFile entry(system + QStringLiteral("/applications/") + DesktopIntegration::PackagedEntry);
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nExec=%1 %f\nMimeType=text/plain;\n")
                        .arg(program)
                        .toUtf8());
        entry.close();
        qputenv("XDG_DATA_DIRS", system.toUtf8());

        KeyStore store(KeyStore::Root::ClassesRoot, m_home.filePath(QStringLiteral("packaged.json")));
        QVERIFY(store.openKey(DesktopIntegration::TextVerbKey + QStringLiteral("\\command"), true));
        QVERIFY(store.writeString(QString(), DesktopIntegration::textVerbCommand(program)));
        QVERIFY(!QFile::exists(DesktopIntegration::textVerbEntryPath()));
        QVERIFY(
            store.writeString(QString(), DesktopIntegration::textVerbCommand(QStringLiteral("/opt/other/dalvana"))));
        QVERIFY(QFile::exists(DesktopIntegration::textVerbEntryPath()));
        QVERIFY(store.deleteKey(QLatin1Char('\\') + DesktopIntegration::TextVerbKey));
        qunsetenv("XDG_DATA_DIRS");
    }

    void otherRootsLeaveTheDesktopAlone()
    {
        KeyStore user(KeyStore::Root::CurrentUser, m_home.filePath(QStringLiteral("user.json")));
        QVERIFY(user.openKey(DesktopIntegration::TextVerbKey + QStringLiteral("\\command"), true));
        QVERIFY(user.writeString(QString(), DesktopIntegration::textVerbCommand(QStringLiteral("/x/dalvana"))));
        QVERIFY(!QFile::exists(DesktopIntegration::textVerbEntryPath()));
    }
};

QTEST_GUILESS_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
