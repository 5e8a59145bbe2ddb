// The example-sentences dialog on an entry in the middle of a long page (200 KB) and
// of a dump (5 MB): reading the entry into the tables and writing them back, as text
// operations and as the main window's commands with the dialog shown.
#include "WindowParts.h"
#include "app/EditorAdapter.h"
#include "app/MainWindow.h"
#include "dialogs/sentences/SentencesDialog.h"
#include "dialogs/sentences/logic/EntrySentences.h"
#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"
#include "regex/RegEx.h"
#include "wikitext/Cleanup.h"

#include "../tests/support/SamplePages.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "WindowBenchMain.h"

namespace {

const QString &text(qsizetype size)
{
    static const QString small = SamplePages::realPage(200 * 1024);
    static const QString large = SamplePages::realPage(5 * 1024 * 1024);
    return size < 1024 * 1024 ? small : large;
}

// The caret on a definition line in the middle of the page.
EditorState middle(qsizetype size)
{
    const QString &page = text(size);
    return EditorState{page, int(page.indexOf(QStringLiteral("\r\n#"), page.size() / 2)) + 2, 0};
}

void BM_ReadSentences(benchmark::State &state)
{
    const EditorState start = middle(state.range(0));
    for (auto _ : state) {
        RegEx regex;
        benchmark::DoNotOptimize(Sentences::read(regex, start));
    }
}

// Written back with one sentence more; as when the text changed meanwhile, the entry
// is found again first.
void BM_WriteSentences(benchmark::State &state)
{
    const EditorState start = middle(state.range(0));
    RegEx regex;
    EntrySentences sentences = Sentences::read(regex, start);
    NewSentence added{.definition = "1", .placement = EntryStructure::SeparateSection, .text = "משפט"};
    Sentences::addSentence(sentences.examples, added, QString());
    const bool moved = state.range(1) != 0;
    const EditorState now{moved ? QStringLiteral("x") + start.text : start.text, 0, 0};
    for (auto _ : state) {
        const SentencesWriteBack w = Sentences::writeBack(regex, now, sentences);
        if (w.status != SentencesWriteBack::Written)
            state.SkipWithError("not written");
        benchmark::DoNotOptimize(w);
    }
}

// An entry built to make the write-back work hard: every definition with a sentence
// beside it and a quotation under its own sub-heading, so that every row and every
// definition meet. "עדכן" with no edits, reading included, at doubling sizes.
QString manyDefinitions(int definitions)
{
    QString defs;
    QString quotes;
    for (int d = 1; d <= definitions; ++d) {
        defs += QStringLiteral("# הגדרה %1 של הערך, ארוכה מעט כמו הגדרה אמיתית.\r\n#:* משפט מדגים %1.\r\n").arg(d);
        quotes += QStringLiteral("====%1====\r\n* מובאה %1\r\n").arg(d);
    }
    return QStringLiteral("==שָׁלוֹם==\r\n{{ניתוח דקדוקי}}\r\n") + defs + QStringLiteral("\r\n===מובאות נוספות===\r\n")
        + quotes + QStringLiteral("\r\n[[קטגוריה:x]]");
}

void BM_UpdateManyDefinitions(benchmark::State &state)
{
    const EditorState start{manyDefinitions(int(state.range(0))), 20, 0};
    state.counters["MB"] = double(start.text.size() * 2) / 1e6;
    for (auto _ : state) {
        RegEx regex;
        const EntrySentences sentences = Sentences::read(regex, start);
        const SentencesWriteBack w = Sentences::writeBack(regex, start, sentences);
        if (w.status != SentencesWriteBack::Written)
            state.SkipWithError("not written");
        benchmark::DoNotOptimize(w);
    }
    state.SetComplexityN(state.range(0));
}

MainWindow &window()
{
    static auto *w = new MainWindow;
    return *w;
}

// The menu item with the dialog shown, then "עדכן", in the window, on a page that
// the clean-up has already been over (as after the first write-back); putting the
// text back between runs is not timed.
void BM_SentencesInTheWindow(benchmark::State &state)
{
    RegEx regex;
    EditorState start = middle(state.range(0));
    start.text = Cleanup::fixSpaces(regex, start).text;
    start.selStart = int(start.text.indexOf(QStringLiteral("\r\n#"), start.text.size() / 2)) + 2;
    MainWindow &w = window();
    EditorAdapter editor(WindowParts::editor(w));
    editor.setText(start.text);
    editor.finishLoading();
    auto *example = w.findChild<QAction *>(QStringLiteral("Example"));
    auto *update = w.findChild<QDialog *>(QStringLiteral("TSentencesForm"))
                       ->findChild<QPushButton *>(QStringLiteral("Update"));
    for (auto _ : state) {
        state.PauseTiming();
        editor.apply(start);
        state.ResumeTiming();
        example->trigger();
        update->click();
    }
}

constexpr int64_t kPage = 200 * 1024;
constexpr int64_t kDump = 5 * 1024 * 1024;

} // namespace

BENCHMARK(BM_ReadSentences)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSentences)->Args({kPage, 0})->Args({kDump, 0})->Args({kDump, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateManyDefinitions)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SentencesInTheWindow)->Arg(kPage)->Arg(kDump)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv, [] { delete &window(); });
}
