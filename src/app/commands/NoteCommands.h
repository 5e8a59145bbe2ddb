#pragma once

#include "wikitext/EditorState.h"

#include <QObject>

class EditorAdapter;
class FootnotesDialog;
class RegEx;

// The footnote item of "&הוספה" and the reference renumbering of "תיקון", handed the
// editor, the shared regular-expression object and the footnotes window.
class NoteCommands : public QObject
{
    Q_OBJECT

public:
    NoteCommands(EditorAdapter &editor, RegEx &regEx, FootnotesDialog &footnotesDialog);
    ~NoteCommands() override;

    // Shows the footnotes window when the text has a definition line to note.
    void footnote();
    void fixReferences();

private:
    // The first character of the first line the editor shows.
    int viewStart() const;
    // Puts the added footnote into the editor with the earlier view back in place.
    void applyFootnote(const EditorState &result, int viewStart);

    EditorAdapter &m_editor;
    RegEx &m_regEx;
    FootnotesDialog &m_footnotesDialog;
};
