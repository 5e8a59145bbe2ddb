#include "platform/DesktopIntegration.h"
#include "platform/KeyStore.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class KeyStoreTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_file;

    void writeBytes(const QByteArray &bytes) { QVERIFY(TestFiles::writeBytes(m_file, bytes)); }

private slots:
    void initTestCase() { QVERIFY(TestFiles::useHomeIn(m_home)); }

    void init()
    {
        m_file = m_home.filePath(QStringLiteral("keys.json"));
        QFile::remove(m_file);
        QFile::remove(DesktopIntegration::textVerbEntryPath());
    }

    void storeLivesInTheConfigFolder()
    {
        QCOMPARE(KeyStore::defaultFile(), m_home.filePath(QStringLiteral("config/dalvana/keys.json")));
    }

    // The steps that register the verb: open the key creating it, set its default
    // value, then open "command\" relative to it and set that.
    void relativeOpenAndDefaultValues()
    {
        KeyStore store(KeyStore::Root::ClassesRoot, m_file);
        QVERIFY(!store.openKey(QStringLiteral("txtfile\\Shell\\Dalvana\\"), false));
        QVERIFY(store.openKey(QStringLiteral("txtfile\\Shell\\Dalvana\\"), true));
        QVERIFY(store.writeString(QString(), QStringLiteral("ערוך עם דלבנה")));
        QVERIFY(store.openKey(QStringLiteral("command\\"), true));
        QCOMPARE(store.currentKey(), QStringLiteral("HKEY_CLASSES_ROOT\\txtfile\\Shell\\Dalvana\\command"));
        QVERIFY(store.writeString(QString(), QStringLiteral("\"/opt/d/dalvana\" /o \"%1\"")));

        KeyStore other(KeyStore::Root::ClassesRoot, m_file);
        QVERIFY(other.keyExists(QStringLiteral("TXTFILE\\shell")));
        QCOMPARE(other.valueAt(QStringLiteral("txtfile\\shell\\dalvana")), QStringLiteral("ערוך עם דלבנה"));
        QCOMPARE(other.valueAt(QStringLiteral("txtfile\\Shell\\Dalvana\\command")),
                 QStringLiteral("\"/opt/d/dalvana\" /o \"%1\""));
        QCOMPARE(other.valueAt(QStringLiteral("txtfile\\Shell\\Dalvana"), QStringLiteral("missing")), QString());
        KeyStore user(KeyStore::Root::CurrentUser, m_file);
        QVERIFY(!user.keyExists(QStringLiteral("txtfile")));
    }

    void deleteTakesSubkeysButNotNeighbours()
    {
        KeyStore store(KeyStore::Root::ClassesRoot, m_file);
        for (const char *path :
             {"txtfile\\Shell\\Dalvana\\command", "txtfile\\Shell\\DalvanaOther", "txtfile\\Shell\\open"})
            QVERIFY(store.openKey(QLatin1Char('\\') + QString::fromLatin1(path), true));
        QVERIFY(store.deleteKey(QStringLiteral("\\txtfile\\shell\\dalvana")));
        QVERIFY(store.currentKey().endsWith(QStringLiteral("open")));
        QVERIFY(!store.keyExists(QStringLiteral("\\txtfile\\Shell\\Dalvana")));
        QVERIFY(!store.keyExists(QStringLiteral("\\txtfile\\Shell\\Dalvana\\command")));
        QVERIFY(store.keyExists(QStringLiteral("\\txtfile\\Shell\\DalvanaOther")));
        QVERIFY(store.keyExists(QStringLiteral("\\txtfile\\Shell")));
        QVERIFY(store.deleteKey(QStringLiteral("\\nothing\\here")));
    }

    void brokenStoreIsNotOverwritten()
    {
        const QByteArray junk("{ not json");
        writeBytes(junk);
        KeyStore store(KeyStore::Root::ClassesRoot, m_file);
        QVERIFY(!store.openKey(QStringLiteral("txtfile"), true));
        QVERIFY(store.errorString().contains(m_file));
        QVERIFY(!store.deleteKey(QStringLiteral("txtfile")));
        QFile f(m_file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), junk);
    }

    void unwritableStoreFails()
    {
        KeyStore store(KeyStore::Root::ClassesRoot, QStringLiteral("/proc/dalvana/keys.json"));
        QVERIFY(!store.openKey(QStringLiteral("txtfile"), true));
        QCOMPARE(store.errorString(), QStringLiteral("Unable to write to \u2066/proc/dalvana/keys.json\u2069"));
    }

    void cutShortWriteKeepsTheStore()
    {
        KeyStore store(KeyStore::Root::CurrentUser, m_file);
        QVERIFY(store.openKey(QStringLiteral("Software\\Dalvana"), true));
        const QByteArray old = TestFiles::readBytes(m_file);
        {
            const FileSizeLimit limit{qMax(rlim_t(old.size()), rlim_t(100))};
            QVERIFY(limit.isValid());
            QVERIFY(!store.writeString(QStringLiteral("Big"), QString(500, u'v')));
        }
        QVERIFY(store.errorString().contains(m_file));
        QCOMPARE(TestFiles::readBytes(m_file), old);
    }
};

QTEST_GUILESS_MAIN(KeyStoreTest)
#include "KeyStoreTest.moc"
