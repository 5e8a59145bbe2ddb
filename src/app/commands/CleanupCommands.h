#pragma once

#include "wikitext/EditorState.h"

#include <QObject>

class EditorAdapter;
class RegEx;

// The clean-up items of the "תיקון" submenu and Unify: each runs its text operation
// on the editor with the shared regular-expression object and applies the result as
// one edit.
class CleanupCommands : public QObject
{
    Q_OBJECT

public:
    CleanupCommands(EditorAdapter &editor, RegEx &regEx);

    void fixSpaces();
    void fixPunctuation();
    void unify();

private:
    EditorAdapter &m_editor;
    RegEx &m_regEx;
};
