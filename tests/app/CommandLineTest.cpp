#include "app/CommandLine.h"

#include <QTest>

using Kind = CommandLine::Request::Kind;
Q_DECLARE_METATYPE(Kind)

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("started");
        const QStringList none;
        QTest::newRow("nothing") << none << Kind::Start << none;
        QTest::newRow("relative /o") << QStringList{"/o", "notes.txt"} << Kind::Start
                                     << QStringList{"/o", "/home/u/notes.txt"};
        QTest::newRow("absolute /o") << QStringList{"/o", "/tmp/a.txt"} << Kind::Start
                                     << QStringList{"/o", "/tmp/a.txt"};
        QTest::newRow("lone file") << QStringList{"../ערך.txt"} << Kind::Start << QStringList{"/o", "/home/ערך.txt"};
        QTest::newRow("lone absolute file") << QStringList{"/o.txt"} << Kind::Start << QStringList{"/o", "/o.txt"};
        QTest::newRow("/c") << QStringList{"/c"} << Kind::Start << QStringList{"/c"};
        QTest::newRow("/o without a file") << QStringList{"/o"} << Kind::Start << QStringList{"/o"};
        QTest::newRow("help") << QStringList{"--help"} << Kind::Help << none;
        QTest::newRow("version") << QStringList{"--version"} << Kind::Version << none;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << Kind::BadUsage << none;
        QTest::newRow("the clipboard keeper")
            << QStringList{"--keep-clipboard", "/tmp/t"} << Kind::KeepClipboard << QStringList{"/tmp/t"};
        QTest::newRow("the keeper without its file") << QStringList{"--keep-clipboard"} << Kind::BadUsage << none;
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Kind, kind);
        QFETCH(QStringList, started);
        const CommandLine::Request request = CommandLine::parse(arguments, QStringLiteral("/home/u"));
        QCOMPARE(request.kind, kind);
        QCOMPARE(request.arguments, started);
        QCOMPARE(request.message.isEmpty(), kind == Kind::Start || kind == Kind::KeepClipboard);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
