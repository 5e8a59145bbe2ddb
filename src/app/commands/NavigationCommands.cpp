#include "app/commands/NavigationCommands.h"

#include "app/AppIcons.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "platform/ShellOpen.h"
#include "wikitext/Hebrew.h"
#include "wikitext/WebAddresses.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace {

const QString Preferences = QStringLiteral("Preferences");
const QString RecentChangesKey = QStringLiteral("RecentChanges");

bool isCtrlMinus(const QKeyEvent *key)
{
    // The main keyboard's minus only; the keypad's minus stays a minus.
    const Qt::KeyboardModifiers mods = key->modifiers();
    return key->key() == Qt::Key_Minus && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)
        && !(mods & Qt::KeypadModifier);
}

} // namespace

NavigationCommands::NavigationCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
    , m_jumpQuery(form.jumpQuery())
{
    connect(m_jumpQuery, &QLineEdit::textChanged, this, &NavigationCommands::JumpQueryChange);
    connect(m_jumpQuery, &QLineEdit::returnPressed, form.action(QStringLiteral("WiktJump")), &QAction::trigger);
    m_jumpQuery->installEventFilter(this);
    connect(form.action(QStringLiteral("WiktJump")), &QAction::triggered, this, &NavigationCommands::WiktJumpClick);
    connect(form.action(QStringLiteral("Wikipedia")), &QAction::triggered, this, &NavigationCommands::WikipediaClick);
    connect(form.action(QStringLiteral("Google")), &QAction::triggered, this, &NavigationCommands::GoogleClick);
    connect(form.action(QStringLiteral("CommonsFind")), &QAction::triggered, this,
            &NavigationCommands::CommonsFindClick);
    if (form.searchPopup())
        form.searchPopup()->setToolTipsVisible(true);
    JumpQueryChange();
}

void NavigationCommands::JumpQueryChange()
{
    const QString query = m_jumpQuery->text();
    const JumpHints hints = JumpHintsFor(query);
    QAction *jump = m_form.action(QStringLiteral("WiktJump"));
    jump->setIcon(AppIcons::toolbarImage(int(JumpKindFor(query))));
    jump->setToolTip(hints.jump);
    m_form.action(QStringLiteral("Wikipedia"))->setToolTip(hints.wikipedia);
    m_form.action(QStringLiteral("Google"))->setToolTip(hints.google);
    m_form.action(QStringLiteral("CommonsFind"))->setToolTip(hints.commons);

    // Setting the text runs this handler again, which then finds nothing to expand.
    if (const auto expanded = ExpandNamespacePrefix(query)) {
        m_jumpQuery->setText(expanded->text);
        m_jumpQuery->setCursorPosition(expanded->caret);
    }
}

void NavigationCommands::WiktJumpClick()
{
    const QString query = m_jumpQuery->text();
    if (query.isEmpty())
        RecentChangesTrayClick();
    else
        ShellOpen(JumpAddress(query));
}

void NavigationCommands::WikipediaClick()
{
    QString source = m_jumpQuery->text();
    if (source.isEmpty())
        source = m_form.editor().state().selectedText();
    if (!source.isEmpty())
        ShellOpen(WikipediaAddress(source));
}

void NavigationCommands::GoogleClick()
{
    if (!m_jumpQuery->text().isEmpty())
        ShellOpen(GoogleAddress(m_jumpQuery->text()));
}

void NavigationCommands::CommonsFindClick()
{
    if (!m_jumpQuery->text().isEmpty())
        ShellOpen(CommonsSearchAddress(m_jumpQuery->text()));
}

void NavigationCommands::RecentChangesTrayClick()
{
    // The Preferences check box and the stored time both live in this key: "0"
    // while the box is off, "1" or the last visit's time while it is on.
    const QString last = Settings::read(Preferences, RecentChangesKey, QStringLiteral("0"));
    const bool keepTime = last != QLatin1String("0");
    ShellOpen(RecentChangesAddress(keepTime, last));
    if (keepTime)
        Settings::write(Preferences, RecentChangesKey, FormatWikiTimestamp());
}

bool NavigationCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_jumpQuery)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Keeps Ctrl+minus for the box even if a window shortcut claims it.
        if (isCtrlMinus(static_cast<QKeyEvent *>(event)))
            event->accept();
        return false;
    case QEvent::KeyPress:
        if (!isCtrlMinus(static_cast<QKeyEvent *>(event)))
            return false;
        m_jumpQuery->insert(QString(QChar(Hebrew::Maqaf)));
        return true;
    case QEvent::MouseButtonDblClick:
        m_jumpQuery->clear();
        return true;
    default:
        return false;
    }
}
