#include "app/commands/NavigationCommands.h"

#include "app/EditorAdapter.h"
#include "dialogs/preferences/PreferencesModel.h"
#include "gui/AppIcons.h"
#include "gui/MaqafKey.h"
#include "platform/ShellOpen.h"
#include "wikitext/WebAddresses.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>

NavigationCommands::NavigationCommands(EditorAdapter &editor, PreferencesModel &preferences, QLineEdit &jumpQuery,
                                       Actions actions)
    : m_editor(editor)
    , m_preferences(preferences)
    , m_jumpQuery(jumpQuery)
    , m_actions(actions)
{
    connect(&m_jumpQuery, &QLineEdit::textChanged, this, &NavigationCommands::queryChanged);
    connect(&m_jumpQuery, &QLineEdit::returnPressed, this, &NavigationCommands::jump);
    m_jumpQuery.installEventFilter(this);
    queryChanged();
}

NavigationCommands::~NavigationCommands()
{
    m_jumpQuery.removeEventFilter(this);
}

void NavigationCommands::queryChanged()
{
    const QString query = m_jumpQuery.text();
    const JumpHints hints = WebAddresses::jumpHintsFor(query);
    m_actions.jump->setIcon(AppIcons::toolbarImage(int(WebAddresses::jumpKindFor(query))));
    m_actions.jump->setToolTip(hints.jump);
    m_actions.wikipedia->setToolTip(hints.wikipedia);
    m_actions.google->setToolTip(hints.google);
    m_actions.commons->setToolTip(hints.commons);

    // Setting the text runs this handler again, which then finds nothing to expand.
    if (const auto expanded = WebAddresses::expandNamespacePrefix(query)) {
        m_jumpQuery.setText(expanded->text);
        m_jumpQuery.setCursorPosition(expanded->caret);
    }
}

void NavigationCommands::jump()
{
    const QString query = m_jumpQuery.text();
    if (query.isEmpty())
        showRecentChanges();
    else
        ShellOpen::open(WebAddresses::jumpAddress(query));
}

void NavigationCommands::searchWikipedia()
{
    QString source = m_jumpQuery.text();
    if (source.isEmpty())
        source = m_editor.state().selectedText();
    if (!source.isEmpty())
        ShellOpen::open(WebAddresses::wikipediaAddress(source));
}

void NavigationCommands::searchGoogle()
{
    if (!m_jumpQuery.text().isEmpty())
        ShellOpen::open(WebAddresses::googleAddress(m_jumpQuery.text()));
}

void NavigationCommands::searchCommons()
{
    if (!m_jumpQuery.text().isEmpty())
        ShellOpen::open(WebAddresses::commonsSearchAddress(m_jumpQuery.text()));
}

void NavigationCommands::showRecentChanges()
{
    ShellOpen::open(
        WebAddresses::recentChangesAddress(m_preferences.keepsRecentChangesTime(), m_preferences.recentChanges()));
    m_preferences.recordRecentChangesVisit(WebAddresses::formatWikiTimestamp());
}

bool NavigationCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_jumpQuery)
        return false;
    if (MaqafKey::filter(m_jumpQuery, event))
        return true;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        m_jumpQuery.clear();
        return true;
    default:
        return false;
    }
}
