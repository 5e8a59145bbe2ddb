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

        QVERIFY(read(BrowserMenu::mimeAppsPath()).contains("x-scheme-handler/dalvana=dalvana-url.desktop;"));

        const BrowserMenu::Toggled second = BrowserMenu::toggle(store, program);
        QVERIFY(!second.installed);
        QVERIFY(!store.keyExists(BrowserMenu::Key));
        for (const QString &path :
             {BrowserMenu::scriptPath(), BrowserMenu::bookmarkletPath(), BrowserMenu::urlHandlerPath()})
            QVERIFY2(!QFile::exists(path), qPrintable(path));
    }

    // Registering the handler and taking it back again, in the user's mimeapps.list.
    void defaultHandler_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("registered");
        QTest::addColumn<QString>("removedAgain");
        const QString mine = QStringLiteral("x-scheme-handler/dalvana=dalvana-url.desktop;\n");
        QTest::newRow("no file") << QString() << "[Default Applications]\n" + mine << "[Default Applications]\n";
        QTest::newRow("section of its own, no final line break")
            << "[Default Applications]\ntext/plain=kate.desktop"
            << "[Default Applications]\n" + mine + "text/plain=kate.desktop\n"
            << "[Default Applications]\ntext/plain=kate.desktop\n";
        QTest::newRow("another default comes back")
            << "[Default Applications]\nx-scheme-handler/dalvana=old.desktop\n"
            << "[Default Applications]\nx-scheme-handler/dalvana=dalvana-url.desktop;old.desktop;\n"
            << "[Default Applications]\nx-scheme-handler/dalvana=old.desktop;\n";
        QTest::newRow("the same key in another section stays")
            << "[Added Associations]\nx-scheme-handler/dalvana=dalvana-url.desktop;\n"
            << "[Added Associations]\nx-scheme-handler/dalvana=dalvana-url.desktop;\n[Default Applications]\n" + mine
            << "[Added Associations]\nx-scheme-handler/dalvana=dalvana-url.desktop;\n[Default Applications]\n";
        QTest::newRow("registered twice, one entry")
            << "[Default Applications]\n" + mine << "[Default Applications]\n" + mine << "[Default Applications]\n";
    }

    void defaultHandler()
    {
        QFETCH(QString, before);
        QFETCH(QString, registered);
        QFETCH(QString, removedAgain);
        const QString scheme = BrowserMenu::UrlScheme, entry = QStringLiteral("dalvana-url.desktop");
        QCOMPARE(BrowserMenu::withDefaultHandler(before, scheme, entry), registered);
        QCOMPARE(BrowserMenu::withoutDefaultHandler(registered, scheme, entry), removedAgain);
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
