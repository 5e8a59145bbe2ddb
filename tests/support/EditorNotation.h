#pragma once

#include "wikitext/EditorState.h"

#include <QString>

// Editor states written as one string, so that a table row reads like the editor:
// "‸" is the caret, "⟦" and "⟧" enclose the selection, "¶" is a CR LF.
namespace EditorNotation {

inline EditorState parse(QString written)
{
    written.replace(QStringLiteral("¶"), QStringLiteral("\r\n"));
    EditorState state;
    const qsizetype caret = written.indexOf(QStringLiteral("‸"));
    if (caret >= 0) {
        state.selStart = int(caret);
        written.remove(caret, 1);
    } else {
        const qsizetype open = written.indexOf(QStringLiteral("⟦"));
        const qsizetype close = written.indexOf(QStringLiteral("⟧"));
        if (open >= 0 && close > open) {
            state.selStart = int(open);
            state.selLength = int(close - open - 1);
            written.remove(close, 1);
            written.remove(open, 1);
        }
    }
    state.text = written;
    return state;
}

inline QString write(const EditorState &state)
{
    QString written = state.text;
    if (state.selLength > 0) {
        written.insert(state.selEnd(), QStringLiteral("⟧"));
        written.insert(state.selStart, QStringLiteral("⟦"));
    } else {
        written.insert(state.selStart, QStringLiteral("‸"));
    }
    written.replace(QStringLiteral("\r\n"), QStringLiteral("¶"));
    return written;
}

} // namespace EditorNotation
