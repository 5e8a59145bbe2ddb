#include "app/commands/CleanupCommands.h"

#include "app/commands/PatternEdit.h"
#include "wikitext/Cleanup.h"
#include "wikitext/Unify.h"

CleanupCommands::CleanupCommands(EditorAdapter &editor, RegEx &regEx)
    : m_editor(editor)
    , m_regEx(regEx)
{
}

void CleanupCommands::fixSpaces()
{
    applyPatternEdit(m_editor, m_regEx, &Cleanup::fixSpaces);
}

void CleanupCommands::fixPunctuation()
{
    applyPatternEdit(m_editor, m_regEx, &Cleanup::fixPunctuation);
}

void CleanupCommands::unify()
{
    applyPatternEdit(m_editor, m_regEx, &Unify::unify);
}
