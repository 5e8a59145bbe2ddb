#include "platform/BrowserMenu.h"
#include "platform/KeyStore.h"
#include "platform/Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class BrowserMenuTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { Settings::setIniPathForTesting(m_dir.filePath(QStringLiteral("Dalvana.ini"))); }

    void scriptLines()
    {
        const QStringList lines = BrowserMenu::script(QStringLiteral("C:\\Program Files\\דלבנה\\Dalvana.exe"))
                                      .split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines.at(3), QStringLiteral("myshell.run('\"C:/Program Files/דלבנה/Dalvana.exe\" /c', 1, false );"));
        QCOMPARE(lines.at(15), QStringLiteral("//--></script>"));
    }

    // The command toggles: the first time it installs, the second it removes.
    void installTwice()
    {
        KeyStore store(KeyStore::Root::CurrentUser, m_dir.filePath(QStringLiteral("keys")));
        const QString program = QStringLiteral("/usr/bin/dalvana");
        const BrowserMenu::Toggled first = BrowserMenu::toggle(store, program);
        QVERIFY(first.error.isEmpty());
        QVERIFY(first.installed);
        QVERIFY(BrowserMenu::isInstalled(store));
        QCOMPARE(store.valueAt(BrowserMenu::Key), m_dir.filePath(QStringLiteral("Dalvana.html")));
        QCOMPARE(store.valueAt(BrowserMenu::Key, QStringLiteral("Contexts")), QStringLiteral("4"));
        QCOMPARE(read(BrowserMenu::scriptPath()), BrowserMenu::script(program).toLocal8Bit());
        QVERIFY(read(BrowserMenu::urlHandlerPath()).contains("MimeType=x-scheme-handler/dalvana;"));
        QVERIFY(read(BrowserMenu::bookmarkletPath()).contains("dalvana:c"));

        const BrowserMenu::Toggled second = BrowserMenu::toggle(store, program);
        QVERIFY(!second.installed);
        QVERIFY(!store.keyExists(BrowserMenu::Key));
        for (const QString &path :
             {BrowserMenu::scriptPath(), BrowserMenu::bookmarkletPath(), BrowserMenu::urlHandlerPath()})
            QVERIFY2(!QFile::exists(path), qPrintable(path));
    }

    // A folder that cannot be written: the message names it, and the key stays as it was.
    void unwritableFolder()
    {
        Settings::setIniPathForTesting(QStringLiteral("/proc/dalvana/Dalvana.ini"));
        KeyStore store(KeyStore::Root::CurrentUser, m_dir.filePath(QStringLiteral("keys2")));
        const BrowserMenu::Toggled t = BrowserMenu::toggle(store, QStringLiteral("/usr/bin/dalvana"));
        QVERIFY(!t.installed);
        QVERIFY(t.error.contains(QStringLiteral("/proc/dalvana/Dalvana.html")));
        QVERIFY(!store.keyExists(BrowserMenu::Key));
    }
};

QTEST_GUILESS_MAIN(BrowserMenuTest)
#include "BrowserMenuTest.moc"
