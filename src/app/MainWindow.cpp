#include "app/MainWindow.h"

#include "app/DocumentRules.h"
#include "app/commands/ArticleTextCommands.h"
#include "app/commands/ChangesCommands.h"
#include "app/commands/CheckCommands.h"
#include "app/commands/CleanupCommands.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/ExampleCommands.h"
#include "app/commands/FindCommands.h"
#include "app/commands/HelpCommands.h"
#include "app/commands/LookupCommands.h"
#include "app/commands/MarkupCommands.h"
#include "app/commands/NavigationCommands.h"
#include "app/commands/NoteCommands.h"
#include "app/commands/PadCommands.h"
#include "app/commands/PreviewCommands.h"
#include "app/commands/RecoveryCommands.h"
#include "app/commands/ShortcutCommands.h"
#include "app/commands/SpellCommands.h"
#include "app/commands/TemplateCommands.h"
#include "app/commands/TimerTrayCommands.h"
#include "app/commands/TranslationCommands.h"
#include "app/commands/VowelCommands.h"
#include "app/commands/WikiCommands.h"
#include "dialogs/about/AboutDialog.h"
#include "dialogs/check/CheckPanel.h"
#include "dialogs/find/FindDialog.h"
#include "dialogs/footnotes/FootnotesDialog.h"
#include "dialogs/greek/GreekDialog.h"
#include "dialogs/guide/EntryGuideDialog.h"
#include "dialogs/links/LinksDialog.h"
#include "dialogs/lookups/DictionaryDialog.h"
#include "dialogs/lookups/EtymologyDialog.h"
#include "dialogs/lookups/SourcesDialog.h"
#include "dialogs/preferences/PreferencesDialog.h"
#include "dialogs/quotes/QuotesDialog.h"
#include "dialogs/semitic/SemiticDialog.h"
#include "dialogs/sentences/SentencesDialog.h"
#include "dialogs/stats/StatisticsDialog.h"
#include "dialogs/translations/TranslationsDialog.h"
#include "dialogs/verbs/VerbsDialog.h"
#include "gui/AppIcons.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/KeyboardLayouts.h"
#include "platform/Settings.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

const QColor Background(166, 202, 240);

using ActionMember = QAction *Ui::MainWindow::*;

// The point buttons in toolbar order with the point each puts in.
const struct
{
    ActionMember action;
    char16_t point;
} PointButtons[] = {
    {&Ui::MainWindow::Dagesh, u'\u05BC'},       {&Ui::MainWindow::Shin_Left, u'\u05C2'},
    {&Ui::MainWindow::Shin_Right, u'\u05C1'},   {&Ui::MainWindow::Kubuts, u'\u05BB'},
    {&Ui::MainWindow::Shuruk, u'\u05BC'},       {&Ui::MainWindow::Hirik, u'\u05B4'},
    {&Ui::MainWindow::Schwa, u'\u05B0'},        {&Ui::MainWindow::Tsere, u'\u05B5'},
    {&Ui::MainWindow::Hataf_Segol, u'\u05B1'},  {&Ui::MainWindow::Segol, u'\u05B6'},
    {&Ui::MainWindow::Hataf_Patah, u'\u05B2'},  {&Ui::MainWindow::Patah, u'\u05B7'},
    {&Ui::MainWindow::Hataf_Kamats, u'\u05B3'}, {&Ui::MainWindow::Kamats, u'\u05B8'},
    {&Ui::MainWindow::Holam, u'\u05B9'},
};

// The markup buttons with their picture slots and commands.
const struct
{
    ActionMember action;
    int image;
    void (MarkupCommands::*command)();
} MarkupButtons[] = {
    {&Ui::MainWindow::TranslationsTool, 21, nullptr},      {&Ui::MainWindow::Sentences, 20, nullptr},
    {&Ui::MainWindow::Br, 19, &MarkupCommands::lineBreak}, {&Ui::MainWindow::NoWiki, 22, &MarkupCommands::noWiki},
    {&Ui::MainWindow::Math, 16, &MarkupCommands::math},    {&Ui::MainWindow::Little, 17, &MarkupCommands::small},
    {&Ui::MainWindow::Bold, 14, &MarkupCommands::bold},    {&Ui::MainWindow::Quote, 15, &MarkupCommands::quote},
};

const QString FileNotFound = QStringLiteral("הקובץ %1 לא נמצא.\u200F");

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_editor((m_ui->setupUi(this), m_ui->ArticleText))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(HebrewUi::davidFont(16));
    setContextMenuPolicy(Qt::NoContextMenu);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);
    setAutoFillBackground(true);
    HebrewUi::setUpArticleEditor(*m_ui->ArticleText);

    for (QMenu *m :
         {m_ui->OptionsMenu, m_ui->New, m_ui->Recent, m_ui->InsertMenu, m_ui->ToolsMenu, m_ui->Fix, m_ui->HelpMenu}) {
        m->setFont(HebrewUi::davidFont(16));
        // A submenu's item carries the menu's name, as every other item does.
        m->menuAction()->setObjectName(m->objectName());
    }

    buildToolbar();
    buildIcons();

    m_ui->GoBack->hide();
    m_ui->GreenLed->hide();
    m_ui->Love->hide();
    m_ui->StatusBar->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    m_ui->QuickSave->setEnabled(false);

    // The client area below the menu is the window's fixed size less the toolbar.
    m_ui->ClientArea->setFixedSize(769, 483 - m_ui->ToolBar->height());
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createDialogs();
    createCommands();
    connectCommands();
    reflectModels();
}

MainWindow::~MainWindow() = default;

void MainWindow::keepOnScreen()
{
    if (!screen())
        return;
    const QRect room = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    if (frame.right() > room.right())
        move(std::max(room.left(), frame.left() - (frame.right() - room.right())), frame.top());
}

void MainWindow::createDialogs()
{
    m_preferencesDialog = std::make_unique<PreferencesDialog>(m_preferences, this);
    m_findDialog = std::make_unique<FindDialog>(this);
    m_statisticsDialog = std::make_unique<StatisticsDialog>(m_regEx, this);
    m_verbsDialog = std::make_unique<VerbsDialog>(this);
    m_sentencesDialog = std::make_unique<SentencesDialog>(this);
    m_quotesDialog = std::make_unique<QuotesDialog>(this);
    m_entryGuideDialog = std::make_unique<EntryGuideDialog>(this);
    m_aboutDialog = std::make_unique<AboutDialog>(this);
    m_linksDialog = std::make_unique<LinksDialog>(this);
    m_translationsDialog = std::make_unique<TranslationsDialog>(this);
    m_footnotesDialog = std::make_unique<FootnotesDialog>(this);
    m_dictionaryDialog = std::make_unique<DictionaryDialog>(this);
    m_etymologyDialog = std::make_unique<EtymologyDialog>(this);
    m_sourcesDialog = std::make_unique<SourcesDialog>(this);
    m_semiticDialog = std::make_unique<SemiticDialog>(this);
    m_greekDialog = std::make_unique<GreekDialog>(this);
}

void MainWindow::createCommands()
{
    m_markup = std::make_unique<MarkupCommands>(m_editor);
    m_documents = std::make_unique<DocumentCommands>(m_editor, m_document, *m_ui->Recent, *this);
    m_cleanup = std::make_unique<CleanupCommands>(m_editor, m_regEx);
    m_find = std::make_unique<FindCommands>(m_editor, m_regEx, *m_findDialog, *m_statisticsDialog);
    m_navigation = std::make_unique<NavigationCommands>(
        m_editor, m_preferences, *m_jumpQuery,
        NavigationCommands::Actions{m_ui->WiktJump, m_ui->Wikipedia, m_ui->Google, m_ui->CommonsFind});
    m_timerTray = std::make_unique<TimerTrayCommands>(*this, *m_documents, m_document, *m_navigation, m_preferences,
                                                      m_aboutMode);
    m_shortcuts = std::make_unique<ShortcutCommands>(*this, m_editor, *m_documents, *m_markup, *m_navigation,
                                                     m_preferences, m_aboutMode, *m_jumpQuery);
    m_templates = std::make_unique<TemplateCommands>(m_editor, *m_documents, m_document, m_regEx, *m_verbsDialog,
                                                     *this);
    m_vowels = std::make_unique<VowelCommands>(m_editor);
    m_articleText = std::make_unique<ArticleTextCommands>(m_editor, m_document, *m_markup, *m_ui->StatusBar,
                                                          *m_jumpQuery);
    m_examples = std::make_unique<ExampleCommands>(m_editor, m_regEx, *m_sentencesDialog);
    m_preview = std::make_unique<PreviewCommands>(m_editor, *m_quotesDialog);
    m_help = std::make_unique<HelpCommands>(
        m_editor, m_aboutMode, HelpCommands::Windows{*m_entryGuideDialog, *m_aboutDialog, *m_linksDialog}, *m_ui->IE1);
    m_translations = std::make_unique<TranslationCommands>(m_editor, *m_translationsDialog);
    m_notes = std::make_unique<NoteCommands>(m_editor, m_regEx, *m_footnotesDialog);
    m_lookups = std::make_unique<LookupCommands>(*m_dictionaryDialog, *m_etymologyDialog, *m_sourcesDialog);
    m_pads = std::make_unique<PadCommands>(m_editor, *m_greekDialog, *m_semiticDialog);
    m_spell = std::make_unique<SpellCommands>(m_editor, m_preferences, *m_articleText);
    m_wiki = std::make_unique<WikiCommands>(m_editor, m_document, *m_documents, m_preferences, *this);
    m_changes = std::make_unique<ChangesCommands>(m_editor, m_document, *this);

    // The entry check's panel, at the end of the editor's lines; the fixed-size window grows by its width.
    m_checkPanel = std::make_unique<CheckPanel>(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_checkPanel.get());
    connect(m_checkPanel.get(), &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            QTimer::singleShot(0, this, &MainWindow::keepOnScreen);
    });
    m_check = std::make_unique<CheckCommands>(m_editor, m_preferences, *m_notes, *m_checkPanel, *m_ui->CheckEntry);
    m_recovery = std::make_unique<RecoveryCommands>(m_editor, m_document, *m_documents);
}

void MainWindow::connectCommands()
{
    DocumentCommands *documents = m_documents.get();
    connect(m_ui->Open, &QAction::triggered, documents, &DocumentCommands::open);
    connect(m_ui->Save, &QAction::triggered, documents, &DocumentCommands::saveAs);
    connect(m_ui->QuickSave, &QAction::triggered, documents, &DocumentCommands::quickSave);
    connect(m_ui->Exit, &QAction::triggered, documents, &DocumentCommands::exit);
    connect(m_ui->OpenFromWiki, &QAction::triggered, m_wiki.get(), &WikiCommands::openFromWiki);
    connect(m_ui->SaveToWiki, &QAction::triggered, m_wiki.get(), &WikiCommands::saveToWiki);
    connect(m_ui->ShowChanges, &QAction::triggered, m_changes.get(), &ChangesCommands::showChanges);
    connect(m_wiki.get(), &WikiCommands::changesWanted, m_changes.get(), &ChangesCommands::showChanges);
    connect(m_wiki.get(), &WikiCommands::editConflict, m_changes.get(), &ChangesCommands::mergeWith);

    TemplateCommands *templates = m_templates.get();
    connect(m_ui->NewArticle, &QAction::triggered, templates, &TemplateCommands::newArticle);
    connect(m_ui->NewVerb, &QAction::triggered, templates, &TemplateCommands::newVerb);
    connect(m_ui->NewRoot, &QAction::triggered, templates, &TemplateCommands::newRoot);
    connect(m_ui->AddArticle, &QAction::triggered, templates, &TemplateCommands::addArticle);
    connect(m_ui->AddVerb, &QAction::triggered, templates, &TemplateCommands::addVerb);
    connect(m_ui->Another, &QAction::triggered, templates, &TemplateCommands::anotherMeaning);
    connect(m_ui->TOC, &QAction::triggered, templates, &TemplateCommands::tableOfContents);

    connect(m_ui->FixSpaces, &QAction::triggered, m_cleanup.get(), &CleanupCommands::fixSpaces);
    connect(m_ui->Punctuation, &QAction::triggered, m_cleanup.get(), &CleanupCommands::fixPunctuation);
    connect(m_ui->Unify, &QAction::triggered, m_cleanup.get(), &CleanupCommands::unify);

    // The two toolbar buttons run their menu items.
    connect(m_ui->Example, &QAction::triggered, m_examples.get(), &ExampleCommands::showExamples);
    connect(m_ui->Sentences, &QAction::triggered, m_ui->Example, &QAction::trigger);
    connect(m_ui->AddTranslations, &QAction::triggered, m_translations.get(), &TranslationCommands::addTranslations);
    connect(m_ui->TranslationsTool, &QAction::triggered, m_ui->AddTranslations, &QAction::trigger);

    connect(m_ui->Quotes, &QAction::triggered, m_preview.get(), &PreviewCommands::showQuotes);
    connect(m_ui->Preview, &QAction::triggered, m_preview.get(), &PreviewCommands::preview);
    HelpCommands *help = m_help.get();
    connect(m_ui->StructureClick, &QAction::triggered, help, &HelpCommands::showGuide);
    connect(m_ui->Help, &QAction::triggered, help, &HelpCommands::showHelp);
    connect(m_ui->AboutF, &QAction::triggered, help, &HelpCommands::showAbout);
    connect(m_ui->LinksClick, &QAction::triggered, help, &HelpCommands::showLinks);
    connect(m_ui->IE1, &QAction::triggered, help, &HelpCommands::toggleBrowserMenu);
    connect(m_ui->GoBack, &ClickableLabel::clicked, help, &HelpCommands::goBack);
    connect(m_ui->Footnote, &QAction::triggered, m_notes.get(), &NoteCommands::footnote);
    connect(m_ui->FixReferences, &QAction::triggered, m_notes.get(), &NoteCommands::fixReferences);
    connect(m_ui->Greek, &QAction::triggered, m_pads.get(), &PadCommands::greek);
    connect(m_ui->Semitic, &QAction::triggered, m_pads.get(), &PadCommands::semitic);

    connect(m_ui->Search, &QAction::triggered, m_find.get(), &FindCommands::search);
    connect(m_ui->Statistics, &QAction::triggered, m_find.get(), &FindCommands::showStatistics);

    connect(m_ui->Translations, &QAction::triggered, m_lookups.get(), &LookupCommands::showTranslations);
    connect(m_ui->Etymology, &QAction::triggered, m_lookups.get(), &LookupCommands::showEtymology);
    connect(m_ui->BibleFind, &QAction::triggered, m_lookups.get(), &LookupCommands::showSources);

    NavigationCommands *navigation = m_navigation.get();
    connect(m_ui->WiktJump, &QAction::triggered, navigation, &NavigationCommands::jump);
    connect(m_ui->Wikipedia, &QAction::triggered, navigation, &NavigationCommands::searchWikipedia);
    connect(m_ui->Google, &QAction::triggered, navigation, &NavigationCommands::searchGoogle);
    connect(m_ui->CommonsFind, &QAction::triggered, navigation, &NavigationCommands::searchCommons);

    for (const auto &b : MarkupButtons) {
        if (b.command)
            connect(m_ui.get()->*b.action, &QAction::triggered, m_markup.get(), b.command);
    }
    connect(m_ui->Comment, &QAction::triggered, m_markup.get(), &MarkupCommands::comment);
    connect(m_ui->Image, &QAction::triggered, m_markup.get(), &MarkupCommands::image);

    for (const auto &b : PointButtons) {
        const QChar point(b.point);
        connect(m_ui.get()->*b.action, &QAction::triggered, m_vowels.get(),
                [vowels = m_vowels.get(), point] { vowels->insertPoint(point); });
    }
    connect(m_toolbarPopup, &QMenu::aboutToShow, this, [this] { m_ui->Nikkud->setChecked(m_preferences.points()); });
    connect(m_ui->Nikkud, &QAction::triggered, &m_preferences, &PreferencesModel::setPoints);

    connect(m_ui->Prefs, &QAction::triggered, m_preferencesDialog.get(), &PreferencesDialog::showPreferences);
}

void MainWindow::reflectModels()
{
    const auto showCaption = [this] {
        setWindowTitle(DocumentRules::caption(m_document.fileName(), m_document.wikiPage().title));
    };
    connect(&m_document, &DocumentModel::fileNameChanged, this, showCaption);
    connect(&m_document, &DocumentModel::wikiTitleChanged, this, showCaption);
    connect(&m_document, &DocumentModel::quickSavePendingChanged, m_ui->QuickSave, &QAction::setEnabled);
    connect(&m_document, &DocumentModel::saveLampChanged, this, [this](bool lit) {
        m_ui->GreenLed->setVisible(lit);
        m_ui->BlueLed->setVisible(!lit);
    });
    connect(&m_aboutMode, &AboutMode::changed, this, [this](bool on) {
        m_ui->Love->setVisible(on);
        m_ui->GreenLed->hide();
        m_ui->BlueLed->setVisible(!on);
        for (QMenu *menu : {m_ui->OptionsMenu, m_ui->InsertMenu, m_ui->ToolsMenu, m_ui->HelpMenu})
            menu->menuAction()->setEnabled(!on);
        m_ui->ToolBar->setEnabled(!on);
    });
    connect(&m_preferences, &PreferencesModel::pointsChanged, this, &MainWindow::setVowelToolbarVisible);
    connect(&m_preferences, &PreferencesModel::wordWrapChanged, this, &MainWindow::setWordWrap);
    setWindowTitle(DocumentRules::caption(QString()));
}

void MainWindow::buildToolbar()
{
    QToolBar *bar = m_ui->ToolBar;
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The toolbar lays its items out from left to right; the room before them takes
    // what they leave, so the markup buttons stay at the right-hand end whether the
    // point buttons are shown or not.
    bar->setLayoutDirection(Qt::LeftToRight);
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, Background);
    bar->setPalette(pal);
    bar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));
    auto *room = new QWidget(bar);
    room->setObjectName(QStringLiteral("ToolBarIndent"));
    room->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->insertWidget(m_ui->WiktJump, room);

    m_searchPopup = new QMenu(this);
    m_searchPopup->setObjectName(QStringLiteral("SearchPopup"));
    m_searchPopup->setFont(HebrewUi::davidFont(16));
    m_searchPopup->setToolTipsVisible(true);
    m_searchPopup->addAction(m_ui->Wikipedia);
    m_searchPopup->addAction(m_ui->CommonsFind);
    m_searchPopup->addAction(m_ui->Google);
    m_ui->WiktJump->setMenu(m_searchPopup);
    if (auto *jump = qobject_cast<QToolButton *>(bar->widgetForAction(m_ui->WiktJump)))
        jump->setPopupMode(QToolButton::MenuButtonPopup);

    m_jumpQuery = new QLineEdit(bar);
    m_jumpQuery->setObjectName(QStringLiteral("JumpQuery"));
    m_jumpQuery->setFixedWidth(123);
    m_jumpQuery->setFont(HebrewUi::davidFont(15));
    const QList<QAction *> items = bar->actions();
    bar->insertWidget(items.value(items.indexOf(m_ui->WiktJump) + 1), m_jumpQuery);

    m_toolbarPopup = new QMenu(this);
    m_toolbarPopup->setObjectName(QStringLiteral("ToolbarPopup"));
    m_toolbarPopup->setFont(HebrewUi::davidFont(16));
    m_toolbarPopup->addAction(m_ui->Nikkud);
    connect(bar, &QToolBar::customContextMenuRequested, this,
            [this, bar](const QPoint &at) { m_toolbarPopup->popup(bar->mapToGlobal(at)); });

    // The points are drawn larger than the other pictures. The toolbar is as tall as
    // its tallest button, shown or not, so that the window keeps its size either way.
    int height = 0;
    for (const auto &b : PointButtons) {
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(m_ui.get()->*b.action))) {
            button->setIconSize(QSize(20, 20));
            height = std::max(height, button->sizeHint().height());
        }
    }
    bar->setFixedHeight(std::max(height, bar->sizeHint().height()));
    setVowelToolbarVisible(false);
}

void MainWindow::buildIcons()
{
    m_ui->New->setIcon(QIcon::fromTheme(QStringLiteral("document-new")));
    m_ui->Recent->setIcon(QIcon::fromTheme(QStringLiteral("document-open-recent")));
    m_ui->Fix->setIcon(QIcon::fromTheme(QStringLiteral("tools-check-spelling")));
    for (const auto &b : PointButtons)
        (m_ui.get()->*b.action)->setIcon(AppIcons::pointIcon(QChar(b.point)));
    for (const auto &b : MarkupButtons)
        (m_ui.get()->*b.action)->setIcon(AppIcons::toolbarImage(b.image));
    m_ui->WiktJump->setIcon(AppIcons::toolbarImage(24));
    m_ui->Wikipedia->setIcon(AppIcons::toolbarImage(18));
    m_ui->CommonsFind->setIcon(AppIcons::toolbarImage(27));
    m_ui->Google->setIcon(AppIcons::toolbarImage(26));
    m_ui->AddTranslations->setIcon(AppIcons::menuImage(29));
    m_ui->GreenLed->setPixmap(AppIcons::led(QColor(40, 200, 40)).pixmap(16, 16));
    m_ui->BlueLed->setPixmap(AppIcons::led(QColor(40, 90, 230)).pixmap(16, 16));
    m_ui->Love->setPixmap(AppIcons::heart().pixmap(16, 16));
    m_ui->GoBack->setPixmap(QIcon::fromTheme(QStringLiteral("go-previous")).pixmap(16, 16));
}

void MainWindow::start(const QStringList &arguments)
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        KeyboardLayouts::install(*app);
    Settings::ensureFile();
    m_preferences.load(true);
    m_documents->rebuildRecentMenu();
    m_help->reflectBrowserMenu();

    const QString first = arguments.value(0);
    if (first == QLatin1String("/c")) {
        QClipboard *clipboard = QGuiApplication::clipboard();
        m_editor.setText(DocumentRules::unescapeClipboardHtml(clipboard->text()));
        clipboard->setText(m_editor.text());
        m_ui->GoBack->show();
    } else if (first == QLatin1String("/o") && arguments.size() > 1) {
        // A name mistyped on the command line would leave an empty window without a word.
        if (DocumentRules::fileExists(arguments.at(1)))
            m_documents->openFile(arguments.at(1));
        else
            HebrewMessageBox::notice(FileNotFound.arg(HebrewUi::leftToRight(arguments.at(1))));
    }
    m_recovery->offerLeftCopiesSoon();
}

void MainWindow::centreOnScreen()
{
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::setVowelToolbarVisible(bool visible)
{
    for (const auto &b : PointButtons)
        (m_ui.get()->*b.action)->setVisible(visible);
    m_ui->TntToolButton2->setVisible(visible);
    m_ui->Nikkud->setChecked(visible);
}

void MainWindow::setWordWrap(bool on)
{
    // On with only the vertical scroll bar, off with both.
    m_ui->ArticleText->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_ui->ArticleText->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The window is never closed directly: the tray may take it, else Exit decides.
    event->ignore();
    if (!m_timerTray->hideToTray())
        m_documents->exit();
}
