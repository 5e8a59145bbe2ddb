// The entry checker over a generated dump of 500 KB and 5 MB (the time should grow
// with the size alone), and over input made to hurt it: 100,000 unclosed "{{",
// templates nested 100,000 deep, and 100,000 openings of links, tags, hidden notes
// and nowiki without their ends.
#include "check/EntryCheck.h"
#include "regex/RegEx.h"

#include "../tests/support/SamplePages.h"

#include <benchmark/benchmark.h>

namespace {

// A page's entries as the wiki holds them, with footnotes, translations, tags and
// hidden notes, and a few faults, as a dump of real pages has.
QString dump(qsizetype size)
{
    QRandomGenerator random(7);
    QString text;
    text.reserve(size + 4096);
    for (int i = 0; text.size() < size; ++i) {
        QString entry = SamplePages::entry(random, i);
        const QString n = QString::number(i);
        entry.insert(
            entry.indexOf(QStringLiteral("\r\n#")) + 2,
            QStringLiteral("# הגדרה<ref name=\"a%1\">מקור</ref>{{הפניה|1|א%1}} <small>קטן</small>\r\n").arg(n));
        entry.insert(entry.indexOf(QStringLiteral("[[קטגוריה:")),
                     QStringLiteral("===הערות שוליים===\r\n# {{הערה|א%1}} <!-- נסתר -->הערה.\r\n\r\n").arg(n));
        if (i % 50 == 0)
            entry += QStringLiteral("===תירגום===\r\n* {{ת|אנגלית|}} [[קישור\r\n\r\n");
        text += entry;
    }
    return text;
}

void run(benchmark::State &state, const QString &text)
{
    qsizetype problems = 0;
    for (auto _ : state) {
        RegEx regex;
        const EntryCheck::Result result = EntryCheck::check(regex, text);
        if (result.engineGaveUp)
            state.SkipWithError("the engine gave up");
        problems = result.problems.size();
        benchmark::DoNotOptimize(problems);
    }
    state.counters["chars"] = double(text.size());
    state.counters["problems"] = double(problems);
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size() * 2);
}

void BM_CheckDump(benchmark::State &state)
{
    run(state, dump(state.range(0)));
}
BENCHMARK(BM_CheckDump)->Arg(500 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMillisecond);

void BM_CheckUnclosedTemplates(benchmark::State &state)
{
    run(state, QStringLiteral("==א==\r\n# ") + QStringLiteral("{{").repeated(state.range(0)));
}
BENCHMARK(BM_CheckUnclosedTemplates)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_CheckDeepNesting(benchmark::State &state)
{
    const int depth = int(state.range(0));
    run(state, QStringLiteral("{{ת|").repeated(depth) + QStringLiteral("}}").repeated(depth));
}
BENCHMARK(BM_CheckDeepNesting)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_CheckUnclosedOpenings(benchmark::State &state)
{
    static const char16_t *const openings[] = {u"[[", u"<b>", u"<!--", u"<nowiki>", u"<b "};
    run(state, QString::fromUtf16(openings[state.range(0)]).repeated(100'000));
}
BENCHMARK(BM_CheckUnclosedOpenings)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
