#include "app/ClipboardKeeper.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class ClipboardKeeperTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_elsewhere;
    QStringList m_made;

    // Names of this run alone: the folder is shared by every copy of the program.
    QString unique(const QString &name) const
    {
        return name + QStringLiteral("-t%1").arg(QCoreApplication::applicationPid());
    }

    QString inFolder(const QString &name)
    {
        m_made << QDir(ClipboardKeeper::folder()).filePath(unique(name));
        return m_made.last();
    }

private slots:
    void cleanup()
    {
        for (const QString &path : std::as_const(m_made))
            QDir(path).exists() ? void(QDir(path).removeRecursively()) : void(QFile::remove(path));
        m_made.clear();
    }

    // The keeper takes the text from its file, holds it, and goes when the clipboard
    // holds something else.
    void keepsUntilReplaced()
    {
        const QString path = inFolder(QStringLiteral("clipboard-test"));
        writeFile(path, QStringLiteral("שָׁלוֹם\r\n").toUtf8());
        QString held;
        QTimer::singleShot(0, qApp, [&held] {
            held = QGuiApplication::clipboard()->text();
            QGuiApplication::clipboard()->setText(QStringLiteral("other"));
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(ClipboardKeeper::keep(path), 0);
        QCOMPARE(held, QStringLiteral("שָׁלוֹם\r\n"));
        QVERIFY(!QFile::exists(path));
    }

    // The switch is on anyone's command line: only a hand-over file is taken (and removed).
    void refusesOtherFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("own");
        QTest::newRow("hand-over file") << "clipboard-a" << true;
        QTest::newRow("another name in the folder") << "notes.txt" << false;
        QTest::newRow("same name elsewhere") << "elsewhere/clipboard-a" << false;
        QTest::newRow("out of the folder by ..") << "../clipboard-a" << false;
        QTest::newRow("in a folder inside") << "sub/clipboard-a" << false;
        QTest::newRow("link to a file elsewhere") << "clipboard-link" << false;
        QTest::newRow("the folder itself") << "." << false;
    }

    void refusesOtherFiles()
    {
        QFETCH(QString, file);
        QFETCH(bool, own);
        const QString outside = m_elsewhere.filePath(unique(QStringLiteral("clipboard-a")));
        writeFile(outside, "keep me");
        QString path;
        if (file.startsWith(QLatin1String("elsewhere/"))) {
            path = outside;
        } else if (file == QLatin1String("../clipboard-a")) {
            path = QDir(ClipboardKeeper::folder()).filePath(unique(file));
            m_made << path;
            writeFile(path, "keep me");
        } else if (file == QLatin1String("sub/clipboard-a")) {
            const QString sub = inFolder(QStringLiteral("sub"));
            QVERIFY(QDir().mkdir(sub));
            path = QDir(sub).filePath(QStringLiteral("clipboard-a"));
            writeFile(path, "keep me");
        } else if (file == QLatin1String("clipboard-link")) {
            path = inFolder(file);
            QVERIFY(QFile::link(outside, path));
        } else if (file == QLatin1String(".")) {
            path = ClipboardKeeper::folder();
        } else {
            path = inFolder(file);
            writeFile(path, "keep me");
        }
        QCOMPARE(ClipboardKeeper::isOwnFile(path), own);
        if (!own) {
            QCOMPARE(ClipboardKeeper::keep(path), 2);
            QVERIFY(QFileInfo::exists(path));
            QVERIFY(QFile::exists(outside));
        }
    }

    // The folder is the user's alone, even when it was there with wider rights.
    void folderIsPrivate()
    {
        const QString folder = ClipboardKeeper::folder();
        QVERIFY(!folder.isEmpty());
        QVERIFY(QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther | QFile::ExeOther));
        QCOMPARE(ClipboardKeeper::folder(), folder);
        QCOMPARE(QFile::permissions(folder) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
    }
};

QTEST_MAIN(ClipboardKeeperTest)
#include "ClipboardKeeperTest.moc"
