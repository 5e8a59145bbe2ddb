// A 20 MB text opened by the editor with the writing aids on, as a user starts it: the
// memory it holds and the processor time it spends until it goes idle; and the same
// for FeatherPad on the same text where it is installed, to set the two side by side,
// and for a bare Qt text box given the same text, the floor of any editor built on one.
// The programs run under an X server: the one of DISPLAY, else an Xvfb of its own,
// else the offscreen platform.
#include "BenchInput.h"
#include "wikitext/DocumentFormat.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include <unistd.h>

namespace {

QTemporaryDir *g_dir = nullptr;
QProcessEnvironment g_environment;
// Each program's processor time to idle, for the ratio printed at the end.
std::map<std::string, double> g_cpuSeconds;

enum class Encoding { DocumentFormat, Utf8 };

// The same 20 MB for each program: in the editor's own document format, or as UTF-8
// without a mark, which is how most text files come. Both programs read both.
QString writeText(const QString &name, Encoding encoding)
{
    static const QString text = BenchInput::entries(10'000'000);
    static const QByteArray inDocumentFormat = [] {
        QByteArray out("\xFF\xFE");
        out.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        return out;
    }();
    static const QByteArray inUtf8 = [] {
        // As many bytes as the other file: Hebrew takes two in UTF-8 too, the markup one.
        QByteArray out = text.toUtf8();
        while (out.size() < inDocumentFormat.size())
            out.append(out.left(qMin(out.size(), inDocumentFormat.size() - out.size())));
        return out.left(out.lastIndexOf('\n') + 1);
    }();
    const QByteArray &bytes = encoding == Encoding::Utf8 ? inUtf8 : inDocumentFormat;
    const QString path = g_dir->filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

struct Sample
{
    double cpuSeconds = 0;
    qint64 rssKb = 0;
    qint64 peakKb = 0;
};

// The process's processor time (user and system, all threads) and memory, from /proc.
bool sample(qint64 pid, Sample *s)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    // The fields after the command's closing bracket; utime and stime are the 12th and 13th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return false;
    s->cpuSeconds = double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &l : status.readAll().split('\n')) {
        if (l.startsWith("VmRSS:"))
            s->rssKb = l.mid(6).trimmed().split(' ').first().toLongLong();
        else if (l.startsWith("VmHWM:"))
            s->peakKb = l.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return true;
}

// Starts the program on the file and waits until it has read it and then spent no
// processor time for a second and a half; what it holds then, and the time it spent
// until its last work. A program may sit still before it reads the file, so it counts
// as having read it once it holds three times the file's size: each of these keeps
// the text as UTF-16 with a block per line, well above that, on top of its own.
void runUntilIdle(benchmark::State &state, const std::string &key, const QString &program, const QStringList &arguments,
                  const QProcessEnvironment &environment)
{
    const qint64 readKb = 3 * QFileInfo(arguments.last()).size() / 1024;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProgram(program);
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        process.start();
        if (!process.waitForStarted()) {
            state.SkipWithError("the program did not start");
            return;
        }
        Sample last, now;
        qint64 busyUntil = 0;
        while (clock.elapsed() - busyUntil < 1500 && clock.elapsed() < 120'000) {
            QThread::msleep(50);
            if (!sample(process.processId(), &now)) {
                state.SkipWithError("the program ended before going idle");
                return;
            }
            if (now.cpuSeconds > last.cpuSeconds || now.rssKb < readKb)
                busyUntil = clock.elapsed();
            last = now;
        }
        state.SetIterationTime(double(busyUntil) / 1000);
        g_cpuSeconds[key] = last.cpuSeconds;
        state.counters["cpu_s"] = last.cpuSeconds;
        state.counters["rss_MB"] = double(last.rssKb) / 1024;
        state.counters["peak_MB"] = double(last.peakKb) / 1024;
        process.kill();
        process.waitForFinished();
    }
}

std::string key(const char *program, Encoding encoding)
{
    return std::string(program) + (encoding == Encoding::Utf8 ? " utf8" : "");
}

void BM_DalvanaOpenToIdle(benchmark::State &state)
{
    // A copy of the program in a folder of its own keeps its settings there, with
    // the writing aids on as they are by default.
    const QString folder = g_dir->filePath(QStringLiteral("dalvana"));
    QDir().mkpath(folder);
    const QString program = QDir(folder).filePath(QStringLiteral("dalvana"));
    QFile::remove(program);
    QFile::remove(QDir(folder).filePath(QStringLiteral("Dalvana.ini")));
    if (!QFile::copy(QStringLiteral(DALVANA_PROGRAM), program)) {
        state.SkipWithError("the program could not be copied");
        return;
    }
    const auto encoding = Encoding(state.range(0));
    const QString text = writeText(QStringLiteral("dalvana.txt"), encoding);
    runUntilIdle(state, key("dalvana", encoding), program, {QStringLiteral("/o"), text}, g_environment);
}

void BM_FeatherPadOpenToIdle(benchmark::State &state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("featherpad"));
    if (program.isEmpty()) {
        state.SkipWithError("FeatherPad is not installed");
        return;
    }
    const auto encoding = Encoding(state.range(0));
    runUntilIdle(state, key("featherpad", encoding), program, {writeText(QStringLiteral("featherpad.txt"), encoding)},
                 g_environment);
}

// This program run again with "--bare-editor FILE": nothing but a Qt text box, shown
// with the file's text in it.
int runBareEditor(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString text, error;
    if (!DocumentFormat::readFile(QString::fromLocal8Bit(argv[2]), &text, &error))
        return 1;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QPlainTextEdit editor;
    editor.resize(1000, 700);
    editor.setPlainText(text);
    text.clear();
    editor.show();
    return app.exec();
}

void BM_BareTextBoxOpenToIdle(benchmark::State &state)
{
    runUntilIdle(state, "bare", QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--bare-editor"), writeText(QStringLiteral("bare.txt"), Encoding::DocumentFormat)},
                 g_environment);
}

// An X server for the programs: DISPLAY's, else an Xvfb started here on a free display.
QProcess *startDisplay(QProcessEnvironment &environment)
{
    if (!environment.value(QStringLiteral("DISPLAY")).isEmpty()) {
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return nullptr;
    }
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (!xvfb.isEmpty()) {
        // The server picks a free display and tells it; lock files left by a killed
        // server would make a guessed number look taken.
        auto *server = new QProcess;
        server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server->start(xvfb,
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                       QStringLiteral("tcp")});
        QByteArray display;
        while (!display.endsWith('\n') && server->waitForReadyRead(10'000))
            display += server->readAllStandardOutput();
        if (server->state() == QProcess::Running && !display.trimmed().isEmpty()) {
            environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(display.trimmed()));
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
            return server;
        }
        delete server;
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return nullptr;
}

} // namespace

// Argument 0: the document format; 1: UTF-8.
BENCHMARK(BM_DalvanaOpenToIdle)->Arg(0)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeatherPadOpenToIdle)->Arg(0)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTextBoxOpenToIdle)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--bare-editor") == 0)
        return runBareEditor(argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    // The programs' settings and the files they keep stay in the run's folder.
    g_environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        g_environment.insert(QString::fromLatin1(name), dir.filePath(QString::fromLatin1(name)));
    QProcess *server = startDisplay(g_environment);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const Encoding encoding : {Encoding::DocumentFormat, Encoding::Utf8}) {
        const auto ours = g_cpuSeconds.find(key("dalvana", encoding));
        const auto theirs = g_cpuSeconds.find(key("featherpad", encoding));
        if (ours != g_cpuSeconds.end() && theirs != g_cpuSeconds.end() && theirs->second > 0)
            std::printf("processor time to idle, %s: %.2f s, FeatherPad %.2f s, ratio %.2f\n", ours->first.c_str(),
                        ours->second, theirs->second, ours->second / theirs->second);
    }
    const auto ours = g_cpuSeconds.find("dalvana");
    const auto bare = g_cpuSeconds.find("bare");
    if (ours != g_cpuSeconds.end() && bare != g_cpuSeconds.end() && bare->second > 0)
        std::printf("a bare Qt text box: %.2f s, ours %.2f of it\n", bare->second, ours->second / bare->second);
    if (server) {
        server->terminate();
        server->waitForFinished();
        delete server;
    }
    return 0;
}
