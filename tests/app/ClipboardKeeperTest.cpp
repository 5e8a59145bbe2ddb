#include "app/ClipboardKeeper.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class ClipboardKeeperTest : public QObject
{
    Q_OBJECT

private slots:
    // The keeper takes the text from its file, holds it, and goes when the clipboard
    // holds something else.
    void keepsUntilReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("text"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("שָׁלוֹם\r\n").toUtf8());
        f.close();
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
};

QTEST_MAIN(ClipboardKeeperTest)
#include "ClipboardKeeperTest.moc"
