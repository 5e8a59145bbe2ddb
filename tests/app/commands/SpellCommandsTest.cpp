#include "support/MainWindowFixture.h"
#include "app/commands/ArticleTextCommands.h"
#include "app/commands/SpellCommands.h"
#include "gui/WikiHighlighter.h"
#include "spell/PersonalWords.h"

#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>

namespace {

// The editor's context menu as a right click at the word starting at `at` shows it.
std::unique_ptr<QMenu> menuAt(MainWindow &form, int at)
{
    QPlainTextEdit *editor = form.editor().widget();
    QTextCursor c(editor->document());
    c.setPosition(at + 1);
    std::unique_ptr<QMenu> menu(form.articleTextCommands().createContextMenu());
    form.spellCommands().extendContextMenu(menu.get(), editor->cursorRect(c).center());
    return menu;
}

QAction *item(QMenu &menu, const QString &text)
{
    for (QAction *a : menu.actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

} // namespace

// The window's wiring of the writing aids; what they find is tested in the text library.
class SpellCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(PersonalWords::path());
        MainWindowFixture::startTestCase(m_settings);
    }

    void suggestionReplacesTheWordAsOneStep()
    {
        MainWindow form;
        form.start({});
        form.show();
        form.spellCommands().waitForDictionary();
        form.editor().setText(QStringLiteral("==שָׁלוֹם==\n# כתבבת טוב"));
        const std::unique_ptr<QMenu> menu = menuAt(form, 14);
        QVERIFY(item(*menu, QStringLiteral("הוסף למילון שלי")));
        QAction *first = menu->actions().first();
        QVERIFY(first->isEnabled());
        const QString suggestion = first->text();
        first->trigger();
        QCOMPARE(form.editor().text(), QStringLiteral("==שָׁלוֹם==\r\n# %1 טוב").arg(suggestion));
        form.articleTextCommands().undoOnce();
        QCOMPARE(form.editor().text(), QStringLiteral("==שָׁלוֹם==\r\n# כתבבת טוב"));
    }

    void wordAddedToMyDictionary()
    {
        MainWindow form;
        form.start({});
        form.show();
        form.spellCommands().waitForDictionary();
        form.editor().setText(QStringLiteral("דלבנה"));
        item(*menuAt(form, 0), QStringLiteral("הוסף למילון שלי"))->trigger();
        QCOMPARE(PersonalWords::load(PersonalWords::path()), QStringList{"דלבנה"});
        // A correct word gets no spelling entries.
        QCOMPARE(menuAt(form, 0)->actions().size(), form.articleTextCommands().createContextMenu()->actions().size());
    }

    void switchesKeptInTheirOwnSection()
    {
        MainWindowFixture::freshSettings(m_settings);
        MainWindow form;
        form.start({});
        QCOMPARE(Settings::read(QStringLiteral("WritingAids"), QStringLiteral("SpellCheck")), QString());
        QVERIFY(form.spellCommands().highlighter().isActive());
        form.preferences().setHighlighting(false);
        form.preferences().setSpellCheck(false);
        QCOMPARE(Settings::read(QStringLiteral("WritingAids"), QStringLiteral("SpellCheck")), QStringLiteral("No"));
        QVERIFY(!form.spellCommands().highlighter().isActive());
        MainWindow again;
        again.start({});
        QVERIFY(!again.preferences().highlighting());
    }

    // Pictures of an entry with both aids on, light and dark, for a person to look at.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("DALVANA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set DALVANA_SCREENSHOTS to a folder to take them");
        MainWindowFixture::freshSettings(m_settings);
        const QString text = MainWindowFixture::readDocument(QStringLiteral(DALVANA_TEST_DATA "/spell/entry.txt"));
        QVERIFY(!text.isEmpty());
        for (const bool dark : {false, true}) {
            MainWindow form;
            if (dark) {
                QPalette p = form.palette();
                p.setColor(QPalette::Base, QColor(35, 35, 40));
                p.setColor(QPalette::Text, QColor(230, 230, 230));
                form.editor().widget()->setPalette(p);
            }
            form.start({});
            form.show();
            form.spellCommands().waitForDictionary();
            form.editor().setText(text);
            form.editor().widget()->viewport()->repaint();
            QVERIFY(form.grab().save(folder + (dark ? "/dark.png" : "/light.png")));
        }
    }
};

QTEST_MAIN(SpellCommandsTest)
#include "SpellCommandsTest.moc"
