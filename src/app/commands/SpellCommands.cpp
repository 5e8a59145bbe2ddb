#include "app/commands/SpellCommands.h"

#include "app/EditorAdapter.h"
#include "app/commands/ArticleTextCommands.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "gui/WikiHighlighter.h"
#include "hunspell/HunspellDictionary.h"
#include "spell/PersonalWords.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QThread>

namespace {

constexpr int MaxSuggestions = 7;

} // namespace

SpellCommands::SpellCommands(EditorAdapter &editor, PreferencesModel &preferences, ArticleTextCommands &articleText)
    : m_editor(editor)
    , m_preferences(preferences)
    , m_highlighter(std::make_unique<WikiHighlighter>(editor.widget()))
{
    connect(&articleText, &ArticleTextCommands::contextMenuAboutToShow, this, &SpellCommands::extendContextMenu);
    connect(&preferences, &PreferencesModel::writingAidsChanged, this, &SpellCommands::reflectPreferences);
    reflectPreferences();
}

SpellCommands::~SpellCommands()
{
    if (m_loader)
        m_loader->wait();
}

void SpellCommands::reflectPreferences()
{
    const bool spell = m_preferences.spellCheck();
    m_highlighter->setCheckerWanted(spell && !m_loader ? [this] { loadDictionary(); } : std::function<void()>());
    m_highlighter->setAids(m_preferences.highlighting(), spell && m_checker.isAvailable() ? &m_checker : nullptr);
}

void SpellCommands::loadDictionary()
{
    if (m_loader)
        return;
    m_highlighter->setCheckerWanted({});
    m_loader.reset(QThread::create([this] { m_loaded = HunspellDictionary::loadHebrew(); }));
    connect(m_loader.get(), &QThread::finished, this, &SpellCommands::dictionaryLoaded);
    m_loader->start(QThread::LowPriority);
}

void SpellCommands::dictionaryLoaded()
{
    if (!m_loaded || m_checker.isAvailable())
        return;
    m_checker.setDictionary(m_loaded);
    m_checker.setPersonalWords(PersonalWords::load(PersonalWords::path()));
    reflectPreferences();
}

void SpellCommands::waitForDictionary()
{
    if (!m_loader) {
        if (!m_preferences.spellCheck())
            return;
        loadDictionary();
    }
    m_loader->wait();
    dictionaryLoaded();
}

void SpellCommands::extendContextMenu(QMenu *menu, const QPoint &at)
{
    QPlainTextEdit *editor = m_editor.widget();
    if (editor->isReadOnly() || !m_preferences.spellCheck())
        return;
    const auto [start, length] = m_highlighter->misspeltWordAt(editor->cursorForPosition(at).position());
    if (start < 0)
        return;
    QTextCursor cursor(editor->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    const QString word = cursor.selectedText();
    QAction *first = menu->actions().value(0);
    QStringList suggestions = m_checker.suggestions(word).mid(0, MaxSuggestions);
    for (const QString &s : std::as_const(suggestions)) {
        auto *item = new QAction(s, menu);
        connect(item, &QAction::triggered, this, [this, start, length, s] { replaceWord(start, length, s); });
        menu->insertAction(first, item);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(QStringLiteral("אין הצעות"), menu);
        none->setEnabled(false);
        menu->insertAction(first, none);
    }
    auto *add = new QAction(QStringLiteral("הוסף למילון שלי"), menu);
    add->setObjectName(QStringLiteral("AddToDictionary"));
    connect(add, &QAction::triggered, this, [this, word] { addToDictionary(word); });
    menu->insertAction(first, add);
    menu->insertSeparator(first);
}

void SpellCommands::replaceWord(int start, int length, const QString &replacement)
{
    QTextCursor cursor(m_editor.widget()->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    // The word is the excerpt: what the replacement changes, and nothing around it.
    const EditorState before{cursor.selectedText(), 0, 0};
    m_editor.applyExcerpt(m_editor.toStatePosition(start), before,
                          EditorState{replacement, int(replacement.size()), 0});
}

void SpellCommands::addToDictionary(const QString &word)
{
    QString reason;
    if (!PersonalWords::add(PersonalWords::path(), word, &reason))
        HebrewMessageBox::show(HebrewUi::isolatePaths(QStringLiteral("לא ניתן לשמור את המילה במילון: %1").arg(reason),
                                                      {PersonalWords::path()}),
                               HebrewMessageBox::Error, QMessageBox::Ok);
    m_checker.addPersonalWord(word);
    m_highlighter->spellingChanged();
}
