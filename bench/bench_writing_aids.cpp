// The writing aids' cost where a user feels it, each with the aids off (0) and on (1):
// opening a 20 MB document in the editor until its first lines are painted, a
// keystroke on a 5 MB page with its repaint, and the spell check of a 5 MB dump as
// dalvana-cli runs it.
#include "app/MainWindow.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/SpellCommands.h"
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

// Entries with points, templates, links, notes and a few misspellings, to `size` units.
QString page(qsizetype size)
{
    static const QStringList words = {"סֵפֶר", "מִכְתָּב", "שֻׁלְחָן", "שָׁלוֹם", "סִפּוּר"};
    QString text;
    for (int i = 0; text.size() < size; ++i) {
        const QString &w = words.at(i % words.size());
        text += QStringLiteral("==") + w
            + QStringLiteral(
                    "==\r\n{{ניתוח דקדוקי|כתיב מלא=|הגייה=|חלק דיבר=שם עצם}}\r\n"
                    "# חיבור כתוב, [[ספר|ספרים]] ו[[מכתב]] מספר ")
            + QString::number(i) + QStringLiteral(" שנשלחח בדואר.<!-- הערה -->\r\n#:* {{הדגשה|") + w
            + QStringLiteral("}} שכתב הסופר בשנה ההיא, ראו https://he.wiktionary.org/wiki/") + w
            + QStringLiteral("\r\n\r\n===תרגום===\r\n* אנגלית: {{ת|אנגלית|book}}\r\n\r\n");
    }
    return text;
}

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
    window().preferences().setHighlighting(on);
    window().preferences().setSpellCheck(on);
    if (on)
        window().spellCommands().waitForDictionary();
}

void key(QWidget *w, int code, const QString &typed)
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, typed);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, typed);
    QApplication::sendEvent(w, &release);
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
    DocumentFormat::writeFile(path, page(10'000'000), &error);
    QPlainTextEdit *editor = window().editor().widget();
    for (auto _ : state) {
        window().documentCommands().openFile(path);
        window().editor().finishLoading();
        editor->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenInEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// A letter typed in the middle of a 5 MB page and taken back, each keystroke
// followed by the repaint that shows it.
void BM_Keystroke(benchmark::State &state)
{
    setAids(state.range(0));
    const QString content = page(5 * 1024 * 1024 / 2);
    window().editor().setText(content);
    const int middle = int(content.indexOf(QStringLiteral("\r\n# "), content.size() / 2) + 4);
    window().editor().apply(EditorState{content, middle, 0});
    QPlainTextEdit *editor = window().editor().widget();
    editor->ensureCursorVisible();
    editor->viewport()->repaint();
    for (auto _ : state) {
        key(editor, 0x05D0, QStringLiteral("א"));
        editor->viewport()->repaint();
        key(editor, Qt::Key_Backspace, QString());
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
    DocumentFormat::writeFile(path, page(5'000'000 / 2), &error);
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
