#pragma once

#include <QObject>

class DictionaryDialog;
class EtymologyDialog;
class SourcesDialog;

// The tools menu's lookups in outside dictionaries, etymology sites and the
// classical sources: each shows its window without blocking the editor, or brings
// it to the front.
class LookupCommands : public QObject
{
    Q_OBJECT

public:
    LookupCommands(DictionaryDialog &dictionary, EtymologyDialog &etymology, SourcesDialog &sources);

    void showTranslations();
    void showEtymology();
    void showSources();

private:
    DictionaryDialog &m_dictionary;
    EtymologyDialog &m_etymology;
    SourcesDialog &m_sources;
};
