#include "support/MainWindowFixture.h"
#include "app/commands/ArticleTextCommands.h"
#include "app/commands/MarkupCommands.h"
#include "app/commands/SpellCommands.h"
#include "gui/WikiHighlighter.h"
#include "spell/PersonalWords.h"
#include "support/WindowTestCase.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>

namespace {

QAction *item(QMenu &menu, const QString &text)
{
    for (QAction *a : menu.actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

} // namespace

// The wiring of the writing aids; what they find is tested in the text library.
class SpellCommandsTest : public WindowTestCase
{
    Q_OBJECT

    ArticleTextCommands *m_articleText = nullptr;
    SpellCommands *m_spell = nullptr;

    SpellCommands &spell() { return *m_spell; }

    // The editor's context menu as a right click at the word starting at `at` shows it.
    std::unique_ptr<QMenu> menuAt(int at)
    {
        QPlainTextEdit *editor = host().widget;
        QTextCursor c(editor->document());
        c.setPosition(at + 1);
        std::unique_ptr<QMenu> menu(m_articleText->createContextMenu());
        spell().extendContextMenu(menu.get(), editor->cursorRect(c).center());
        return menu;
    }

    // Shown, with the dictionary read.
    void showReady()
    {
        host().window.show();
        spell().waitForDictionary();
    }

private slots:
    void initTestCase()
    {
        WindowTestCase::initTestCase();
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(PersonalWords::path());
    }

    // The groups as the window makes them, with the stored choices read.
    void init()
    {
        WindowTestCase::init();
        EditorHost &h = host();
        auto &markup = make<MarkupCommands>(h.editor);
        m_articleText = &make<ArticleTextCommands>(h.editor, h.document, markup, *h.statusLabel, *h.jumpQuery);
        m_spell = &make<SpellCommands>(h.editor, h.preferences, *m_articleText);
        h.preferences.load(true);
    }

    void suggestionReplacesTheWordAsOneStep()
    {
        showReady();
        host().editor.setText(QStringLiteral("==שָׁלוֹם==\n# כתבבת טוב"));
        const std::unique_ptr<QMenu> menu = menuAt(14);
        QVERIFY(item(*menu, QStringLiteral("הוסף למילון שלי")));
        QAction *first = menu->actions().first();
        QVERIFY(first->isEnabled());
        const QString suggestion = first->text();
        first->trigger();
        QCOMPARE(host().editor.text(), QStringLiteral("==שָׁלוֹם==\r\n# %1 טוב").arg(suggestion));
        m_articleText->undoOnce();
        QCOMPARE(host().editor.text(), QStringLiteral("==שָׁלוֹם==\r\n# כתבבת טוב"));
    }

    void wordAddedToMyDictionary()
    {
        showReady();
        host().editor.setText(QStringLiteral("דלבנה"));
        item(*menuAt(0), QStringLiteral("הוסף למילון שלי"))->trigger();
        QCOMPARE(PersonalWords::load(PersonalWords::path()), QStringList{"דלבנה"});
        // A correct word gets no spelling entries.
        QCOMPARE(menuAt(0)->actions().size(), m_articleText->createContextMenu()->actions().size());
    }

    void switchesKeptInTheirOwnSection()
    {
        SpellCommands &commands = spell();
        QCOMPARE(Settings::read(QStringLiteral("WritingAids"), QStringLiteral("SpellCheck")), QString());
        QVERIFY(commands.highlighter().isActive());
        host().preferences.setHighlighting(false);
        host().preferences.setSpellCheck(false);
        QCOMPARE(Settings::read(QStringLiteral("WritingAids"), QStringLiteral("SpellCheck")), QStringLiteral("No"));
        QVERIFY(!commands.highlighter().isActive());
        PreferencesModel again;
        again.load(true);
        QVERIFY(!again.highlighting());
    }

    // Pictures of an entry with both aids on, light and dark, for a person to look at.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("DALVANA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set DALVANA_SCREENSHOTS to a folder to take them");
        const QString text = MainWindowFixture::readDocument(QStringLiteral(DALVANA_TEST_DATA "/spell/entry.txt"));
        QVERIFY(!text.isEmpty());
        for (const bool dark : {false, true}) {
            MainWindow form;
            MainWindowFixture::ArticleText editor(form);
            if (dark) {
                QPalette p = form.palette();
                p.setColor(QPalette::Base, QColor(35, 35, 40));
                p.setColor(QPalette::Text, QColor(230, 230, 230));
                editor.widget()->setPalette(p);
            }
            form.start({});
            form.show();
            // The dictionary is read on a thread of its own; the underlines come once it is in.
            QTest::qWait(3000);
            editor.setText(text);
            editor.widget()->viewport()->repaint();
            QVERIFY(form.grab().save(folder + (dark ? "/dark.png" : "/light.png")));
        }
    }
};

QTEST_MAIN(SpellCommandsTest)
#include "SpellCommandsTest.moc"
