#pragma once

#include "app/AboutMode.h"
#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "regex/RegEx.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class AboutDialog;
class ArticleTextCommands;
class ChangesCommands;
class CheckCommands;
class CheckPanel;
class CleanupCommands;
class DictionaryDialog;
class DocumentCommands;
class EntryGuideDialog;
class EtymologyDialog;
class ExampleCommands;
class FindCommands;
class FindDialog;
class FootnotesDialog;
class GreekDialog;
class HelpCommands;
class LinksDialog;
class LookupCommands;
class MarkupCommands;
class NavigationCommands;
class NoteCommands;
class PadCommands;
class PreferencesDialog;
class PreviewCommands;
class QLineEdit;
class QMenu;
class QuotesDialog;
class RecoveryCommands;
class SemiticDialog;
class SentencesDialog;
class ShortcutCommands;
class SourcesDialog;
class SpellCommands;
class StatisticsDialog;
class TemplateCommands;
class TimerTrayCommands;
class TranslationCommands;
class TranslationsDialog;
class VerbsDialog;
class VowelCommands;
class WikiCommands;

namespace Ui {
class MainWindow;
}

// The main window: the one document, its editor, menus and toolbar, and the tool
// windows. Each group of commands lives in its own class under app/commands, is
// handed the models, widgets and windows it works on, and is wired to its menu
// items here; the window itself only shows what the models hold.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up with the command line (without the program's name): the settings
    // file, the stored choices, the recent list and the "/c" and "/o" switches.
    void start(const QStringList &arguments);

    // Places the window in the middle of its screen.
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void buildIcons();
    void createDialogs();
    void createCommands();
    void connectCommands();
    void reflectModels();
    void setVowelToolbarVisible(bool visible);
    void setWordWrap(bool on);
    // A fixed-size window that grew by a panel moves back within the screen.
    void keepOnScreen();

    std::unique_ptr<Ui::MainWindow> m_ui;
    EditorAdapter m_editor;
    RegEx m_regEx;
    DocumentModel m_document;
    PreferencesModel m_preferences;
    AboutMode m_aboutMode;
    QMenu *m_searchPopup = nullptr;
    QMenu *m_toolbarPopup = nullptr;
    QLineEdit *m_jumpQuery = nullptr;

    std::unique_ptr<PreferencesDialog> m_preferencesDialog;
    std::unique_ptr<FindDialog> m_findDialog;
    std::unique_ptr<StatisticsDialog> m_statisticsDialog;
    std::unique_ptr<VerbsDialog> m_verbsDialog;
    std::unique_ptr<SentencesDialog> m_sentencesDialog;
    std::unique_ptr<QuotesDialog> m_quotesDialog;
    std::unique_ptr<EntryGuideDialog> m_entryGuideDialog;
    std::unique_ptr<AboutDialog> m_aboutDialog;
    std::unique_ptr<LinksDialog> m_linksDialog;
    std::unique_ptr<TranslationsDialog> m_translationsDialog;
    std::unique_ptr<FootnotesDialog> m_footnotesDialog;
    std::unique_ptr<DictionaryDialog> m_dictionaryDialog;
    std::unique_ptr<EtymologyDialog> m_etymologyDialog;
    std::unique_ptr<SourcesDialog> m_sourcesDialog;
    std::unique_ptr<SemiticDialog> m_semiticDialog;
    std::unique_ptr<GreekDialog> m_greekDialog;
    std::unique_ptr<CheckPanel> m_checkPanel;

    // Declared last, so that they go before the widgets and dialogs they work on.
    std::unique_ptr<MarkupCommands> m_markup;
    std::unique_ptr<DocumentCommands> m_documents;
    std::unique_ptr<CleanupCommands> m_cleanup;
    std::unique_ptr<FindCommands> m_find;
    std::unique_ptr<NavigationCommands> m_navigation;
    std::unique_ptr<TimerTrayCommands> m_timerTray;
    std::unique_ptr<ShortcutCommands> m_shortcuts;
    std::unique_ptr<TemplateCommands> m_templates;
    std::unique_ptr<VowelCommands> m_vowels;
    std::unique_ptr<ArticleTextCommands> m_articleText;
    std::unique_ptr<ExampleCommands> m_examples;
    std::unique_ptr<PreviewCommands> m_preview;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<TranslationCommands> m_translations;
    std::unique_ptr<NoteCommands> m_notes;
    std::unique_ptr<LookupCommands> m_lookups;
    std::unique_ptr<PadCommands> m_pads;
    std::unique_ptr<SpellCommands> m_spell;
    std::unique_ptr<WikiCommands> m_wiki;
    std::unique_ptr<ChangesCommands> m_changes;
    std::unique_ptr<CheckCommands> m_check;
    std::unique_ptr<RecoveryCommands> m_recovery;
};
