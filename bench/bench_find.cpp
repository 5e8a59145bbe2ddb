// Find, its Ctrl+F repeats and the statistics on a long page (200 KB) and a dump (5 MB).
#include "dialogs/find/logic/FindSearch.h"
#include "dialogs/stats/logic/EntryStatistics.h"
#include "regex/RegEx.h"

#include <benchmark/benchmark.h>

namespace {

// A page of entries as the wiki holds them, each with its own headword, grown to at
// least `size` characters (twice that in bytes of the document file).
QString page(qsizetype size)
{
    static const QStringList words = {"סֵפֶר", "מִכְתָּב", "כָּתַב", "הִכְתִּיב", "שָׁלוֹם", "סִפּוּר", "כְּתֹבֶת", "סַפְרָן"};
    QString text;
    for (int i = 0; text.size() < size; ++i) {
        const QString &w = words.at(i % words.size());
        const QString n = QString::number(i);
        text += QStringLiteral("==") + w
            + QStringLiteral(
                    "==\r\n"
                    "{{ניתוח דקדוקי|כתיב מלא=")
            + n
            + QStringLiteral(
                    "|הגייה=|חלק דיבר=שם עצם|מין=זכר|שורש={{שרש|ס|פ|ר}}}}\r\n"
                    "# חיבור כתוב, [[ספר|ספרים]] ו[[מכתב]] מספר ")
            + n
            + QStringLiteral(
                    ".\r\n"
                    "#:* {{הדגשה|")
            + w
            + QStringLiteral(
                    "}} שכתב הסופר בשנה ההיא.\r\n"
                    "# [[w:ספרות|ספרות]] במובן הרחב.\r\n"
                    "\r\n===מקור===\r\n* [http://example.org/")
            + n
            + QStringLiteral(
                    " מקור]\r\n"
                    "\r\n===תרגום===\r\n* אנגלית: {{ת|אנגלית|book}}\r\n\r\n"
                    "[[קטגוריה:ספרות]]\r\n\r\n");
    }
    return text;
}

const QString &text(qsizetype size)
{
    static const QString small = page(200 * 1024);
    static const QString large = page(5 * 1024 * 1024);
    return size < 1024 * 1024 ? small : large;
}

// The dialog's search and then every Ctrl+F repeat to the end of the page.
void findAll(benchmark::State &state, const QString &query, FindMode mode)
{
    const EditorState start{text(state.range(0)), 0, 0};
    qsizetype matches = 0;
    for (auto _ : state) {
        RegEx regEx;
        QString last;
        FindResult found = FindSearch::findFirst(regEx, start, query, mode, last);
        EditorState at = found.state;
        matches = 0;
        for (RepeatResult r{RepeatResult::Outcome::Found, at, {}}; r.outcome == RepeatResult::Outcome::Found;
             r = FindSearch::findNext(regEx, at, last)) {
            at = r.state;
            ++matches;
        }
    }
    state.counters["matches"] = double(matches);
}

void BM_FindPlainAll(benchmark::State &state)
{
    findAll(state, QStringLiteral("ספר"), FindMode::Plain);
}

void BM_FindRootAll(benchmark::State &state)
{
    findAll(state, QStringLiteral("כ-ת-ב"), FindMode::Root);
}

void BM_FindRegexAll(benchmark::State &state)
{
    findAll(state, QStringLiteral("\\[\\[[^]]+\\]\\]"), FindMode::Regex);
}

// A single search whose only match is the last line of the page.
void BM_FindLast(benchmark::State &state)
{
    EditorState start{text(state.range(0)) + QStringLiteral("סוף הדף"), 0, 0};
    for (auto _ : state) {
        RegEx regEx;
        QString last;
        benchmark::DoNotOptimize(FindSearch::findFirst(regEx, start, QStringLiteral("סוף הדף"), FindMode::Plain, last));
    }
}

void BM_Statistics(benchmark::State &state)
{
    const QString &t = text(state.range(0));
    for (auto _ : state) {
        RegEx regEx;
        benchmark::DoNotOptimize(Statistics::compute(regEx, t));
    }
}

constexpr int64_t kPage = 200 * 1024;
constexpr int64_t kDump = 5 * 1024 * 1024;

// A pattern that stays just under the match limit wherever it is tried, over entries
// of short lines: the search budget ends it, in about the same time on any length.
void BM_FindRunawayEverywhere(benchmark::State &state)
{
    QString text;
    while (text.size() < state.range(0))
        text += QStringLiteral("==סֵפֶר==\r\n# ספר קטן.\r\n\r\n");
    const EditorState start{text + QLatin1Char('x'), 0, 0};
    FindResult found;
    for (auto _ : state) {
        RegEx regEx;
        QString last;
        found = FindSearch::findFirst(regEx, start, QStringLiteral("(.*)*x"), FindMode::Regex, last);
    }
    if (found.outcome != FindResult::Outcome::BadPattern)
        state.SkipWithError("the search was not given up");
}

} // namespace

BENCHMARK(BM_FindRunawayEverywhere)->Arg(890'000)->Arg(8'900'000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK(BM_FindPlainAll)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRootAll)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRegexAll)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindLast)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistics)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
