#pragma once

#include "check/EntryCheck.h"
#include "dialogs/check/CheckRunner.h"

#include <QObject>
#include <QTimer>

#include <memory>

class CheckPanel;
class EditorAdapter;
class NoteCommands;
class PreferencesModel;
class QAction;

// "בדיקת הערך": the panel beside the editor, open as the preferences say, whose list
// follows the text a moment after typing pauses. The check runs on a thread of its
// own, fed with the editor's changes as they come, so that a keystroke costs next to
// nothing more with the panel open, whatever the length of the text.
class CheckCommands : public QObject
{
    Q_OBJECT

public:
    // How long the text rests before it is checked again.
    static constexpr int PauseMs = 400;

    CheckCommands(EditorAdapter &editor, PreferencesModel &preferences, NoteCommands &notes, CheckPanel &panel,
                  QAction &toggle);
    ~CheckCommands() override;

    // Checks the text as it is now, without the pause.
    void checkNow();
    // The caret on the problem at `place` (as listed), in view: moved along by what
    // was typed since the list was made.
    void goTo(int place);
    // Runs the command that mends the problem at `place`, with the caret on it.
    void mend(int place, EntryCheck::Mend mend);
    // The list shown is not of the text as it is now.
    bool isPending() const;

signals:
    // A check's result went into the panel.
    void listed();

private:
    struct Edit
    {
        int at = 0;
        int removed = 0;
        int added = 0;
    };
    void showPanel(bool open);
    void contentsChange(int at, int removed, int added);
    QString textAt(int at, int length) const;
    void finished(const CheckRunner::Listing &listing);

    EditorAdapter &m_editor;
    PreferencesModel &m_preferences;
    NoteCommands &m_notes;
    CheckPanel &m_panel;
    QAction &m_toggle;
    QTimer m_pause;
    CheckRunner m_runner;
    quint64 m_revision = 0;
    quint64 m_listedRevision = ~quint64(0);
    // What to hand the runner next: the whole text, or the changes since the last request.
    bool m_resync = true;
    QList<CheckRunner::Change> m_changes;
    int m_length = 0;
    // What changed since the listed text, to find its places in the text of now.
    QList<Edit> m_sinceListed;
};
