#pragma once

#include "wikitext/EditorState.h"

namespace EditorKeys {

// A vowel point from its toolbar button or key: it replaces the selection and the
// caret ends after it.
EditorState insertVowelPoint(const EditorState &state, QChar point);

// Tab in the editor: "::" (a deeper indent in wiki text) replaces the selection.
EditorState insertTab(const EditorState &state);

// Shift+Insert: the clipboard text as one quotation line "#:* "…" ([", its line
// breaks turned into " / ". On a line that already holds text the quotation
// starts a line of its own.
EditorState pasteQuotation(const EditorState &state, const QString &clipboard);

} // namespace EditorKeys
