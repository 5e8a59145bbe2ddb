#pragma once

#include "wikitext/EditorState.h"

class RegEx;

// Moves the sentences of each entry's old "===משפטים לדוגמה===" section under the
// definition lines they name with "(n)", as example lines "#:* …", and removes the
// section. Every entry of the page is handled on its own, by position: its own
// section is removed and the sentences go under its own definition lines. A
// sentence that names no definition line of its entry goes under the first one.
// When an entry changes the caret ends at the start; otherwise, or when the engine
// gave up matching (regex.failed() then tells), the state is returned unchanged.
EditorState UnifyClick(RegEx &regex, const EditorState &state);

// The entry heading pattern of the command: the 22 letters, no finals.
extern const QString UnifyHeadingPattern;
