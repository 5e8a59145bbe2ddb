#include "app/commands/CheckCommands.h"

#include "app/EditorAdapter.h"
#include "app/commands/NoteCommands.h"
#include "dialogs/check/CheckPanel.h"
#include "dialogs/preferences/PreferencesModel.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// Longer insertions are taken with the whole text at the next check: reading a range
// out of the widget costs several times what the whole text does, by the character.
constexpr int LongestChange = 64 * 1024;

} // namespace

CheckCommands::CheckCommands(EditorAdapter &editor, PreferencesModel &preferences, NoteCommands &notes,
                             CheckPanel &panel, QAction &toggle)
    : m_editor(editor)
    , m_preferences(preferences)
    , m_notes(notes)
    , m_panel(panel)
    , m_toggle(toggle)
{
    m_toggle.setCheckable(true);
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &CheckCommands::checkNow);
    connect(&m_runner, &CheckRunner::finished, this, &CheckCommands::finished);
    // The change's place and size, so that the runner is handed the change alone.
    connect(editor.widget()->document(), &QTextDocument::contentsChange, this, &CheckCommands::contentsChange);
    connect(&toggle, &QAction::toggled, &preferences, &PreferencesModel::setCheckPanel);
    connect(&preferences, &PreferencesModel::checkPanelChanged, this, &CheckCommands::showPanel);
    connect(&panel, &CheckPanel::closeRequested, this, [this] { m_preferences.setCheckPanel(false); });
    connect(&panel, &CheckPanel::problemActivated, this, &CheckCommands::goTo);
    connect(&panel, &CheckPanel::mendRequested, this, &CheckCommands::mend);
    showPanel(preferences.checkPanel());
}

CheckCommands::~CheckCommands() = default;

void CheckCommands::showPanel(bool open)
{
    m_toggle.setChecked(open);
    m_panel.setVisible(open);
    m_pause.stop();
    m_sinceListed.clear();
    m_listedRevision = ~quint64(0);
    if (open) {
        m_panel.showChecking();
        checkNow();
    }
}

void CheckCommands::contentsChange(int at, int removed, int added)
{
    ++m_revision;
    if (!m_preferences.checkPanel()) {
        // Nothing follows the text while the panel is closed.
        m_resync = true;
        return;
    }
    m_sinceListed.append({at, removed, added});
    const int length = m_editor.widget()->document()->characterCount() - 1;
    // The document counts its last separator in some reports of a change; such a
    // report, a long text still coming in or a long insertion take the whole text.
    if (m_resync || m_editor.isLoading() || m_length - removed + added != length || at < 0 || at + added > length
        || added > LongestChange) {
        m_resync = true;
        m_changes.clear();
    } else {
        m_changes.append({at, removed, textAt(at, added)});
    }
    m_length = length;
    m_pause.start();
}

QString CheckCommands::textAt(int at, int length) const
{
    const QTextDocument *doc = m_editor.widget()->document();
    if (length <= 16) {
        QString text(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i)
            text[i] = doc->characterAt(at + i);
        return text;
    }
    QTextCursor cursor(const_cast<QTextDocument *>(doc));
    cursor.setPosition(at);
    cursor.setPosition(at + length, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

void CheckCommands::checkNow()
{
    m_pause.stop();
    if (!m_preferences.checkPanel())
        return;
    // A long text still coming in: the pause starts again with each piece.
    if (m_editor.isLoading()) {
        m_pause.start();
        return;
    }
    std::optional<QString> base;
    if (m_resync) {
        base = m_editor.widgetText();
        m_length = int(base->size());
        m_changes.clear();
        m_resync = false;
    }
    m_runner.request(m_revision, base, std::exchange(m_changes, {}));
}

void CheckCommands::finished(const CheckRunner::Listing &listing)
{
    // A list of an older text: a newer one is on its way.
    if (listing.revision != m_revision || !m_preferences.checkPanel())
        return;
    m_listedRevision = listing.revision;
    m_sinceListed.clear();
    m_panel.showResult(listing.result, listing.places);
    emit listed();
}

bool CheckCommands::isPending() const
{
    return m_listedRevision != m_revision;
}

void CheckCommands::goTo(int place)
{
    m_editor.finishLoading();
    for (const Edit &e : std::as_const(m_sinceListed)) {
        if (place >= e.at + e.removed)
            place += e.added - e.removed;
        else if (place > e.at)
            place = e.at;
    }
    QPlainTextEdit *widget = m_editor.widget();
    QTextCursor cursor = widget->textCursor();
    cursor.setPosition(std::clamp(place, 0, widget->document()->characterCount() - 1));
    widget->setTextCursor(cursor);
    widget->centerCursor();
    widget->setFocus(Qt::OtherFocusReason);
}

void CheckCommands::mend(int place, EntryCheck::Mend mend)
{
    if (mend != EntryCheck::Mend::FixReferences)
        return;
    goTo(place);
    m_notes.fixReferences();
}
