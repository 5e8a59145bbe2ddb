// The entry checker over a generated dump of 500 KB and 5 MB (the time should grow
// with the size alone), and over input made to hurt it: 100,000 unclosed "{{",
// templates nested 100,000 deep, and 100,000 openings of links, tags, hidden notes
// and nowiki without their ends. Then a keystroke in the editor on 20 MB with the
// check's panel open, while the check runs beside it, and the list arriving.
#include "BenchInput.h"
#include "app/EditorAdapter.h"
#include "app/commands/CheckCommands.h"
#include "app/commands/NoteCommands.h"
#include "check/EntryCheck.h"
#include "dialogs/check/CheckPanel.h"
#include "dialogs/footnotes/FootnotesDialog.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "regex/RegEx.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "../tests/support/SamplePages.h"

#include <benchmark/benchmark.h>

#include "WindowBenchMain.h"

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

// The editor and the panel as the window wires them, holding a 20 MB dump.
struct Editor
{
    QPlainTextEdit widget;
    EditorAdapter editor{&widget};
    RegEx regex;
    FootnotesDialog footnotes;
    NoteCommands notes{editor, regex, footnotes};
    PreferencesModel preferences;
    CheckPanel panel;
    QAction toggle;
    CheckCommands check{editor, preferences, notes, panel, toggle};

    Editor()
    {
        preferences.load(true);
        editor.setText(dump(20 * 1024 * 1024));
        editor.finishLoading();
        widget.show();
        QTextCursor middle(widget.document()->findBlockByNumber(widget.document()->blockCount() / 2));
        widget.setTextCursor(middle);
    }
    // The panel open or closed, with the list of the text as it is.
    void open(bool on)
    {
        preferences.setCheckPanel(on);
        while (on && check.isPending())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
};

Editor &editor()
{
    static Editor *e = new Editor;
    return *e;
}

// One keystroke (a letter, then Backspace, in turn) on 20 MB, the panel closed (0) or
// open (1). With the panel open a check of the whole text is set off before each
// keystroke, as when typing resumes right after a pause: the keystroke runs beside it.
void BM_KeystrokeOn20MB(benchmark::State &state)
{
    Editor &e = editor();
    const bool open = state.range(0) != 0;
    e.open(open);
    bool letter = true;
    for (auto _ : state) {
        if (open) {
            state.PauseTiming();
            e.check.checkNow();
            state.ResumeTiming();
        }
        if (letter)
            BenchInput::key(&e.widget, 0x05D0, QStringLiteral("א"));
        else
            BenchInput::key(&e.widget, Qt::Key_Backspace, QString());
        letter = !letter;
    }
    if (open) {
        e.open(true);
        state.counters["problems"] = double(e.panel.problems().rowCount());
    }
}
BENCHMARK(BM_KeystrokeOn20MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The user-interface thread's part when a check of 20 MB is done: its list put into
// the panel on screen, the row that was current looked up in it, and drawn.
void BM_ListArrivesOn20MB(benchmark::State &state)
{
    Editor &e = editor();
    e.open(true);
    const QString text = e.editor.text();
    const EntryCheck::Result result = EntryCheck::check(e.regex, text);
    const QList<int> places(result.problems.size(), 0);
    auto *list = e.panel.findChild<QAbstractItemView *>(QStringLiteral("ProblemList"));
    for (auto _ : state) {
        list->setCurrentIndex(e.panel.problems().index(e.panel.problems().rowCount() - 1, 1));
        e.panel.showResult(result, places);
        e.panel.repaint();
        QApplication::processEvents();
    }
    state.counters["problems"] = double(result.problems.size());
}
BENCHMARK(BM_ListArrivesOn20MB)->Unit(benchmark::kMillisecond);

// What the user-interface thread pays when the panel opens on 20 MB: the widget's
// text copied for the worker.
void BM_TextTakenOn20MB(benchmark::State &state)
{
    Editor &e = editor();
    for (auto _ : state)
        benchmark::DoNotOptimize(e.editor.widgetText());
}
BENCHMARK(BM_TextTakenOn20MB)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv, [] { delete &editor(); });
}
