#include "dump/DumpInput.h"
#include "dump/DumpOutput.h"
#include "dump/DumpReader.h"

#include <QMutex>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QXmlStreamReader>

#include <memory>

namespace {

const QByteArray kHeader
    = "<mediawiki xmlns=\"http://www.mediawiki.org/xml/export-0.10/\" version=\"0.10\">\n"
      "  <siteinfo>\n    <sitename>ויקימילון</sitename>\n  </siteinfo>\n";
const QByteArray kEnd = "</mediawiki>\n";

// A page as dumpBackup writes it; `text` goes in as it stands (escaped by the caller).
QByteArray page(const QByteArray &title, const QByteArray &text, int ns = 0)
{
    return "  <page>\n    <title>" + title + "</title>\n    <ns>" + QByteArray::number(ns)
        + "</ns>\n    <id>7</id>\n    <revision>\n      <id>9</id>\n      <text bytes=\""
        + QByteArray::number(text.size()) + "\" sha1=\"s\" xml:space=\"preserve\">" + text
        + "</text>\n      <sha1>s</sha1>\n    </revision>\n  </page>\n";
}

QByteArray dumpOf(const QList<QByteArray> &pages)
{
    QByteArray bytes = kHeader;
    for (const QByteArray &p : pages)
        bytes += p;
    return bytes + kEnd;
}

std::unique_ptr<DumpInput> inputOf(const QByteArray &bytes, qint64 piece = 1 << 16)
{
    auto offset = std::make_shared<qint64>(0);
    return std::make_unique<DumpInput>(
        [bytes, offset, piece](char *buffer, qint64 size, QString *) {
            const qint64 n = std::min({size, piece, bytes.size() - *offset});
            std::memcpy(buffer, bytes.constData() + *offset, size_t(n));
            *offset += n;
            return n;
        },
        bytes.size());
}

struct Seen
{
    QString title;
    int ns;
    QString text;
};

// Reads a dump, the handler changing every text `change` picks.
DumpReader::Error readAll(const QByteArray &bytes, QList<Seen> *seen, DumpReader::Options options = {},
                          std::function<std::optional<QString>(const QString &)> change = {})
{
    auto input = inputOf(bytes);
    auto handlers = [change] {
        return [change](const DumpPage::Page &p) {
            DumpReader::Outcome o;
            o.lines = {p.title, QString::number(p.ns), p.text};
            if (change)
                o.text = change(p.text);
            return o;
        };
    };
    return DumpReader::run(*input, options, handlers, [seen](const DumpPage::Page &, const DumpReader::Outcome &o) {
        seen->append({o.lines.at(0), o.lines.at(1).toInt(), o.lines.at(2)});
        return true;
    });
}

QByteArray python(const QString &script, const QByteArray &input)
{
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral("-c"), script});
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

} // namespace

class DumpReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void pages_data()
    {
        QTest::addColumn<QByteArray>("dump");
        QTest::addColumn<QStringList>("expected"); // title|ns|text for each page handled
        QTest::newRow("quotation marks and points in titles, LF becomes CR LF, entities decoded")
            << dumpOf({page("צה\"ל", "א\nב &amp;lt; &quot;"), page("שָׁלוֹם.", "x")})
            << QStringList{"צה\"ל|0|א\r\nב &lt; \"", "שָׁלוֹם.|0|x"};
        QTest::newRow("an empty text is a text; deleted and stub texts are none")
            << dumpOf({page("ריק", ""),
                       "<page><title>נמחק</title><ns>0</ns><revision><text deleted=\"deleted\" /></revision></page>",
                       "<page><title>בדף</title><ns>0</ns><revision><text bytes=\"12\" id=\"4\" /></revision></page>"})
            << QStringList{"ריק|0|"};
        QTest::newRow("other namespaces are left out")
            << dumpOf({page("שיחה:א", "x", 1), page("ב", "y")}) << QStringList{"ב|0|y"};
        QTest::newRow("the last revision counts")
            << dumpOf({"<page><title>א</title><ns>0</ns><revision><text>old</text></revision>"
                       "<revision><text>new</text></revision></page>"})
            << QStringList{"א|0|new"};
        QTest::newRow("<page> inside a comment, CDATA and a self-closing page")
            << dumpOf({"<!-- <page> --><page/>", page("א", "<![CDATA[a<page>b</page>]]>")})
            << QStringList{"א|0|a<page>b</page>"};
        QTest::newRow("CR LF and lone CR in the XML read as LF")
            << QByteArray(kHeader + "<page><title>א</title><ns>0</ns><revision><text>a\r\nb\rc</text>"
                                    "</revision></page>\r\n"
                          + kEnd)
            << QStringList{"א|0|a\r\nb\r\nc"};
    }

    void pages()
    {
        QFETCH(QByteArray, dump);
        QFETCH(QStringList, expected);
        QList<Seen> seen;
        const DumpReader::Error e = readAll(dump, &seen);
        QCOMPARE(e.message, QString());
        QStringList got;
        for (const Seen &s : seen)
            got << QStringLiteral("%1|%2|%3").arg(s.title).arg(s.ns).arg(s.text);
        QCOMPARE(got, expected);
    }

    // Each piece is read on its own; the place must still be the one a reader of the
    // whole XML stops at.
    void malformedPlace_data()
    {
        QTest::addColumn<QByteArray>("dump");
        const QByteArray good = page("א", "x");
        QTest::newRow("tag mismatch after Hebrew on the line")
            << dumpOf({good, "  <page>\n    <title>שָׁלוֹם</titl>\n  </page>\n"});
        QTest::newRow("bare & in a text") << dumpOf({good, page("ב", "a & b")});
        QTest::newRow("error on the line the page before ends on")
            << dumpOf({"<page><title>א</title></page><page><title>ב</titl></page>\n"});
        QTest::newRow("astral characters before the error") << dumpOf({page("א", "😀😀 & b")});
        QTest::newRow("CR LF and lone CR lines before the error")
            << dumpOf({"<page>\r\n\r<title>א</title>\r\n<ns>0</nx>\r\n</page>\r\n"});
        QTest::newRow("the first of two errors") << dumpOf({good, page("ב", "&"), good, page("ד", "<")});
        QTest::newRow("in the header") << QByteArray("<mediawiki>\n <siteinfo></siteinfox>\n" + good + kEnd);
        QTest::newRow("cut short inside a page") << QByteArray(kHeader + good + "  <page>\n    <title>ג");
        QTest::newRow("cut short after the last page") << QByteArray(kHeader + good);
        QTest::newRow("something after the root") << QByteArray(kHeader + good + "</mediawiki>\n<x/>\n");
        QTest::newRow("the root closed on the last page's line") << QByteArray(kHeader + "<page/></mediawiki><");
    }

    void malformedPlace()
    {
        QFETCH(QByteArray, dump);
        QXmlStreamReader whole(dump);
        while (!whole.atEnd())
            whole.readNext();
        QVERIFY(whole.hasError());
        QList<Seen> seen;
        const DumpReader::Error e = readAll(dump, &seen, {.threads = 3});
        QCOMPARE(e.failure, DumpReader::Failure::Malformed);
        QCOMPARE(e.message, whole.errorString());
        QCOMPARE(e.line, whole.lineNumber());
        QCOMPARE(e.column, whole.columnNumber() + 1);
    }

    void notDump_data()
    {
        QTest::addColumn<QByteArray>("dump");
        QTest::addColumn<QString>("message");
        QTest::newRow("another root") << QByteArray("<rss><page/></rss>") << "its root element is <rss>";
        QTest::newRow("empty") << QByteArray() << "it has no <mediawiki> element";
        QTest::newRow("another encoding")
            << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?><mediawiki/>") << "only UTF-8 dumps are read";
    }

    void notDump()
    {
        QFETCH(QByteArray, dump);
        QFETCH(QString, message);
        QList<Seen> seen;
        const DumpReader::Error e = readAll(dump, &seen);
        QCOMPARE(e.failure, DumpReader::Failure::NotDump);
        QVERIFY2(e.message.contains(message), qPrintable(e.message));
    }

    // Packed by Python's own modules; streams and members one after the other.
    void packed_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("error");
        const QString bz2 = QStringLiteral("import bz2,sys; d=sys.stdin.buffer.read(); h=len(d)//2; ");
        const QString gz = QStringLiteral("import gzip,sys; d=sys.stdin.buffer.read(); h=len(d)//2; ");
        const QString out = QStringLiteral("sys.stdout.buffer.write(");
        QTest::newRow("bzip2") << bz2 + out + "bz2.compress(d))" << QString();
        QTest::newRow("two bzip2 streams") << bz2 + out + "bz2.compress(d[:h])+bz2.compress(d[h:]))" << QString();
        QTest::newRow("gzip") << gz + out + "gzip.compress(d))" << QString();
        QTest::newRow("two gzip members") << gz + out + "gzip.compress(d[:h])+gzip.compress(d[h:]))" << QString();
        QTest::newRow("bzip2 cut short") << bz2 + out + "bz2.compress(d)[:-5])"
                                         << "the bzip2 data ends early";
        QTest::newRow("gzip cut short") << gz + out + "gzip.compress(d)[:-5])"
                                        << "the gzip data ends early";
        QTest::newRow("bzip2 damaged") << bz2 + "c=bytearray(bz2.compress(d)); c[60]^=0xff; " + out + "c)"
                                       << "the bzip2 data is damaged";
        QTest::newRow("garbage after a gzip member") << gz + out + "gzip.compress(d)+b'xyz')"
                                                     << "the gzip data is damaged";
    }

    void packed()
    {
        QFETCH(QString, script);
        QFETCH(QString, error);
        QList<QByteArray> pages;
        for (int i = 0; i < 50; ++i)
            pages << page("דף " + QByteArray::number(i), QByteArray("טקסט\n").repeated(i * 40));
        const QByteArray plain = dumpOf(pages);
        const QByteArray packedBytes = python(script, plain);
        QVERIFY(!packedBytes.isEmpty());
        QList<Seen> seen;
        const DumpReader::Error e = readAll(packedBytes, &seen);
        if (!error.isEmpty()) {
            QCOMPARE(e.failure, DumpReader::Failure::Input);
            QVERIFY2(e.message.startsWith(error), qPrintable(e.message));
            return;
        }
        QCOMPARE(e.message, QString());
        QCOMPARE(seen.size(), 50);
        QCOMPARE(seen.last().text, QStringLiteral("טקסט\r\n").repeated(49 * 40));
    }

    // What the dump writer packs, Python unpacks.
    void packedOutput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unpack");
        QTest::newRow("plain") << "new.xml"
                               << "import sys; sys.stdout.buffer.write(open(sys.argv[1],'rb').read())";
        QTest::newRow("bzip2") << "new.xml.bz2"
                               << "import bz2,sys; sys.stdout.buffer.write(bz2.open(sys.argv[1]).read())";
        QTest::newRow("gzip") << "new.xml.gz"
                              << "import gzip,sys; sys.stdout.buffer.write(gzip.open(sys.argv[1]).read())";
    }

    void packedOutput()
    {
        QFETCH(QString, name);
        QFETCH(QString, unpack);
        QTemporaryDir dir;
        const QByteArray bytes = QByteArray("<mediawiki>שָׁלוֹם</mediawiki>\n").repeated(20000);
        DumpOutput output;
        QString error;
        QVERIFY(output.open(dir.filePath(name), &error));
        QVERIFY(output.write(bytes.left(1000)) && output.write(bytes.mid(1000)));
        QVERIFY(output.commit());
        QProcess p;
        p.start(QStringLiteral("python3"), {QStringLiteral("-c"), unpack, dir.filePath(name)});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.readAllStandardOutput(), bytes);
    }

    // Slow pages on several threads: results still come in the dump's order, each
    // thread with its own handler; unchanged pages are written as read.
    void orderAndOutput()
    {
        QList<QByteArray> pages;
        for (int i = 0; i < 300; ++i)
            pages << page("דף " + QByteArray::number(i), "טקסט " + QByteArray::number(i));
        const QByteArray dump = dumpOf(pages);
        QMutex mutex;
        QSet<QThread *> threads;
        int handlersMade = 0;
        auto input = inputOf(dump, 997);
        QTemporaryDir dir;
        DumpOutput output;
        QString error;
        QVERIFY(output.open(dir.filePath(QStringLiteral("new.xml")), &error));
        auto handlers = [&] {
            QMutexLocker lock(&mutex);
            ++handlersMade;
            QThread *own = QThread::currentThread();
            threads.insert(own);
            return [own](const DumpPage::Page &p) {
                DumpReader::Outcome o;
                const int n = p.title.mid(3).toInt();
                if (n % 7 == 0)
                    QThread::usleep(500);
                if (n % 10 == 3)
                    o.text = p.text + QStringLiteral("\r\nשורה & <חדשה>");
                o.lines = {p.title, QString::number(QThread::currentThread() == own)};
                return o;
            };
        };
        QStringList order;
        const DumpReader::Error e = DumpReader::run(*input, {.threads = 4, .output = &output}, handlers,
                                                    [&order](const DumpPage::Page &p, const DumpReader::Outcome &o) {
                                                        order << p.title + o.lines.at(1);
                                                        return true;
                                                    });
        QCOMPARE(e.message, QString());
        QVERIFY(output.commit());
        QCOMPARE(handlersMade, 4);
        QCOMPARE(threads.size(), 4);
        QCOMPARE(order.size(), 300);
        for (int i = 0; i < 300; ++i)
            QCOMPARE(order.at(i), QStringLiteral("דף %1").arg(i) + u'1');

        QFile written(dir.filePath(QStringLiteral("new.xml")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray back = written.readAll();
        QList<Seen> seen;
        QCOMPARE(readAll(back, &seen).message, QString());
        QCOMPARE(seen.size(), 300);
        for (int i = 0; i < 300; ++i) {
            const QString text = QStringLiteral("טקסט %1").arg(i);
            QCOMPARE(seen.at(i).text, i % 10 == 3 ? text + QStringLiteral("\r\nשורה & <חדשה>") : text);
        }
        // Between the changed pages, every byte is the dump's own.
        const qsizetype firstChange = dump.indexOf("<title>דף 3<");
        QCOMPARE(back.left(firstChange), dump.left(firstChange));
        QVERIFY(back.endsWith("טקסט 299</text>\n      <sha1>s</sha1>\n    </revision>\n  </page>\n" + kEnd));
    }

    void replaceText_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        // SHA-1s of "a.b" and of nothing, as the test wiki's dumpBackup wrote them.
        const QByteArray ab = "cdld7pefblyuauaqw6n1ylef3d4p41y";
        const QByteArray none = "phoiac9h4m842xq45sp7s6u21eteeq1";
        QTest::newRow("bytes and SHA-1s follow the text") << QByteArray(
            "\n<page><revision><text bytes=\"5\" sha1=\"old\" xml:space=\"preserve\">a.b  </text>"
            "<sha1>old</sha1></revision></page>") << "a.b"
                                                          << "\n<page><revision><text bytes=\"3\" sha1=\"" + ab
                + "\" xml:space=\"preserve\">a.b</text><sha1>" + ab + "</sha1></revision></page>";
        QTest::newRow("an empty text element opens; markup escaped, CR LF stored as LF")
            << QByteArray("<page><revision><text bytes=\"0\" xml:space=\"preserve\" /></revision></page>")
            << "\"a\" & <b>\r\nc"
            << QByteArray(
                   "<page><revision><text bytes=\"11\" xml:space=\"preserve\">\"a\" &amp; &lt;b&gt;\nc</text>"
                   "</revision></page>");
        QTest::newRow("emptied; a revision of several contents loses its own SHA-1") << QByteArray(
            "<page><revision><text sha1=\"x\">abc</text><content><role>r</role></content>"
            "<sha1>old</sha1></revision></page>") << ""
                                                                                     << "<page><revision><text sha1=\""
                + none + "\"></text><content><role>r</role></content><sha1></sha1></revision></page>";
        QTest::newRow("only the last revision; '>' inside an attribute")
            << QByteArray(
                   "<page><revision><text a=\">\">1</text></revision><revision><text a='>'>2</text>"
                   "</revision></page>")
            << "3\x01"
            << QByteArray(
                   "<page><revision><text a=\">\">1</text></revision><revision><text a='>'>3\xEF\xBF\xBD</text>"
                   "</revision></page>");
    }

    void replaceText()
    {
        QFETCH(QByteArray, piece);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(DumpPage::replaceText(piece, text), expected);
    }
};

QTEST_GUILESS_MAIN(DumpReaderTest)
#include "DumpReaderTest.moc"
