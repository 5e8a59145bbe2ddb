#include "app/TForm1.h"

#include "app/AppIcons.h"
#include "app/DocumentRules.h"
#include "app/Settings.h"
#include "app/commands/ArticleTextCommands.h"
#include "app/commands/CleanupCommands.h"
#include "app/commands/DocumentCommands.h"
#include "app/commands/FindCommands.h"
#include "app/commands/MarkupCommands.h"
#include "app/commands/NavigationCommands.h"
#include "app/commands/ShortcutCommands.h"
#include "app/commands/TemplateCommands.h"
#include "app/commands/TimerTrayCommands.h"
#include "app/commands/VowelCommands.h"
#include "platform/KeyboardLayouts.h"
#include "ui_TForm1.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QToolBar>
#include <QToolButton>

namespace {

const QColor Background(166, 202, 240);

// The point buttons in toolbar order with their picture slots.
const struct { const char *name; int image; } PointButtons[] = {
    {"Dagesh", 8},       {"Shin_Left", 10}, {"Shin_Right", 9}, {"Kubuts", 12},
    {"Shuruk", 13},      {"Hirik", 29},     {"Schwa", 7},      {"Tsere", 6},
    {"Hataf_Segol", 5},  {"Segol", 4},      {"Hataf_Patah", 3}, {"Patah", 2},
    {"Hataf_Kamats", 1}, {"Kamats", 0},     {"Holam", 11},
};
const struct { const char *name; int image; } MarkupButtons[] = {
    {"TranslationsTool", 21}, {"Sentences", 20}, {"Br", 19}, {"NoWiki", 22},
    {"Math", 16},             {"Little", 17},    {"Bold", 14}, {"Quote", 15},
};

// The toolbar's indent with the point buttons hidden and shown; the difference is
// the fifteen 23-pixel buttons and their 16-pixel separator.
constexpr int IndentHidden = 378;
constexpr int IndentShown = 17;

QFont davidFont(int pixelSize)
{
    QFont font(QStringLiteral("David"));
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::TForm1>())
    , m_editor((m_ui->setupUi(this), m_ui->ArticleText))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setLayoutDirection(Qt::RightToLeft);
    setFont(davidFont(16));
    setContextMenuPolicy(Qt::NoContextMenu);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);
    setAutoFillBackground(true);

    // Every paragraph right to left and right-aligned, as in the wiki's edit box;
    // left alone, a line starting with "==" or "{{" would run left to right.
    QTextDocument *doc = m_ui->ArticleText->document();
    QTextOption option = doc->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    doc->setDefaultTextOption(option);
    m_ui->ArticleText->setFont(davidFont(16));

    for (QMenu *m : findChildren<QMenu *>()) {
        m->setLayoutDirection(Qt::RightToLeft);
        m->setFont(davidFont(16));
        // Submenus are reached by their item name, like every other item.
        m->menuAction()->setObjectName(m->objectName());
    }

    buildToolbar();
    buildIcons();

    m_ui->GoBack->hide();
    m_ui->GreenLed->hide();
    m_ui->Love->hide();
    m_ui->ArabLabel->hide();
    m_ui->RussianLabel->hide();
    m_ui->StatusBar->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);

    m_timer1.setInterval(500);
    m_timer2.stop();

    // The client area below the menu: toolbar, editor and the bottom row.
    m_ui->ClientArea->setFixedSize(769, 483 - 24);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_document = std::make_unique<DocumentCommands>(*this);
    new FindCommands(*this);
    new CleanupCommands(*this);
    auto *navigation = new NavigationCommands(*this);
    new TimerTrayCommands(*this, *navigation);
    new ShortcutCommands(*this);
    new TemplateCommands(*this);
    new MarkupCommands(*this);
    new VowelCommands(*this);
    new ArticleTextCommands(*this);
}

TForm1::~TForm1() = default;

void TForm1::buildToolbar()
{
    QToolBar *bar = m_ui->ToolBar;
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(24);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The toolbar lays its items out from left to right, starting at its indent.
    bar->setLayoutDirection(Qt::LeftToRight);
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, Background);
    bar->setPalette(pal);
    bar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));

    m_indent = new QWidget(bar);
    m_indent->setFixedWidth(IndentHidden);
    bar->insertWidget(m_ui->WiktJump, m_indent);

    m_searchPopup = new QMenu(this);
    m_searchPopup->setObjectName(QStringLiteral("SearchPopup"));
    m_searchPopup->setLayoutDirection(Qt::RightToLeft);
    m_searchPopup->setFont(davidFont(16));
    m_searchPopup->addAction(m_ui->Wikipedia);
    m_searchPopup->addAction(m_ui->CommonsFind);
    m_searchPopup->addAction(m_ui->Google);
    m_ui->WiktJump->setMenu(m_searchPopup);
    if (auto *jump = wiktJumpButton())
        jump->setPopupMode(QToolButton::MenuButtonPopup);

    m_jumpQuery = new QLineEdit(bar);
    m_jumpQuery->setObjectName(QStringLiteral("JumpQuery"));
    m_jumpQuery->setFixedWidth(123);
    m_jumpQuery->setFont(davidFont(15));
    m_jumpQuery->setLayoutDirection(Qt::RightToLeft);
    const QList<QAction *> items = bar->actions();
    const int jumpAt = items.indexOf(m_ui->WiktJump);
    bar->insertWidget(items.value(jumpAt + 1), m_jumpQuery);

    m_toolbarPopup = new QMenu(this);
    m_toolbarPopup->setObjectName(QStringLiteral("ToolbarPopup"));
    m_toolbarPopup->setLayoutDirection(Qt::RightToLeft);
    m_toolbarPopup->setFont(davidFont(16));
    m_toolbarPopup->addAction(m_ui->Nikkud);
    connect(bar, &QToolBar::customContextMenuRequested, this,
            [this, bar](const QPoint &at) { m_toolbarPopup->popup(bar->mapToGlobal(at)); });

    // The separator after the point buttons is 16 pixels wide, wider than the
    // toolbar's own separators, so the indents of both states add up.
    auto *gap = new QFrame(bar);
    gap->setFrameShape(QFrame::VLine);
    gap->setFrameShadow(QFrame::Sunken);
    gap->setFixedWidth(16);
    QAction *gapAction = bar->insertWidget(m_ui->TntToolButton2, gap);
    bar->removeAction(m_ui->TntToolButton2);
    delete m_ui->TntToolButton2;
    m_ui->TntToolButton2 = gapAction;
    gapAction->setObjectName(QStringLiteral("TntToolButton2"));

    for (const auto &b : PointButtons) {
        if (QWidget *w = bar->widgetForAction(action(QString::fromLatin1(b.name))))
            w->setFixedWidth(23);
    }
    for (const auto &b : MarkupButtons) {
        if (QWidget *w = bar->widgetForAction(action(QString::fromLatin1(b.name))))
            w->setFixedWidth(23);
    }
    setVowelToolbarVisible(false);
}

void TForm1::buildIcons()
{
    m_ui->New->setIcon(QIcon::fromTheme(QStringLiteral("document-new")));
    m_ui->Recent->setIcon(QIcon::fromTheme(QStringLiteral("document-open-recent")));
    m_ui->Fix->setIcon(QIcon::fromTheme(QStringLiteral("tools-check-spelling")));
    for (const auto &b : PointButtons)
        action(QString::fromLatin1(b.name))->setIcon(AppIcons::toolbarImage(b.image));
    for (const auto &b : MarkupButtons)
        action(QString::fromLatin1(b.name))->setIcon(AppIcons::toolbarImage(b.image));
    m_ui->WiktJump->setIcon(AppIcons::toolbarImage(24));
    m_ui->Wikipedia->setIcon(AppIcons::toolbarImage(18));
    m_ui->CommonsFind->setIcon(AppIcons::toolbarImage(27));
    m_ui->Google->setIcon(AppIcons::toolbarImage(26));
    m_ui->IE1->setIcon(AppIcons::menuImage(24));
    m_ui->AddTranslations->setIcon(AppIcons::menuImage(29));
    m_ui->GreenLed->setPixmap(AppIcons::led(QColor(40, 200, 40)).pixmap(16, 16));
    m_ui->BlueLed->setPixmap(AppIcons::led(QColor(40, 90, 230)).pixmap(16, 16));
    m_ui->Love->setPixmap(AppIcons::heart().pixmap(16, 16));
    m_ui->GoBack->setPixmap(QIcon::fromTheme(QStringLiteral("go-previous")).pixmap(16, 16));
}

void TForm1::FormCreate(const QStringList &arguments)
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        KeyboardLayouts::install(*app);
    Settings::ensureFile();
    Settings::setExternalWindowShowMode(
        Settings::read(QStringLiteral("Preferences"), QStringLiteral("Maximize"), QStringLiteral("No"))
                == QLatin1String("Yes")
            ? Settings::ShowMode::Maximized
            : Settings::ShowMode::Normal);
    const bool points = Settings::read(QStringLiteral("Preferences"), QStringLiteral("Nikkud"),
                                       QStringLiteral("No"))
                        == QLatin1String("Yes");
    setVowelToolbarVisible(points);
    m_ui->Nikkud->setChecked(points);
    m_document->RebuildRecentMenu();

    const QString first = arguments.value(0);
    if (first == QLatin1String("/c")) {
        QClipboard *clipboard = QGuiApplication::clipboard();
        m_editor.setText(DocumentRules::unescapeClipboardHtml(clipboard->text()));
        clipboard->setText(m_editor.text());
        m_ui->GoBack->show();
    } else if (first == QLatin1String("/o") && arguments.size() > 1
               && DocumentRules::fileExists(arguments.at(1))) {
        m_document->OpenDocumentFile(arguments.at(1));
    }
}

void TForm1::centreOnScreen()
{
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

QAction *TForm1::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

QList<QMenu *> TForm1::mainMenus() const
{
    return {m_ui->OptionsMenu, m_ui->InsertMenu, m_ui->ToolsMenu, m_ui->HelpMenu};
}

QMenu *TForm1::menu(const QString &name) const
{
    return findChild<QMenu *>(name);
}

QToolBar *TForm1::toolBar() const
{
    return m_ui->ToolBar;
}

QToolButton *TForm1::wiktJumpButton() const
{
    return qobject_cast<QToolButton *>(m_ui->ToolBar->widgetForAction(m_ui->WiktJump));
}

QPlainTextEdit *TForm1::articleText() const
{
    return m_ui->ArticleText;
}

QLabel *TForm1::statusLabel() const { return m_ui->StatusBar; }
QLabel *TForm1::greenLed() const { return m_ui->GreenLed; }
QLabel *TForm1::blueLed() const { return m_ui->BlueLed; }
QLabel *TForm1::love() const { return m_ui->Love; }
QLabel *TForm1::goBack() const { return m_ui->GoBack; }
QLabel *TForm1::arabLabel() const { return m_ui->ArabLabel; }
QLabel *TForm1::russianLabel() const { return m_ui->RussianLabel; }

void TForm1::setVowelToolbarVisible(bool visible)
{
    for (const auto &b : PointButtons)
        action(QString::fromLatin1(b.name))->setVisible(visible);
    m_ui->TntToolButton2->setVisible(visible);
    m_indent->setFixedWidth(visible ? IndentShown : IndentHidden);
}

bool TForm1::vowelToolbarVisible() const
{
    return m_ui->TntToolButton2->isVisible();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The window is never closed directly: the tray may take it, else Exit decides.
    event->ignore();
    if (m_closeDiverter && m_closeDiverter())
        return;
    m_ui->Exit->trigger();
}
