#include "app/commands/VowelCommands.h"

#include "app/EditorAdapter.h"
#include "wikitext/EditorKeys.h"

#include <QPlainTextEdit>

VowelCommands::VowelCommands(EditorAdapter &editor)
    : m_editor(editor)
{
}

void VowelCommands::insertPoint(QChar point)
{
    if (!m_editor.widget()->isEnabled())
        return;
    m_editor.editExcerpt([point](const EditorState &s) { return EditorKeys::insertVowelPoint(s, point); });
}
