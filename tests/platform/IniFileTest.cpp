#include "platform/IniFile.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class IniFileTest : public QObject
{
    Q_OBJECT

private slots:
    void keysKeepTheirOrder()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Dalvana.ini"));
        for (const char *key : {"Maximize", "Tray", "Nikkud"})
            QVERIFY(
                IniFile::write(ini, QStringLiteral("Preferences"), QString::fromLatin1(key), QStringLiteral("Yes")));
        QVERIFY(IniFile::write(ini, QStringLiteral("Shortcuts"), QStringLiteral("F2"), QString()));
        QVERIFY(IniFile::write(ini, QStringLiteral("Preferences"), QStringLiteral("AutoSave"), QStringLiteral("0")));
        QVERIFY(IniFile::write(ini, QStringLiteral("preferences"), QStringLiteral("tray"), QStringLiteral("No")));
        QCOMPARE(TestFiles::readBytes(ini),
                 QByteArray("[Preferences]\nMaximize=Yes\nTray=No\nNikkud=Yes\nAutoSave=0\n[Shortcuts]\nF2=\n"));
    }

    void readRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("[S]\nK=v\n") << QStringLiteral("v");
        QTest::newRow("quotes dropped") << QByteArray("[S]\nK=\"/opt/x y\"\n") << QStringLiteral("/opt/x y");
        QTest::newRow("hebrew path") << QStringLiteral("[S]\nK=/בית/ערך.txt\n").toUtf8()
                                     << QStringLiteral("/בית/ערך.txt");
        QTest::newRow("CR LF file") << QByteArray("[S]\r\nK=v\r\n") << QStringLiteral("v");
        QTest::newRow("other section") << QByteArray("[T]\nK=v\n") << QStringLiteral("dflt");
        QTest::newRow("spaces around") << QByteArray("[ S ]\n K = v \n") << QStringLiteral("v");
        QTest::newRow("long value cut") << "[S]\nK=" + QByteArray(3000, 'x') + "\n" << QString(2047, QLatin1Char('x'));
    }

    void readRules()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("a.ini"));
        QVERIFY(TestFiles::writeBytes(ini, file));
        QCOMPARE(IniFile::read(ini, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("dflt")), value);
    }

    void brokenFileIsNotOverwritten()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("a.ini"));
        const QByteArray garbage("\x00\x01\x81\xFF", 4);
        QVERIFY(TestFiles::writeBytes(ini, garbage));
        QString error;
        QVERIFY(!IniFile::write(ini, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFiles::readBytes(ini), garbage);
        QCOMPARE(IniFile::read(ini, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    void unwritableFolderFails()
    {
        QString error;
        QVERIFY(!IniFile::write(QStringLiteral("/nonexistent-dir/a.ini"), QStringLiteral("S"), QStringLiteral("K"),
                                QStringLiteral("v"), &error));
        QCOMPARE(error, QStringLiteral("Unable to write to \u2066/nonexistent-dir/a.ini\u2069"));
    }

    void cutShortWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("a.ini"));
        const QByteArray old("[S]\nK=old\n");
        QVERIFY(TestFiles::writeBytes(ini, old));
        QString error;
        {
            const FileSizeLimit limit{100};
            QVERIFY(limit.isValid());
            QVERIFY(!IniFile::write(ini, QStringLiteral("S"), QStringLiteral("K"), QString(200, u'v'), &error));
        }
        QVERIFY(error.contains(ini));
        QCOMPARE(TestFiles::readBytes(ini), old);
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "IniFileTest.moc"
