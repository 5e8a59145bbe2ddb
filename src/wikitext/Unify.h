#pragma once

#include "wikitext/EditorState.h"

class RegEx;

namespace Unify {

// Moves the sentences of each entry's old "===משפטים לדוגמה===" section under the
// definition lines they name with "(n)", as example lines "#:* …", and removes the
// section. Every entry of the page is handled on its own, by position: its own
// section is removed and the sentences go under its own definition lines. A
// sentence that names no definition line of its entry goes under the first one.
// When an entry changes the caret ends at the start; otherwise, or when the engine
// gave up matching (regex.failed() then tells), the state is returned unchanged.
// Entries are found by their headword headings (HeadingMatches::headwordPattern()).
EditorState unify(RegEx &regex, const EditorState &state);

} // namespace Unify
