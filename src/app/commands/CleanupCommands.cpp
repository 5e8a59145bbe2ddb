#include "app/commands/CleanupCommands.h"

#include "app/EditorAdapter.h"
#include "gui/HebrewMessageBox.h"
#include "regex/RegEx.h"
#include "wikitext/Cleanup.h"
#include "wikitext/Unify.h"

CleanupCommands::CleanupCommands(EditorAdapter &editor, RegEx &regEx)
    : m_editor(editor)
    , m_regEx(regEx)
{
}

void CleanupCommands::fixSpaces()
{
    run(Cleanup::fixSpaces);
}

void CleanupCommands::fixPunctuation()
{
    run(Cleanup::fixPunctuation);
}

void CleanupCommands::unify()
{
    run(Unify::unify);
}

void CleanupCommands::run(EditorState (*command)(RegEx &, const EditorState &))
{
    const EditorState before = m_editor.state();
    const EditorState after = command(m_regEx, before);
    if (m_regEx.failed()) {
        // Nothing was changed: a half-done clean-up is worse than none.
        HebrewMessageBox::notice(QStringLiteral("הפעולה לא בוצעה: הטקסט ארוך או מסובך מדי לביטוי הרגולרי.\u200F"));
        return;
    }
    if (after != before)
        m_editor.apply(after);
}
