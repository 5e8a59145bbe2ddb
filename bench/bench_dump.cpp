// Whole dumps: a generated dump of entries (100 MB of XML) read by the dump reader
// alone, by dalvana-cli with a command that changes nothing, and by Python's
// xml.etree.ElementTree.iterparse side by side; then `dump DUMP fix-spaces --list`.
// The programs run as children, each timed from start to exit with its peak memory.
#include "dump/DumpInput.h"
#include "dump/DumpReader.h"

#include "../tests/support/SamplePages.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr qint64 kDumpBytes = 100'000'000;

const char *const kIterparse = R"(
import sys, xml.etree.ElementTree as ET
pages = chars = 0
for event, elem in ET.iterparse(sys.argv[1]):
    tag = elem.tag.rsplit('}', 1)[-1]
    if tag == 'text':
        chars += len(elem.text or '')
    elif tag == 'page':
        pages += 1
        elem.clear()
print(pages, chars)
)";

QByteArray escaped(const QByteArray &text)
{
    QByteArray out = text;
    return out.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
}

// Pages of one to four entries, as the wiki stores them (LF), until the dump is
// `bytes` long.
const QString &dumpPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("dump.xml"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file));
        out.write(
            "<mediawiki xmlns=\"http://www.mediawiki.org/xml/export-0.11/\" version=\"0.11\" xml:lang=\"he\">\n"
            "  <siteinfo>\n    <sitename>ויקימילון</sitename>\n  </siteinfo>\n");
        QRandomGenerator random(28);
        for (int id = 1; out.size() < kDumpBytes; ++id) {
            QString text;
            const int entries = 1 + random.bounded(4);
            for (int e = 0; e < entries; ++e)
                text += SamplePages::entry(random, id * 4 + e);
            const QByteArray stored = text.replace(QLatin1String("\r\n"), QLatin1String("\n")).toUtf8();
            out.write("  <page>\n    <title>ערך " + QByteArray::number(id) + "</title>\n    <ns>0</ns>\n    <id>"
                      + QByteArray::number(id) + "</id>\n    <revision>\n      <id>" + QByteArray::number(id)
                      + "</id>\n      <timestamp>2026-01-01T00:00:00Z</timestamp>\n      <model>wikitext</model>\n"
                        "      <format>text/x-wiki</format>\n      <text bytes=\""
                      + QByteArray::number(stored.size()) + "\" xml:space=\"preserve\">" + escaped(stored)
                      + "</text>\n      <sha1>0</sha1>\n    </revision>\n  </page>\n");
        }
        out.write("</mediawiki>\n");
        return file;
    }();
    return path;
}

struct ChildRun
{
    double seconds = 0;
    double cpuSeconds = 0; // on every core together; steadier than the time on a busy machine
    double peakMegabytes = 0;
    int status = -1;
};

// Runs a program with its output thrown away, and measures what it took.
ChildRun runChild(const QList<QByteArray> &args)
{
    std::vector<char *> argv;
    for (const QByteArray &a : args)
        argv.push_back(const_cast<char *>(a.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    ChildRun result;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
        auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
        result.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

void timeChild(benchmark::State &state, const QList<QByteArray> &args)
{
    const qint64 bytes = QFile(dumpPath()).size();
    ChildRun last;
    for (auto _ : state) {
        last = runChild(args);
        if (last.status != 0) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(last.seconds);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["peak_MB"] = last.peakMegabytes;
    state.counters["cpu_s"] = last.cpuSeconds;
}

void BM_ReadPythonIterparse(benchmark::State &state)
{
    timeChild(state, {"python3", "-c", kIterparse, dumpPath().toUtf8()});
}

void BM_ReadDalvanaCli(benchmark::State &state)
{
    timeChild(state, {DALVANA_CLI_PATH, "dump", dumpPath().toUtf8(), "convert", "--list"});
}

void BM_FixSpacesList(benchmark::State &state)
{
    timeChild(state, {DALVANA_CLI_PATH, "dump", dumpPath().toUtf8(), "fix-spaces", "--list"});
}

// The reader in this process: pages and texts, nothing done with them.
void BM_ReadDumpReader(benchmark::State &state)
{
    const qint64 bytes = QFile(dumpPath()).size();
    std::atomic<qint64> characters = 0;
    for (auto _ : state) {
        QString error;
        std::unique_ptr<DumpInput> input = DumpInput::openFile(dumpPath(), &error);
        auto handlers = [&characters] {
            return [&characters](const DumpPage::Page &page) {
                characters += page.text.size();
                return DumpReader::Outcome{};
            };
        };
        const DumpReader::Error e = DumpReader::run(
            *input, {}, handlers, [](const DumpPage::Page &, const DumpReader::Outcome &) { return true; });
        if (e.failure != DumpReader::Failure::None) {
            state.SkipWithError(qPrintable(e.message));
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    benchmark::DoNotOptimize(characters.load());
}

} // namespace

BENCHMARK(BM_ReadPythonIterparse)->UseManualTime()->Iterations(2)->Unit(benchmark::kSecond);
BENCHMARK(BM_ReadDalvanaCli)->UseManualTime()->Iterations(2)->Unit(benchmark::kSecond);
BENCHMARK(BM_ReadDumpReader)->UseRealTime()->Iterations(2)->Unit(benchmark::kSecond);
BENCHMARK(BM_FixSpacesList)->UseManualTime()->Iterations(2)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
