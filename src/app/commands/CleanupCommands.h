#pragma once

#include "wikitext/EditorState.h"

#include <QObject>

class RegEx;
class TForm1;

// The clean-up items of the "תיקון" submenu (FixSpaces, Punctuation) and Unify of
// the main window: each runs its text operation on the editor with the main
// window's regular-expression object and applies the result as one edit.
class CleanupCommands : public QObject
{
    Q_OBJECT

public:
    explicit CleanupCommands(TForm1 &form);

    void FixSpacesClick();
    void PunctuationClick();
    void UnifyClick();

private:
    void run(EditorState (*command)(RegEx &, const EditorState &));

    TForm1 &m_form;
};
