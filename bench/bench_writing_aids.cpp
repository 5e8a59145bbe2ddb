// The writing aids' cost where a user feels it, each with the aids off (0) and on (1):
// opening a 20 MB document in the editor until its first lines are painted, a
// keystroke on a 5 MB page with its repaint, and the spell check of a 5 MB dump as
// dalvana-cli runs it.
#include "BenchInput.h"
#include "WindowParts.h"
#include "app/EditorAdapter.h"
#include "app/MainWindow.h"
#include "gui/HebrewMessageBox.h"
#include "hunspell/HunspellDictionary.h"
#include "platform/Settings.h"
#include "spell/SpellChecker.h"
#include "wikitext/DocumentFormat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "WindowBenchMain.h"

namespace {

MainWindow &window()
{
    static MainWindow *form = [] {
        auto *w = new MainWindow;
        w->show();
        return w;
    }();
    return *form;
}

void setAids(bool on)
{
    WindowParts::setWritingAids(window(), on);
}

// The document file read, put into the editor, taken in whole and its first
// screen painted.
void BM_OpenInEditor(benchmark::State &state)
{
    setAids(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    QString error;
    // 20 MB on disk: two bytes a unit.
    DocumentFormat::writeFile(path, BenchInput::entries(10'000'000), &error);
    WindowParts::setFirstRecent(path);
    window().start({});
    QPlainTextEdit *editor = WindowParts::editor(window());
    for (auto _ : state) {
        WindowParts::openFirstRecent(window());
        WindowParts::takeInTheRest(window());
        editor->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenInEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// A letter typed in the middle of a 5 MB page and taken back, each keystroke
// followed by the repaint that shows it.
void BM_Keystroke(benchmark::State &state)
{
    setAids(state.range(0));
    const QString content = BenchInput::entries(5 * 1024 * 1024 / 2);
    EditorAdapter text(WindowParts::editor(window()));
    text.setText(content);
    const int middle = int(content.indexOf(QStringLiteral("\r\n# "), content.size() / 2) + 4);
    text.apply(EditorState{content, middle, 0});
    QPlainTextEdit *editor = text.widget();
    editor->ensureCursorVisible();
    editor->viewport()->repaint();
    for (auto _ : state) {
        BenchInput::key(editor, 0x05D0, QStringLiteral("א"));
        editor->viewport()->repaint();
        BenchInput::key(editor, Qt::Key_Backspace, QString());
        editor->viewport()->repaint();
    }
    state.counters["keystrokes"] = benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Keystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// dalvana-cli spell on a 5 MB dump: the file read, the dictionary loaded, every
// line checked.
void BM_SpellDump(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dump.txt"));
    QString error;
    DocumentFormat::writeFile(path, BenchInput::entries(5'000'000 / 2), &error);
    qsizetype found = 0;
    for (auto _ : state) {
        QString text;
        DocumentFormat::readFile(path, &text, &error);
        SpellChecker checker(HunspellDictionary::loadHebrew());
        found = checker.check(text).size();
    }
    state.counters["misspelt"] = double(found);
}
BENCHMARK(BM_SpellDump)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv, [] { delete &window(); });
}
