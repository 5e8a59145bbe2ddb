#include "wikitext/EditorState.h"

EditorState replaceSelection(const EditorState &state, const QString &insert)
{
    EditorState result;
    result.text = state.text.left(state.selStart) + insert + state.text.mid(state.selEnd());
    result.selStart = state.selStart + int(insert.size());
    result.selLength = 0;
    return result;
}
