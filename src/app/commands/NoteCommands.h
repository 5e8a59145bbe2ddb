#pragma once

#include <QObject>

class EditorAdapter;
class FootnotesDialog;
class RegEx;
struct FootnoteRequest;

// The footnote item of "&הוספה" and the reference renumbering of "תיקון", handed the
// editor, the shared regular-expression object and the footnotes window.
class NoteCommands : public QObject
{
    Q_OBJECT

public:
    NoteCommands(EditorAdapter &editor, RegEx &regEx, FootnotesDialog &footnotesDialog);

    // Shows the footnotes window when the text has a definition line to note.
    void footnote();
    // The window's "הוסף": the footnote goes into the text as it stands now, the view
    // put back as it was when the window opened. A refusal is said and changes nothing.
    void addFootnote(const FootnoteRequest &request);
    void fixReferences();

private:
    // The first character of the first line the editor shows.
    int viewStart() const;

    EditorAdapter &m_editor;
    RegEx &m_regEx;
    FootnotesDialog &m_footnotesDialog;
};
