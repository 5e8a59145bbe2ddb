#include "app/commands/VowelCommands.h"

#include "app/EditorAdapter.h"
#include "wikitext/Hebrew.h"

#include <QPlainTextEdit>

VowelCommands::VowelCommands(EditorAdapter &editor)
    : m_editor(editor)
{
}

void VowelCommands::insertPoint(QChar point)
{
    if (!m_editor.widget()->isEnabled())
        return;
    m_editor.editExcerpt([point](const EditorState &s) { return Hebrew::insertVowelPoint(s, point); });
}
