// Comparing and merging a long page (200 KB) and a dump-sized text (5 MB) with a few
// edits, and the texts where a line diff grows quadratic: every line moved, nothing
// in common, and lines of a few kinds in another order.
#include "compare/TextDiff.h"
#include "compare/TextMerge.h"

#include "../tests/support/SamplePages.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr qsizetype kPage = 200 * 1024;
constexpr qsizetype kDump = 5 * 1024 * 1024;

const QString &page(qsizetype size)
{
    static const QString small = SamplePages::realPage(kPage);
    static const QString large = SamplePages::realPage(kDump);
    return size == kPage ? small : large;
}

// A few edits on a long page, a few more on the dump.
QString edited(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    return SamplePages::edited(page(size), random, size == kPage ? 5 : 20);
}

void BM_CompareWords(benchmark::State &state)
{
    const QString &oldText = page(state.range(0));
    const QString newText = edited(state.range(0), 1);
    qsizetype hunks = 0;
    for (auto _ : state)
        hunks = TextDiff::compare(oldText, newText).size();
    state.counters["hunks"] = double(hunks);
}

void BM_Unified(benchmark::State &state)
{
    const QString &oldText = page(state.range(0));
    const QString newText = edited(state.range(0), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(TextDiff::unified(oldText, newText, "old", "new"));
}

void BM_Merge(benchmark::State &state)
{
    const QString &base = page(state.range(0));
    const QString mine = edited(state.range(0), 1);
    const QString theirs = edited(state.range(0), 2);
    qsizetype conflicts = 0;
    for (auto _ : state)
        conflicts = TextMerge::conflictCount(TextMerge::merge(mine, base, theirs));
    state.counters["conflicts"] = double(conflicts);
}

QString joined(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

void run(benchmark::State &state, const QString &oldText, const QString &newText)
{
    qsizetype lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (const TextDiff::Hunk &h : TextDiff::changedLines(oldText, newText))
            lines += h.oldCount + h.newCount;
    }
    state.counters["changed lines"] = double(lines);
}

// Every line moved: the dump's lines in reverse order.
void BM_LinesReversed(benchmark::State &state)
{
    QStringList lines = page(kDump).split(QStringLiteral("\r\n"));
    const QString oldText = joined(lines);
    std::reverse(lines.begin(), lines.end());
    run(state, oldText, joined(lines));
}

// No line in common.
void BM_LinesAllNew(benchmark::State &state)
{
    const QString oldText = page(kDump);
    QString newText = oldText;
    newText.replace(QStringLiteral("\r\n"), QStringLiteral("!\r\n"));
    run(state, oldText, newText);
}

// Lines of four kinds in two random orders, none unique: nothing holds the
// comparison in place. range(0) lines on each side.
void BM_LinesFewKinds(benchmark::State &state)
{
    static const QStringList kinds{"", "# הגדרה", "{{ת|אנגלית|word}}", "[[קטגוריה:בית-ספר]]"};
    QRandomGenerator random(7);
    QStringList a, b;
    for (int i = 0; i < state.range(0); ++i) {
        a << kinds.at(random.bounded(4));
        b << kinds.at(random.bounded(4));
    }
    run(state, joined(a), joined(b));
}

} // namespace

BENCHMARK(BM_CompareWords)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unified)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Merge)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinesReversed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinesAllNew)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinesFewKinds)->Arg(2000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
