#include "support/CliRun.h"
#include "dump/DumpInput.h"
#include "dump/DumpReader.h"
#include "spell/PersonalWords.h"
#include "support/SamplePages.h"
#include "support/TestFiles.h"
#include "support/TestWiki.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

namespace {

using CliRun::run;

const QString kTidy = QStringLiteral("==שָׁלוֹם==\n# ברכה\n");

// The pages the wiki holds: title, text as written to the file it is imported from.
const QList<QPair<QString, QString>> kPages{
    {QStringLiteral("צה\"ל"), QStringLiteral("צבא  \n\n\n\nהגנה לישראלל\t{{\n")},
    {QStringLiteral("שָׁלוֹם"), kTidy},
    {QStringLiteral("ריק"), QString()},
    {QStringLiteral("Talk:א.ב"), QStringLiteral("שיחה  \nכאן")},
    {QStringLiteral("עמוד ארוך"), SamplePages::realPage(20000).replace(QLatin1String("\r\n"), QLatin1String("\n"))},
};

// The titles in a dump, in its order, read apart from the dump reader.
QStringList titlesOf(const QByteArray &dump)
{
    QStringList titles;
    QXmlStreamReader xml(dump);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"title")
            titles << xml.readElementText();
        else
            xml.readNext();
    }
    return titles;
}

} // namespace

// The command on a whole dump against the same command on each page alone, the
// pages' texts as the wiki itself gives them.
class DumpCliTest : public QObject
{
    Q_OBJECT

    TestWiki m_wiki;
    QTemporaryDir m_dir;
    QString m_skip;
    QString m_dump;
    QStringList m_titles;
    QHash<QString, QString> m_texts; // as the wiki stores them

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // What `dalvana-cli COMMAND` does to one page's text given on standard input.
    CliRun::Result<QString> alone(const QString &command, const QString &title)
    {
        return run<QString>({command}, m_texts.value(title));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(PersonalWords::path());
        if (!m_wiki.start(&m_skip))
            return;
        QStringList files;
        QDir().mkpath(path(QStringLiteral("pages")));
        for (const auto &[title, text] : kPages) {
            files << path(QStringLiteral("pages/") + title + QStringLiteral(".txt"));
            QVERIFY(TestFiles::writeBytes(files.last(), text.toUtf8()));
        }
        m_wiki.maintenance(QStringList{QStringLiteral("importTextFiles")} + files);
        const QByteArray dump = m_wiki.maintenance(
            {QStringLiteral("dumpBackup"), QStringLiteral("--current"), QStringLiteral("--quiet")});
        m_dump = path(QStringLiteral("dump.xml"));
        QVERIFY(TestFiles::writeBytes(m_dump, dump));
        m_titles = titlesOf(dump);
        QCOMPARE(m_titles.size(), kPages.size() + 1); // and the wiki's main page
        for (const QString &title : m_titles)
            m_texts.insert(title, QString::fromUtf8(m_wiki.maintenance({QStringLiteral("getText"), title})));
        const QString pack = QStringLiteral(
            "import bz2,gzip,sys; d=open(sys.argv[1],'rb').read(); "
            "open(sys.argv[1]+'.bz2','wb').write(bz2.compress(d)); "
            "open(sys.argv[1]+'.gz','wb').write(gzip.compress(d))");
        QCOMPARE(QProcess::execute(QStringLiteral("python3"), {QStringLiteral("-c"), pack, m_dump}), 0);
    }

    void listAgreesWithEachPage_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("plain") << "" << QStringList{};
        QTest::newRow("bzip2") << ".bz2" << QStringList{};
        QTest::newRow("gzip, talk pages") << ".gz" << QStringList{"--ns", "1"};
    }

    void listAgreesWithEachPage()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QFETCH(QString, suffix);
        QFETCH(QStringList, options);
        const bool talk = !options.isEmpty();
        QStringList expected;
        for (const QString &title : m_titles) {
            if (title.startsWith(QLatin1String("Talk:")) != talk)
                continue;
            const auto r = alone(QStringLiteral("fix-spaces"), title);
            if (r.out != QString(m_texts.value(title)).replace(u'\n', QLatin1String("\r\n")))
                expected << title;
        }
        QVERIFY(expected.size() >= 1);
        const auto r = run<QString>(QStringList{"dump", m_dump + suffix, "fix-spaces", "--list"} + options);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, expected.join(u'\n') + u'\n');
    }

    // The new dump, read back, holds what the command makes of each page, and the wiki
    // takes it: a page deleted from the wiki comes back from it with the new text.
    void outAgreesWithEachPageAndImports()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        const QString out = path(QStringLiteral("new.xml"));
        const auto r = run<QString>({"dump", m_dump, "fix-spaces", "--out", out});
        QCOMPARE(r.err + r.out, QString());
        QCOMPARE(r.status, 0);

        QString error;
        std::unique_ptr<DumpInput> input = DumpInput::openFile(out, &error);
        QVERIFY2(input, qPrintable(error));
        QHash<QString, QString> written;
        auto handlers = [] { return [](const DumpPage::Page &p) { return DumpReader::Outcome{.lines = {p.text}}; }; };
        const DumpReader::Error e = DumpReader::run(*input, {.ns = std::nullopt}, handlers,
                                                    [&written](const DumpPage::Page &p, const DumpReader::Outcome &o) {
                                                        written.insert(p.title, o.lines.at(0));
                                                        return true;
                                                    });
        QCOMPARE(e.message, QString());
        QCOMPARE(written.size(), m_titles.size());
        for (const QString &title : m_titles) {
            const QString expected = title.startsWith(QLatin1String("Talk:"))
                ? QString(m_texts.value(title)).replace(u'\n', QLatin1String("\r\n"))
                : alone(QStringLiteral("fix-spaces"), title).out;
            QCOMPARE(written.value(title), expected);
        }

        const QString changed = QStringLiteral("צה\"ל");
        QVERIFY(TestFiles::writeBytes(path(QStringLiteral("delete.txt")), changed.toUtf8()));
        m_wiki.maintenance({QStringLiteral("deleteBatch"), path(QStringLiteral("delete.txt"))});
        m_wiki.maintenance({QStringLiteral("importDump"), out});
        QCOMPARE(QString::fromUtf8(m_wiki.maintenance({QStringLiteral("getText"), changed})),
                 written.value(changed).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }

    // A query's findings are its non-empty lines: spell's one empty line is none, and
    // check's exit 1 on a page with findings is no failure of the dump.
    void reportAgreesWithEachPage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("flagged");
        QTest::addColumn<QString>("clean");
        QTest::newRow("spell") << "spell" << QStringLiteral("צה\"ל") << QStringLiteral("שָׁלוֹם");
        QTest::newRow("check") << "check" << QStringLiteral("צה\"ל") << QStringLiteral("שָׁלוֹם");
    }

    void reportAgreesWithEachPage()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QFETCH(QString, command);
        QFETCH(QString, flagged);
        QFETCH(QString, clean);
        QString report;
        QStringList listed;
        for (const QString &title : m_titles) {
            if (title.startsWith(QLatin1String("Talk:")))
                continue;
            const auto r = alone(command, title);
            QVERIFY2(r.status == 0 || r.status == 1, qPrintable(r.err));
            for (const QString &line : r.out.split(u'\n', Qt::SkipEmptyParts))
                report += title + u'\t' + line + u'\n';
            if (r.out != QLatin1String("\n"))
                listed << title;
        }
        QVERIFY(report.contains(flagged + u'\t'));
        QVERIFY(!listed.contains(clean));
        const auto r = run<QString>({"dump", m_dump + ".bz2", command, "--report"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, report);
        QCOMPARE(run<QString>({"dump", m_dump, command, "--list"}).out, listed.join(u'\n') + u'\n');
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no way of output") << QStringList{"dump", "-", "fix-spaces"};
        QTest::newRow("two ways of output") << QStringList{"dump", "-", "fix-spaces", "--list", "--out", "x.xml"};
        QTest::newRow("a report of an edit") << QStringList{"dump", "-", "fix-spaces", "--report"};
        QTest::newRow("an edited dump from a query") << QStringList{"dump", "-", "stats", "--out", "x.xml"};
        QTest::newRow("a command at the caret") << QStringList{"dump", "-", "bold", "--list"};
        QTest::newRow("a command at the caret with its argument")
            << QStringList{"dump", "-", "point", "U+05B8", "--list"};
        QTest::newRow("a command without a document") << QStringList{"dump", "-", "percent-encode", "x", "--list"};
        QTest::newRow("a command that ignores the text") << QStringList{"dump", "-", "new-article", "--list"};
        QTest::newRow("a caret given") << QStringList{"dump", "-", "fix-spaces", "--list", "--caret", "0"};
        QTest::newRow("an argument too many") << QStringList{"dump", "-", "spell", "x", "--list"};
        QTest::newRow("namespace not a number") << QStringList{"dump", "-", "spell", "--list", "--ns", "x"};
        QTest::newRow("no such dump") << QStringList{"dump", "/nonexistent/d.xml", "spell", "--list"};
    }

    void usage()
    {
        QFETCH(QStringList, args);
        const auto r = run<QString>(args, QByteArray("<mediawiki/>"));
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err.count(u'\n'), 1);
    }

    // From standard input; a malformed dump names its place and writes nothing.
    void standardInput_data()
    {
        QTest::addColumn<QByteArray>("dump");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        const QByteArray head = "<mediawiki>\n<page><title>א</title><ns>0</ns><revision><text>";
        QTest::newRow("one page changed") << head + "a  \n\n\n\nb</text></revision></page>\n</mediawiki>" << 0 << "א\n";
        QTest::newRow("malformed") << head + "a & b</text></revision></page>\n</mediawiki>" << 2
                                   << "dalvana-cli: standard input:2:53: Expected '#' or '[a-zA-Z]', but got ' '.\n";
    }

    void standardInput()
    {
        QFETCH(QByteArray, dump);
        QFETCH(int, status);
        QFETCH(QString, printed);
        const QString out = path(QStringLiteral("stdin.xml"));
        const auto r = run<QString>({"dump", "-", "fix-spaces", "--out", out}, dump);
        QCOMPARE(r.status, status);
        QCOMPARE(r.err, status == 0 ? QString() : printed);
        QCOMPARE(QFile::exists(out), status == 0);
        QCOMPARE(run<QString>({"dump", "-", "fix-spaces", "--list"}, dump).out, status == 0 ? printed : QString());
        QFile::remove(out);
    }
};

QTEST_GUILESS_MAIN(DumpCliTest)
#include "DumpCliTest.moc"
