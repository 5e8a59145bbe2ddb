#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include "wikitext/SafeSave.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class SafeSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void writesAllOrNothing_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("written");

        QTest::newRow("well under the limit") << (1 << 20) << 100 << true;
        QTest::newRow("exactly the limit") << 1000 << 1000 << true;
        QTest::newRow("one byte past the limit") << 1000 << 1001 << false;
        QTest::newRow("a large write cut short") << 20000 << 100000 << false;
        QTest::newRow("nothing may be written") << 0 << 1 << false;
    }

    void writesAllOrNothing()
    {
        QFETCH(int, limit);
        QFETCH(int, size);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("קובץ.txt"));
        const QByteArray old("the old contents");
        QVERIFY(TestFiles::writeBytes(path, old));
        const QByteArray bytes(size, 'x');
        QString reason;
        bool ok = false;
        {
            const FileSizeLimit fileSize{rlim_t(limit)};
            QVERIFY(fileSize.isValid());
            ok = SafeSave::writeAll(path, bytes, &reason);
        }
        QCOMPARE(ok, written);
        QCOMPARE(TestFiles::readBytes(path), written ? bytes : old);
        QCOMPARE(reason.isEmpty(), written);
        if (!written)
            QCOMPARE(reason, QStringLiteral("File too large"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("קובץ.txt")});
    }

    // Renaming a file over a pipe (or a device) would put a file in its place.
    void pipeIsWrittenNotReplaced()
    {
        QTemporaryDir dir;
        const QByteArray path = dir.filePath(QStringLiteral("pipe")).toLocal8Bit();
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
        const int reader = open(path.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QString reason;
        QVERIFY2(SafeSave::writeAll(QString::fromLocal8Bit(path), "through", &reason), qPrintable(reason));
        char buffer[16] = {};
        QCOMPARE(read(reader, buffer, sizeof buffer), ssize_t(7));
        close(reader);
        QCOMPARE(QByteArray(buffer), QByteArray("through"));
        struct stat info;
        QCOMPARE(stat(path.constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void missingFolderIsReported()
    {
        QTemporaryDir dir;
        QString reason;
        QVERIFY(!SafeSave::writeAll(dir.filePath(QStringLiteral("אין/x.txt")), "x", &reason));
        QVERIFY(!reason.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SafeSaveTest)
#include "SafeSaveTest.moc"
