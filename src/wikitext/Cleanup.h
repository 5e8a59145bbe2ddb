#pragma once

#include "wikitext/EditorState.h"

class RegEx;

// The two clean-up commands of the "תיקון" menu as text operations. Each runs its
// patterns over the text as it was at the start and replaces, for every match in
// order, the first occurrence of the matched text in the working copy. The results
// are those of doing exactly that, reached without searching the working copy from
// the start for every match. A command that changes the text leaves the caret at
// the start; one whose patterns find nothing returns the state unchanged.

namespace Cleanup {

// Trailing white space of lines, and runs of two or more empty lines made into one.
EditorState fixSpaces(RegEx &regex, const EditorState &state);

// A space after punctuation that lacks one, and the maqaf for a hyphen after a
// Hebrew letter or point.
EditorState fixPunctuation(RegEx &regex, const EditorState &state);

// The patterns, exactly as the commands use them.
const QString &lineEndSpacePattern();
const QString &emptyLineRunPattern();
const QString &missingSpacePattern();
const QString &letterHyphenPattern();

} // namespace Cleanup
