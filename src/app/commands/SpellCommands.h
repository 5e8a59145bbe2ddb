#pragma once

#include "spell/SpellChecker.h"

#include <QObject>

#include <memory>

class ArticleTextCommands;
class EditorAdapter;
class PreferencesModel;
class QMenu;
class QPoint;
class QThread;
class WikiHighlighter;

// The writing aids of the editor: the markup's colours and the spell check, as the
// preferences switch them, and the spelling entries of the editor's context menu.
// The dictionary loads in the background the first time the spell check is on.
class SpellCommands : public QObject
{
    Q_OBJECT

public:
    SpellCommands(EditorAdapter &editor, PreferencesModel &preferences, ArticleTextCommands &articleText);
    ~SpellCommands() override;

    WikiHighlighter &highlighter() { return *m_highlighter; }
    SpellChecker &checker() { return m_checker; }

    // Puts the suggestions and "add to my dictionary" first in the menu when the
    // viewport position `at` is on a misspelt word.
    void extendContextMenu(QMenu *menu, const QPoint &at);
    // The word at the widget position replaced as one step to undo.
    void replaceWord(int start, int length, const QString &replacement);
    void addToDictionary(const QString &word);

    // Loads the dictionary now, if the spell check is on, and waits for it.
    void waitForDictionary();

private:
    void reflectPreferences();
    void loadDictionary();
    void dictionaryLoaded();

    EditorAdapter &m_editor;
    PreferencesModel &m_preferences;
    SpellChecker m_checker;
    std::unique_ptr<WikiHighlighter> m_highlighter;
    std::unique_ptr<QThread> m_loader;
    std::shared_ptr<SpellDictionary> m_loaded;
};
