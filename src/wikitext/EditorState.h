#pragma once

#include <QString>

// The editor as every command sees it: the whole text with CR LF line breaks and
// the selection, all counted in UTF-16 code units.
struct EditorState
{
    QString text;
    int selStart = 0;
    int selLength = 0;

    int selEnd() const { return selStart + selLength; }
    QString selectedText() const { return text.mid(selStart, selLength); }

    friend bool operator==(const EditorState &a, const EditorState &b)
    {
        return a.text == b.text && a.selStart == b.selStart && a.selLength == b.selLength;
    }
    friend bool operator!=(const EditorState &a, const EditorState &b) { return !(a == b); }
};

// Replaces the selection with `insert` and leaves the caret after it.
EditorState replaceSelection(const EditorState &state, const QString &insert);
