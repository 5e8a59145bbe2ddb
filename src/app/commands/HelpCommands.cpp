#include "app/commands/HelpCommands.h"

#include "dialogs/guide/EntryGuideDialog.h"

HelpCommands::HelpCommands(EntryGuideDialog &guide)
    : m_guide(guide)
{
}

void HelpCommands::showGuide()
{
    m_guide.showGuide();
}
