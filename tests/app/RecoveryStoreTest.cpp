#include "app/RecoveryStore.h"
#include "support/TestFiles.h"
#include "wikitext/DocumentFormat.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using Recovery::LeftCopy;
using Recovery::OwnCopy;

namespace {

// Above the largest process id Linux hands out: a lock of a process that is gone.
const QByteArray DeadOwner = "4194305\ndalvana\n";

QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A copy written by an instance that then died: its files stay, its lock names a
// process that no longer runs (or is gone altogether).
QString leaveCopy(const QString &folder, const QString &text, const RecoveryOrigin &origin, bool lockLeft = true)
{
    auto copy = std::make_unique<OwnCopy>(folder);
    QString error;
    if (!copy->write(text, origin, &error))
        qFatal("%s", qPrintable(error));
    const QString path = copy->textPath();
    const QString lock = path.chopped(4) + QStringLiteral(".lock");
    copy.reset(); // lets go of the lock without removing the copy
    if (lockLeft && !TestFiles::writeBytes(lock, DeadOwner))
        qFatal("lock");
    return path;
}

} // namespace

class RecoveryStoreTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->filePath(QStringLiteral("state/dalvana/recovery")); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void defaultFolderFollowsXdg_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/s") << QStringLiteral("/s/dalvana/recovery");
        QTest::newRow("unset") << QByteArray() << QDir::homePath() + QStringLiteral("/.local/state/dalvana/recovery");
        QTest::newRow("relative, ignored")
            << QByteArray("s") << QDir::homePath() + QStringLiteral("/.local/state/dalvana/recovery");
    }

    void defaultFolderFollowsXdg()
    {
        QFETCH(QByteArray, state);
        QFETCH(QString, expected);
        const QByteArray before = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", state);
        const QString folder = Recovery::defaultFolder();
        qputenv("XDG_STATE_HOME", before);
        QCOMPARE(folder, expected);
    }

    // The copy is a document file; what it belongs to comes back with it.
    void leftCopyComesBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<qint64>("revision");
        QTest::addColumn<bool>("lockLeft");
        QTest::newRow("untitled, lines") << QStringLiteral("==שָׁלוֹם==\r\n\r\nא") << QString() << QString() << 0LL
                                         << true;
        QTest::newRow("file, no lock left")
            << QStringLiteral("x\r\n") << QStringLiteral("/tmp/%2 a.txt") << QString() << 0LL << false;
        QTest::newRow("wiki page") << QStringLiteral("דף") << QString() << QStringLiteral("ספר") << 21LL << true;
        QTest::newRow("file and page") << QStringLiteral("y") << QStringLiteral("/tmp/b.txt") << QStringLiteral("Book")
                                       << 7LL << true;
        QTest::newRow("empty text") << QString() << QStringLiteral("/tmp/c.txt") << QString() << 0LL << true;
    }

    void leftCopyComesBack()
    {
        QFETCH(QString, text);
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QFETCH(qint64, revision);
        QFETCH(bool, lockLeft);
        const RecoveryOrigin origin{
            fileName,
            WikiPage{title, revision, QStringLiteral("2024-01-02T03:04:05Z"), QStringLiteral("2024-01-02T03:04:06Z")}};
        const QString path = leaveCopy(folder(), text, origin, lockLeft);
        QCOMPARE(TestFiles::readBytes(path), DocumentFormat::encode(text));

        auto found = LeftCopy::find(folder());
        QCOMPARE(found.size(), size_t(1));
        QVERIFY(found[0]->readable());
        QCOMPARE(found[0]->text(), text);
        QCOMPARE(found[0]->origin(), origin);
        QVERIFY(qAbs(found[0]->written().secsTo(QDateTime::currentDateTime())) < 60);
        // Held: a second look, as another instance starting now takes, finds nothing.
        QVERIFY(LeftCopy::find(folder()).empty());
        found.clear();
        QCOMPARE(LeftCopy::find(folder()).size(), size_t(1));
    }

    // A running instance's copy is never offered.
    void runningInstanceKeepsItsCopy()
    {
        OwnCopy running(folder());
        QString error;
        QVERIFY(running.write(QStringLiteral("mine"), {}, &error));
        QVERIFY(LeftCopy::find(folder()).empty());
        QVERIFY(QFile::exists(running.textPath()));
    }

    // Killed between the text and its description: the text is the newer, and the
    // description names where another text was to go.
    void descriptionOfAnotherText()
    {
        const QString path = leaveCopy(folder(), QStringLiteral("old"), {QStringLiteral("/tmp/a.txt"), {}});
        QVERIFY(TestFiles::writeBytes(path, DocumentFormat::encode(QStringLiteral("newer"))));
        auto found = LeftCopy::find(folder());
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found[0]->text(), QStringLiteral("newer"));
        QCOMPARE(found[0]->origin(), RecoveryOrigin{});
    }

    void unreadableCopyIsSaid()
    {
        const QString path = leaveCopy(folder(), QStringLiteral("x"), {});
        QVERIFY(TestFiles::writeBytes(path, QByteArray("\x00\x01\x02\xFF\x00", 5)));
        auto found = LeftCopy::find(folder());
        QCOMPARE(found.size(), size_t(1));
        QVERIFY(!found[0]->readable());
        QVERIFY(!found[0]->error().isEmpty());
    }

    // What an instance left without a copy goes; files that are not an instance's stay.
    void strayFilesTidied()
    {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        QDir().mkpath(folder());
        QVERIFY(TestFiles::writeBytes(QDir(folder()).filePath(id + QStringLiteral(".lock")), DeadOwner));
        QVERIFY(TestFiles::writeBytes(QDir(folder()).filePath(id + QStringLiteral(".json")), "{}"));
        QVERIFY(TestFiles::writeBytes(QDir(folder()).filePath(QStringLiteral("notes.txt")), "mine"));
        QVERIFY(LeftCopy::find(folder()).empty());
        QCOMPARE(files(folder()), QStringList{QStringLiteral("notes.txt")});
    }

    void newestFirst()
    {
        const QString older = leaveCopy(folder(), QStringLiteral("older"), {});
        QTest::qWait(20);
        leaveCopy(folder(), QStringLiteral("newer"), {});
        auto found = LeftCopy::find(folder());
        QCOMPARE(found.size(), size_t(2));
        QCOMPARE(found[0]->text(), QStringLiteral("newer"));
        QCOMPARE(found[1]->textPath(), older);
    }

    // Saved: the copy goes and the lock stays; a normal end takes the lock too.
    void removeThenRelease()
    {
        OwnCopy copy(folder());
        QString error;
        QVERIFY(copy.write(QStringLiteral("a"), {}, &error));
        QCOMPARE(files(folder()).size(), 3);
        QVERIFY(copy.remove(&error));
        QVERIFY(!copy.exists());
        QCOMPARE(files(folder()).size(), 1);
        QVERIFY(copy.write(QStringLiteral("b"), {}, &error));
        copy.release();
        QCOMPARE(files(folder()), QStringList());
    }

    void discardTakesEveryFile()
    {
        const QString path = leaveCopy(folder(), QStringLiteral("x"), {});
        QVERIFY(TestFiles::writeBytes(path + QStringLiteral(".Ab12Cd"), "half"));
        auto found = LeftCopy::find(folder());
        QCOMPARE(found.size(), size_t(1));
        QVERIFY(found[0]->discard());
        QCOMPARE(files(folder()), QStringList());
    }

    // A folder that cannot be made says why and leaves nothing behind.
    void unwritableFolder()
    {
        const QString file = m_dir->filePath(QStringLiteral("file"));
        QVERIFY(TestFiles::writeBytes(file, "x"));
        OwnCopy copy(file + QStringLiteral("/recovery"));
        QString error;
        QVERIFY(!copy.write(QStringLiteral("text"), {}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!copy.exists());
        QCOMPARE(TestFiles::readBytes(file), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(RecoveryStoreTest)
#include "RecoveryStoreTest.moc"
