// Start-up to a shown main window, and a 20 MB document opened into the editor:
// to its first screen, and until it is all in.
#include "WindowParts.h"
#include "app/MainWindow.h"
#include "gui/AppIcons.h"
#include "gui/HebrewMessageBox.h"
#include "platform/Settings.h"
#include "wikitext/DocumentFormat.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir *g_dir = nullptr;

void BM_StartupToShownWindow(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow form;
        form.start({});
        form.centreOnScreen();
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.isVisible());
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}

QString writeLongDocument(qsizetype bytes)
{
    const QString path = g_dir->filePath(QStringLiteral("big.txt"));
    const QString block = QStringLiteral("==שָׁלוֹם==\r\n# [[ברכה]] בפגישה ובפרידה.\r\n#: '''שלום''' לך.\r\n\r\n");
    QString text;
    while (text.size() * 2 < bytes)
        text += block;
    QString error;
    DocumentFormat::writeFile(path, text, &error);
    return path;
}

// Read, rewritten and shown: to the first screen, the rest of a long document
// coming in from the event loop afterwards while the window already answers, or
// until the last line is in the editor.
void openIntoEditor(benchmark::State &state, bool whole)
{
    const QString path = writeLongDocument(state.range(0));
    WindowParts::setFirstRecent(path);
    MainWindow form;
    form.start({});
    form.show();
    QApplication::processEvents();
    QPlainTextEdit *editor = WindowParts::editor(form);
    QAction *empty = form.findChild<QAction *>(QStringLiteral("NewArticle"));
    for (auto _ : state) {
        WindowParts::openFirstRecent(form);
        if (form.windowTitle() == QStringLiteral("דלבנה"))
            state.SkipWithError("open failed");
        if (whole)
            WindowParts::takeInTheRest(form);
        editor->viewport()->repaint();
        state.PauseTiming();
        // A new entry in its place, which also ends the taking in of the rest.
        empty->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_OpenToFirstScreen(benchmark::State &state)
{
    openIntoEditor(state, false);
}

void BM_OpenFullyLoaded(benchmark::State &state)
{
    openIntoEditor(state, true);
}

} // namespace

// The first window of a run pays for loading fonts and icons, as a real start does.
BENCHMARK(BM_StartupToShownWindow)->Name("BM_FirstWindowOfRun")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenToFirstScreen)
    ->Arg(200'000)
    ->Arg(5'000'000)
    ->Arg(20'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_OpenFullyLoaded)
    ->Arg(200'000)
    ->Arg(5'000'000)
    ->Arg(20'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    AppIcons::install();
    HebrewMessageBox::setTestMode(true);
    QTemporaryDir dir;
    g_dir = &dir;
    Settings::setIniPathForTesting(dir.filePath(QStringLiteral("Dalvana.ini")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
