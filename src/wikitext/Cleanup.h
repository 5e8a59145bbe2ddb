#pragma once

#include "wikitext/EditorState.h"

class RegEx;

// The two clean-up commands of the "תיקון" menu as text operations. Each runs its
// patterns over the text as it was at the start and replaces, for every match in
// order, the first occurrence of the matched text in the working copy. The results
// are those of doing exactly that, reached without searching the working copy from
// the start for every match. A command that changes the text leaves the caret at
// the start; one whose patterns find nothing returns the state unchanged.

// Trailing white space of lines, and runs of two or more empty lines made into one.
EditorState FixSpacesClick(RegEx &regex, const EditorState &state);

// A space after punctuation that lacks one, and the maqaf for a hyphen after a
// Hebrew letter or point.
EditorState PunctuationClick(RegEx &regex, const EditorState &state);

// The patterns, exactly as the commands use them.
extern const QString LineEndSpacePattern;
extern const QString EmptyLineRunPattern;
extern const QString MissingSpacePattern;
extern const QString LetterHyphenPattern;
