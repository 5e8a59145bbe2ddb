#include "app/commands/LookupCommands.h"

#include "dialogs/lookups/DictionaryDialog.h"
#include "dialogs/lookups/EtymologyDialog.h"
#include "dialogs/lookups/SourcesDialog.h"

LookupCommands::LookupCommands(DictionaryDialog &dictionary, EtymologyDialog &etymology, SourcesDialog &sources)
    : m_dictionary(dictionary)
    , m_etymology(etymology)
    , m_sources(sources)
{
}

void LookupCommands::showTranslations()
{
    m_dictionary.showLookup();
}

void LookupCommands::showEtymology()
{
    m_etymology.showLookup();
}

void LookupCommands::showSources()
{
    m_sources.showLookup();
}
