#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include "wikitext/DocumentFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray utf16le(const QString &s)
{
    return DocumentFormat::encode(s).mid(2);
}

} // namespace

class DocumentFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asWritten");

        const QString shalom = QStringLiteral("שָׁלוֹם");
        QByteArray be;
        for (QChar c : shalom)
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));

        QTest::newRow("empty file") << QByteArray() << QString() << false;
        QTest::newRow("FF FE") << QByteArray("\xFF\xFE") + utf16le(shalom) << shalom << true;
        QTest::newRow("FF FE alone") << QByteArray("\xFF\xFE") << QString() << true;
        QTest::newRow("FF FE and one byte") << QByteArray("\xFF\xFE\x41") << QString() << false;
        QTest::newRow("odd trailing byte dropped")
            << QByteArray("\xFF\xFE\x41\x00\x42", 5) << QStringLiteral("A") << false;
        QTest::newRow("FE FF") << QByteArray("\xFE\xFF") + be << shalom << false;
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + shalom.toUtf8() << shalom << false;
        QTest::newRow("plain UTF-8") << shalom.toUtf8() << shalom << false;
        QTest::newRow("windows-1255") << QByteArray("\xF9\xEC\xE5\xED \xC8") << QStringLiteral("שלום ָ") << false;
        QTest::newRow("LF becomes CR LF") << QByteArray("a\nb\n") << QStringLiteral("a\r\nb\r\n") << false;
        QTest::newRow("lone CR becomes CR LF") << QByteArray("a\rb\r") << QStringLiteral("a\r\nb\r\n") << false;
        QTest::newRow("CR LF stays") << QByteArray("a\r\n\r\nb") << QStringLiteral("a\r\n\r\nb") << false;
        QTest::newRow("mixed breaks") << QByteArray("a\r\r\nb\n\rc") << QStringLiteral("a\r\n\r\nb\r\n\r\nc") << false;
        QTest::newRow("U+2028") << QByteArray("\xFF\xFE") + utf16le(QStringLiteral("a\u2028b"))
                                << QStringLiteral("a\r\nb") << false;
        QTest::newRow("UTF-16 with LF") << QByteArray("\xFF\xFE") + utf16le(QStringLiteral("a\nb"))
                                        << QStringLiteral("a\r\nb") << false;
        QTest::newRow("UTF-16 with CR LF")
            << QByteArray("\xFF\xFE") + utf16le(QStringLiteral("a\r\nb\r\n")) << QStringLiteral("a\r\nb\r\n") << true;
    }

    // The same text whether the bytes come in memory or from a file.
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, asWritten);
        QString decoded;
        QVERIFY(DocumentFormat::decode(bytes, &decoded));
        QCOMPARE(decoded, text);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("in.txt"));
        QVERIFY(TestFiles::writeBytes(path, bytes));
        QString read, error;
        bool written = !asWritten;
        QVERIFY(DocumentFormat::readFile(path, &read, &error, &written));
        QCOMPARE(read, text);
        QCOMPARE(written, asWritten);
    }

    void hasOnlyCrLf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("only");
        // Long texts are looked at in blocks of 4096 units, each pair also across the edge.
        const QString run(4095, u'א');
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("CR LF") << QStringLiteral("\r\n") << true;
        QTest::newRow("LF first") << QStringLiteral("\na") << false;
        QTest::newRow("CR last") << QStringLiteral("a\r") << false;
        QTest::newRow("CR CR LF") << QStringLiteral("a\r\r\nb") << false;
        QTest::newRow("U+2028") << QStringLiteral("a\u2028b") << false;
        QTest::newRow("CR LF across a block edge") << run + QStringLiteral("a\r\nb") << true;
        QTest::newRow("lone LF after a block edge") << run + QStringLiteral("ab\nc") << false;
        QTest::newRow("lone CR at a block edge") << run + QStringLiteral("a\rbc") << false;
    }

    void hasOnlyCrLf()
    {
        QFETCH(QString, text);
        QFETCH(bool, only);
        QCOMPARE(DocumentFormat::hasOnlyCrLf(text), only);
    }

    void refusesWhatCannotBeDecoded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary with NUL") << QByteArray(
            "\x7F"
            "ELF\x02\x01\x00\x00\x00",
            9);
        QTest::newRow("unassigned windows-1255 byte") << QByteArray("\xF9\x81\xEC");
        QTest::newRow("broken UTF-8 after its mark") << QByteArray("\xEF\xBB\xBF\xC3\x28");
    }

    void refusesWhatCannotBeDecoded()
    {
        QFETCH(QByteArray, bytes);
        QString decoded = QStringLiteral("kept");
        QString error;
        QVERIFY(!DocumentFormat::decode(bytes, &decoded, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(decoded, QStringLiteral("kept"));
    }

    void encodeWritesMarkAndLittleEndian()
    {
        QCOMPARE(DocumentFormat::encode(QString()), QByteArray("\xFF\xFE"));
        QCOMPARE(DocumentFormat::encode(QStringLiteral("א\r\n")), QByteArray("\xFF\xFE\xD0\x05\r\x00\n\x00", 8));
    }

    void fileRoundTripAndFailedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ערך.txt"));
        const QString text = QStringLiteral("==שָׁלוֹם==\r\n# ברכה");
        QString error;
        QVERIFY(DocumentFormat::writeFile(path, text, &error));
        QString back;
        QVERIFY(DocumentFormat::readFile(path, &back, &error));
        QCOMPARE(back, text);

        QVERIFY(!DocumentFormat::writeFile(dir.filePath(QStringLiteral("אין/כזה.txt")), text, &error));
        QVERIFY(error.contains(QStringLiteral("אין/כזה.txt")));
        QVERIFY(!DocumentFormat::readFile(dir.filePath(QStringLiteral("חסר.txt")), &back, &error));
        QCOMPARE(back, text);
    }

    // As on a full disk: the system takes only part of the bytes.
    void cutShortSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ערך.txt"));
        const QByteArray old = DocumentFormat::encode(QStringLiteral("ישן"));
        QVERIFY(TestFiles::writeBytes(path, old));
        QString error;
        {
            const FileSizeLimit limit{1000};
            QVERIFY(limit.isValid());
            QVERIFY(!DocumentFormat::writeFile(path, QString(1000, u'א'), &error));
        }
        QVERIFY(error.contains(path));
        QCOMPARE(TestFiles::readBytes(path), old);
    }
};

QTEST_GUILESS_MAIN(DocumentFormatTest)
#include "DocumentFormatTest.moc"
