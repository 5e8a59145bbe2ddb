// Opening and saving a document file: decoding and encoding with the disk in
// between, for a page, a long page, a dump and a 20 MB document.
#include "wikitext/DocumentFormat.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Wiki text of about `bytes` bytes in the written form (two bytes a unit).
QString document(qsizetype bytes)
{
    const QString block = QStringLiteral(
        "==שָׁלוֹם==\r\n{{ניתוח דקדוקי\r\n|כתיב מלא=שלום\r\n|הגייה=shalom\r\n}}\r\n"
        "# [[ברכה]] בפגישה ובפרידה.\r\n#: '''שלום''' לך, מה שלומך?\r\n\r\n");
    QString text;
    text.reserve(bytes / 2 + block.size());
    while (text.size() * 2 < bytes)
        text += block;
    return text;
}

void BM_OpenDocument(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    QString error;
    DocumentFormat::writeFile(path, document(state.range(0)), &error);
    for (auto _ : state) {
        QString text;
        if (!DocumentFormat::readFile(path, &text, &error))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_OpenUtf8Document(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(document(state.range(0)).toUtf8());
    f.close();
    QString error;
    for (auto _ : state) {
        QString text;
        if (!DocumentFormat::readFile(path, &text, &error))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(text);
    }
}

void BM_SaveDocument(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    const QString text = document(state.range(0));
    QString error;
    for (auto _ : state) {
        if (!DocumentFormat::writeFile(path, text, &error))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_OpenDocument)->Arg(4'000)->Arg(200'000)->Arg(5'000'000)->Arg(20'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenUtf8Document)->Arg(20'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Arg(4'000)->Arg(200'000)->Arg(5'000'000)->Arg(20'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
