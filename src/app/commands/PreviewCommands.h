#pragma once

#include <QObject>

class EditorAdapter;
class QuotesDialog;

// The preview on the wiki's edit form (F8) and the literary quotations search, both
// built from the entry in the editor.
class PreviewCommands : public QObject
{
    Q_OBJECT

public:
    PreviewCommands(EditorAdapter &editor, QuotesDialog &quotes);

    // Puts the text on the clipboard and opens the page's edit form.
    void preview();
    // Shows the quotes search with the query of the entry above the caret.
    void showQuotes();

private:
    // The query of the entry above the caret, with its inflections when asked for
    // and the entry has any.
    QString query(bool withInflections) const;

    EditorAdapter &m_editor;
    QuotesDialog &m_quotes;
};
