// The entry finder, the clean-up commands and unify on a long page (200 KB) and a
// dump (5 MB) of entries with trailing spaces, runs of empty lines, missing spaces,
// hyphens and old sentence sections.
#include "entry/EntryStructure.h"
#include "regex/RegEx.h"
#include "wikitext/Cleanup.h"
#include "wikitext/Unify.h"

#include "../tests/support/SamplePages.h"

#include <benchmark/benchmark.h>

namespace {

const QString &text(qsizetype size)
{
    static const QString small = SamplePages::realPage(200 * 1024);
    static const QString large = SamplePages::realPage(5 * 1024 * 1024);
    return size < 1024 * 1024 ? small : large;
}

void run(benchmark::State &state, EditorState (*command)(RegEx &, const EditorState &))
{
    const EditorState start{text(state.range(0)), 0, 0};
    qsizetype length = 0;
    for (auto _ : state) {
        RegEx regex;
        length = command(regex, start).text.size();
    }
    state.counters["chars"] = double(start.text.size());
    state.counters["change"] = double(length - start.text.size());
}

void BM_FixSpaces(benchmark::State &state)
{
    run(state, Cleanup::fixSpaces);
}

void BM_Punctuation(benchmark::State &state)
{
    run(state, Cleanup::fixPunctuation);
}

void BM_Unify(benchmark::State &state)
{
    run(state, Unify::unify);
}

// The caret in the last entry, so every heading is taken into account.
void BM_Entry(benchmark::State &state)
{
    const QString &page = text(state.range(0));
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(EntryStructure::findEntryHeading(regex, page, int(page.size())));
    }
}

void BM_ReadEntryExamples(benchmark::State &state)
{
    const QString &page = text(state.range(0));
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(EntryStructure::readEntryExamples(regex, page, int(page.size() / 2)));
    }
}

constexpr int64_t kPage = 200 * 1024;
constexpr int64_t kDump = 5 * 1024 * 1024;

} // namespace

BENCHMARK(BM_FixSpaces)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Punctuation)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unify)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Entry)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEntryExamples)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

namespace {

// A page with a stray control character in front: still replaced in place.
void BM_FixSpacesStrayControl(benchmark::State &state)
{
    const EditorState start{QString(QChar(1)) + text(state.range(0)), 0, 0};
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(Cleanup::fixSpaces(regex, start));
    }
}

// A page whose entries have no old sentence section: each entry is still read once.
void BM_UnifyNothingToDo(benchmark::State &state)
{
    QString page = text(state.range(0));
    page.replace(QStringLiteral("===משפטים לדוגמה==="), QStringLiteral("===משפטים==="));
    const EditorState start{page, 0, 0};
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(Unify::unify(regex, start));
    }
}

} // namespace

BENCHMARK(BM_FixSpacesStrayControl)->Arg(kPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnifyNothingToDo)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);

namespace {

// Heading lines with more than eight "==" each, every one different: the entry
// finder and unify grow with the number of lines, not with its square.
QString crowdedLines(int64_t lines)
{
    QString text;
    for (int64_t i = 0; i < lines; ++i)
        text += QStringLiteral("==סֵפֶר ") + QString::number(i) + QStringLiteral("==א==ב==ג==ד==ה==ו==ז==ח==ט==\r\n");
    return text;
}

void BM_EntryCrowdedLines(benchmark::State &state)
{
    const QString page = crowdedLines(state.range(0));
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(EntryStructure::findEntryHeading(regex, page, int(page.size())));
        if (regex.failed())
            state.SkipWithError("the engine gave up");
    }
    state.counters["chars"] = double(page.size());
}

void BM_UnifyCrowdedLines(benchmark::State &state)
{
    const EditorState start{crowdedLines(state.range(0)), 0, 0};
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(Unify::unify(regex, start));
        if (regex.failed())
            state.SkipWithError("the engine gave up");
    }
}

} // namespace

BENCHMARK(BM_EntryCrowdedLines)->Arg(4'000)->Arg(40'000)->Arg(80'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnifyCrowdedLines)->Arg(4'000)->Arg(40'000)->Arg(80'000)->Unit(benchmark::kMillisecond);
