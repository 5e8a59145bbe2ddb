// Typing into the editor: the change handler that runs on every keystroke on a dump
// (5 MB), a whole keystroke there and on 20 MB with the recovery copy kept, and the
// root link made when "@" closes a root on a long page (200 KB) and on the dump.
#include "BenchInput.h"
#include "WindowParts.h"
#include "app/MainWindow.h"
#include "app/commands/ArticleTextCommands.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/MarkupCommands.h"
#include "app/commands/RecoveryCommands.h"
#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"
#include "wikitext/LiveAnalysis.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "WindowBenchMain.h"

namespace {

constexpr qsizetype Huge = 20 * 1024 * 1024;

const QString &text(qsizetype size)
{
    static const QString small = BenchInput::entries(200 * 1024);
    static const QString large = BenchInput::entries(5 * 1024 * 1024);
    if (size >= Huge) {
        static const QString huge = BenchInput::entries(Huge);
        return huge;
    }
    return size < 1024 * 1024 ? small : large;
}

MainWindow &window()
{
    static MainWindow *form = new MainWindow;
    return *form;
}

// The window's editor, written and read as the commands do.
EditorAdapter &articleText()
{
    static auto *adapter = new EditorAdapter(WindowParts::editor(window()));
    return *adapter;
}

// The editor holds the text with the caret in its middle, at the start of a line.
void load(const QString &content)
{
    articleText().setText(content);
    const int middle = int(content.indexOf(QStringLiteral("\r\n"), content.size() / 2) + 2);
    articleText().apply(EditorState{content, middle, 0});
}

// The handler alone, as it runs after every keystroke (no root link: the last key
// was not Shift+2).
void BM_ChangeHandler(benchmark::State &state)
{
    load(text(state.range(0)));
    // The handler as the window makes it, on the window's editor.
    DocumentModel document;
    MarkupCommands markup(articleText());
    QLabel status;
    QLineEdit jumpQuery;
    ArticleTextCommands commands(articleText(), document, markup, status, jumpQuery);
    for (auto _ : state)
        commands.textChanged();
}
BENCHMARK(BM_ChangeHandler)->Arg(200 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMicrosecond);

// A letter typed and taken back with Backspace: two keystrokes through the editor,
// the handler running on each.
void BM_TwoKeystrokes(benchmark::State &state)
{
    load(text(state.range(0)));
    QPlainTextEdit *editor = articleText().widget();
    for (auto _ : state) {
        BenchInput::key(editor, 0x05D0, QStringLiteral("א"));
        BenchInput::key(editor, Qt::Key_Backspace, QString());
    }
}
BENCHMARK(BM_TwoKeystrokes)->Arg(200 * 1024)->Arg(5 * 1024 * 1024)->Arg(Huge)->Unit(benchmark::kMicrosecond);

// This thread's processor time: on a shared machine the wall clock also counts the
// time the thread waited for a processor.
qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// A whole recovery check on the text: taken in steps on the user interface thread,
// compared and written on the writer's. Each turn of the event loop is timed:
// longest_step_ms is the longest a keystroke could wait behind the copy
// (longest_step_cpu_ms without the time the thread waited for a processor).
void BM_RecoveryCheck(benchmark::State &state)
{
    load(text(state.range(0)));
    QTemporaryDir folder;
    DocumentModel document;
    QMenu recent;
    DocumentCommands documents(articleText(), document, recent, window());
    RecoveryCommands recovery(articleText(), document, documents, folder.path());
    bool done = false;
    bool kept = false;
    QObject::connect(&recovery, &RecoveryCommands::checked, &recovery, [&](bool k) {
        done = true;
        kept = k;
    });
    qint64 longest = 0;
    qint64 longestCpu = 0;
    QElapsedTimer turn;
    const auto timed = [&](const auto &step) {
        const qint64 cpu = threadCpuNs();
        turn.start();
        step();
        longest = std::max(longest, turn.nsecsElapsed());
        longestCpu = std::max(longestCpu, threadCpuNs() - cpu);
    };
    for (auto _ : state) {
        done = false;
        timed([&] { recovery.checkNow(); });
        while (!done)
            timed([] { QCoreApplication::processEvents(); });
        if (!kept)
            state.SkipWithError("no copy written");
    }
    state.counters["longest_step_ms"] = double(longest) / 1e6;
    state.counters["longest_step_cpu_ms"] = double(longestCpu) / 1e6;
}
BENCHMARK(BM_RecoveryCheck)->Arg(5 * 1024 * 1024)->Arg(Huge)->Iterations(3)->Unit(benchmark::kMillisecond);

// "@" typed to close "@כתב": the keystroke, the root link and the view kept.
void BM_RootLinkTyped(benchmark::State &state)
{
    QString content = text(state.range(0));
    const qsizetype middle = content.indexOf(QStringLiteral("\r\n"), content.size() / 2) + 2;
    content.insert(middle, QStringLiteral("@כתב"));
    QPlainTextEdit *editor = articleText().widget();
    for (auto _ : state) {
        state.PauseTiming();
        articleText().setText(content);
        articleText().apply(EditorState{content, int(middle + 4), 0});
        state.ResumeTiming();
        BenchInput::key(editor, Qt::Key_At, QStringLiteral("@"), Qt::ShiftModifier);
    }
    if (!articleText().text().contains(QStringLiteral("[[:קטגוריה:כתב (שורש)|כ־ת־ב]]")))
        state.SkipWithError("the root was not linked");
}
BENCHMARK(BM_RootLinkTyped)->Arg(200 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMillisecond);

// "@" typed with no root to close: the step looks and changes nothing.
void BM_LoneAtTyped(benchmark::State &state)
{
    load(text(state.range(0)));
    QPlainTextEdit *editor = articleText().widget();
    for (auto _ : state) {
        BenchInput::key(editor, Qt::Key_At, QStringLiteral("@"), Qt::ShiftModifier);
        BenchInput::key(editor, Qt::Key_Backspace, QString());
    }
}
BENCHMARK(BM_LoneAtTyped)->Arg(200 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMillisecond);

// Ctrl+minus and a vowel-point button: commands that read the editor state and
// write their result back.
void BM_MaqafKey(benchmark::State &state)
{
    load(text(state.range(0)));
    QPlainTextEdit *editor = articleText().widget();
    for (auto _ : state) {
        BenchInput::key(editor, Qt::Key_Minus, QStringLiteral("-"), Qt::ControlModifier);
        BenchInput::key(editor, Qt::Key_Backspace, QString());
    }
}
BENCHMARK(BM_MaqafKey)->Arg(200 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMillisecond);

// The text operation alone, as dalvana-cli runs it.
void BM_RootLinkText(benchmark::State &state)
{
    QString content = text(state.range(0));
    const qsizetype middle = content.size() / 2;
    content.insert(middle, QStringLiteral("@כתב@"));
    const EditorState before{content, int(middle + 5), 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(LiveAnalysis::rootLink(before));
}
BENCHMARK(BM_RootLinkText)->Arg(200 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMillisecond);

// Many "@" pairs, each with a root of its own, so that the repetition converts one
// pair at a time: the time grows with the number of pairs, not with its square.
void BM_RootLinkManyPairs(benchmark::State &state)
{
    static const QString letters = QStringLiteral("אבגדהוזחטיכלמנסעפצקרשת");
    QString content;
    for (int64_t i = 0; i < state.range(0); ++i) {
        QString root;
        for (int64_t n = i, k = 0; k < 5; ++k, n /= letters.size())
            root += letters.at(n % letters.size());
        content += QLatin1Char('@') + root + QStringLiteral("@ ");
    }
    const EditorState before{content, 0, 0};
    EditorState after;
    for (auto _ : state)
        after = LiveAnalysis::rootLink(before);
    if (after.text.contains(QLatin1Char('@')))
        state.SkipWithError("a pair was left");
    state.counters["pairs"] = double(state.range(0));
}
BENCHMARK(BM_RootLinkManyPairs)->Arg(20'000)->Arg(40'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv, [] { delete &window(); });
}
