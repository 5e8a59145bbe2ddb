#pragma once

#include "app/EditorAdapter.h"
#include "gui/HebrewMessageBox.h"
#include "regex/RegEx.h"

// Runs a whole-text command on the shared pattern engine and applies its result as
// one edit. When the engine gave up, nothing changes and the user is told: a
// half-done clean-up or a contents list that lacks headings is worse than none.
template <typename Command> void applyPatternEdit(EditorAdapter &editor, RegEx &regEx, Command &&command)
{
    const EditorState before = editor.state();
    const EditorState after = command(regEx, before);
    if (regEx.failed()) {
        HebrewMessageBox::notice(EngineGaveUpMessage);
        return;
    }
    if (after != before)
        editor.apply(after);
}
