// Reference renumbering over a dump (5 MB) holding 1,000 and 10,000 references, the
// translations template of all 62 languages written and read back, and a selection of
// thousands of lines that each leave a translation open.
#include "dialogs/footnotes/logic/Footnotes.h"
#include "dialogs/translations/logic/Translations.h"
#include "regex/RegEx.h"

#include "../tests/support/SamplePages.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kDump = 5 * 1024 * 1024;

// The dump with `count` references spread evenly over its lines, numbered backwards.
QString dumpWithReferences(int64_t count)
{
    const QStringList lines = SamplePages::realPage(kDump).split(QStringLiteral("\r\n"));
    const qsizetype every = qMax<qsizetype>(1, lines.size() / count);
    QString text;
    text.reserve(kDump + count * 24);
    int64_t placed = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        text += lines.at(i);
        if (i % every == 0 && placed < count) {
            // Numbered backwards, so that renumbering has every reference to change.
            text += QStringLiteral("{{הפניה|%1|מקור %2}}").arg(count - placed).arg(placed + 1);
            ++placed;
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

void BM_RenumberReferences(benchmark::State &state)
{
    const QString dump = dumpWithReferences(state.range(0));
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(Footnotes::renumberReferences(regex, dump));
        if (regex.failed())
            state.SkipWithError("the engine gave up");
    }
    state.counters["chars"] = double(dump.size());
}

// The command as the editor runs it on a dump without pointed headings: one entry.
void BM_FixReferences(benchmark::State &state)
{
    QString dump = dumpWithReferences(state.range(0));
    dump.removeIf([](QChar c) { return c.unicode() >= 0x05B0 && c.unicode() <= 0x05C7; });
    const EditorState start{dump, int(dump.size()), 0};
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(Footnotes::fixReferences(regex, start));
        if (regex.failed())
            state.SkipWithError("the engine gave up");
    }
}

void BM_TranslationsRoundTrip(benchmark::State &state)
{
    QList<TranslationRow> rows;
    for (const QString &language : Translations::languages())
        rows.append({QStringLiteral("word, other word , third"), language});
    for (auto _ : state) {
        const QString text = Translations::write(rows);
        benchmark::DoNotOptimize(Translations::read(text, Translations::LanguageColumn));
    }
}

// Lines with no row mark, each leaving a translation open, and a closed template at
// the end: each could be wrapped over all the lines after it, and none is.
void BM_TranslationsUnclosedLines(benchmark::State &state)
{
    QString text;
    for (int64_t i = 0; i < state.range(0); ++i)
        text += QStringLiteral("אנגלית: {{ת|אנגלית|word%1\r\n").arg(i);
    text += QStringLiteral("{{משלב|ספרותי}}\r\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(Translations::read(text, Translations::LanguageColumn));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_RenumberReferences)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FixReferences)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslationsRoundTrip)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranslationsUnclosedLines)->Arg(5'000)->Arg(20'000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK_MAIN();
