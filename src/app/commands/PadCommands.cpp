#include "app/commands/PadCommands.h"

#include "app/EditorAdapter.h"
#include "dialogs/greek/GreekDialog.h"
#include "dialogs/greek/logic/GreekLetters.h"
#include "dialogs/semitic/SemiticDialog.h"
#include "dialogs/semitic/logic/SemiticLetters.h"

#include <QPlainTextEdit>

namespace {

void applyInsertion(EditorAdapter &editor, const std::optional<EditorState> &result)
{
    if (!result)
        return;
    editor.apply(*result);
    editor.widget()->setFocus();
}

} // namespace

PadCommands::PadCommands(EditorAdapter &editor, GreekDialog &greekDialog, SemiticDialog &semiticDialog)
    : m_editor(editor)
    , m_greekDialog(greekDialog)
    , m_semiticDialog(semiticDialog)
{
    connect(&m_greekDialog, &GreekDialog::insertRequested, this,
            [this](const QString &word) { applyInsertion(m_editor, GreekLetters::insertion(m_editor.state(), word)); });
    connect(&m_semiticDialog, &SemiticDialog::insertRequested, this, [this](const QString &text) {
        applyInsertion(m_editor, SemiticLetters::insertion(m_editor.state(), text));
    });
}

void PadCommands::greek()
{
    m_greekDialog.showPad();
}

void PadCommands::semitic()
{
    m_semiticDialog.showPad();
}
