// The wiki client: a page, a long page and a dump read from and saved to a real
// MediaWiki on loopback (scripts/test-wiki), and the text turned into the wiki's form
// (LF, NFC) on its own, which is all the client adds to the server's time.
#include "wiki/WikiClient.h"
#include "wiki/WikiSync.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kPage = 3'000;
constexpr qsizetype kLongPage = 200'000;
constexpr qsizetype kDump = 5'000'000;

QUrl wikiApi;

QString page(qsizetype bytes)
{
    const QString block = QStringLiteral(
        "==שָׁלוֹם==\r\n{{ניתוח דקדוקי\r\n|כתיב מלא=שלום\r\n|הגייה=shalom\r\n}}\r\n"
        "# [[ברכה]] בפגישה ובפרידה.\r\n#: '''שלום''' לך, מה שלומך?\r\n\r\n");
    QString text;
    while (text.toUtf8().size() < bytes)
        text += block;
    return text;
}

void BM_TextForWiki(benchmark::State &state)
{
    const QString text = page(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(WikiClient::textForWiki(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_SaveAndRead(benchmark::State &state)
{
    if (wikiApi.isEmpty())
        return state.SkipWithError("MediaWiki is not installed");
    WikiClient client(wikiApi);
    if (!WikiSync::login(client, QStringLiteral("Editor@dalvana"), QStringLiteral("editorbotpassword0123456789abcde"))
             .ok())
        return state.SkipWithError("login failed");
    const QString text = page(state.range(0));
    static int round = 0; // across runs: the library runs this more than once
    for (auto _ : state) {
        // A different text each time, or the wiki would answer "no change".
        WikiPage saved;
        const WikiEdit edit{WikiPage{QStringLiteral("Bench")}, text + QString::number(++round),
                            QStringLiteral("bench")};
        const WikiError error = WikiSync::savePage(client, edit, &saved);
        if (!error.ok())
            return state.SkipWithError(qPrintable(error.message()));
        WikiPage read;
        QString readText;
        if (!WikiSync::readPage(client, QStringLiteral("Bench"), &read, &readText).ok())
            return state.SkipWithError("read failed");
        benchmark::DoNotOptimize(WikiClient::textForEditor(readText));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_TextForWiki)->Arg(kPage)->Arg(kLongPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAndRead)->Arg(kPage)->Arg(kLongPage)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess start;
    start.start(QStringLiteral(DALVANA_TEST_WIKI), {QStringLiteral("start"), dir.path()});
    start.waitForFinished(120000);
    if (start.exitCode() == 0)
        wikiApi = QUrl(QString::fromUtf8(start.readAllStandardOutput().trimmed()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QProcess::execute(QStringLiteral(DALVANA_TEST_WIKI), {QStringLiteral("stop"), dir.path()});
    return 0;
}
