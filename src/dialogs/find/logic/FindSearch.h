#pragma once

#include "wikitext/EditorState.h"

#include <QString>

class RegEx;

// Plain ignores the vowel points of the text, Regex takes the query as a pattern,
// Root finds words built on the letters of a Hebrew root.
enum class FindMode { Plain, Regex, Root };

namespace FindMessages {
extern const QString EmptyText; // "לא נמצא!" and a right-to-left mark
extern const QString NotFound;  // "לא נמצא." and a right-to-left mark
} // namespace FindMessages

struct FindResult
{
    enum class Outcome { Found, EmptyText, NotFound, BadPattern };
    Outcome outcome = Outcome::NotFound;
    EditorState state; // the match selected when found, otherwise as it was
    QString message;   // what to show the user unless found
};

struct RepeatResult
{
    enum class Outcome { ShowDialog, Found, Nothing, BadPattern };
    Outcome outcome = Outcome::Nothing;
    EditorState state;
    QString message;
};

namespace FindSearch {

// The pattern the find dialog hands to the regular-expression object.
QString buildPattern(const QString &query, FindMode mode);

// What the shared regular-expression object reports after a failed compile or a
// match that ran away, in Hebrew, on one line; empty while it is well.
QString failureMessage(const RegEx &regEx);

// The "חפש" button: searches the whole text from its start and selects the first
// match, located in the text by the matched text. `lastFindQuery` takes the query
// unless the text is empty. The object keeps its state for the repeats. A pattern
// that does not compile is reported before an empty text is.
FindResult findFirst(RegEx &regEx, const EditorState &state, const QString &query, FindMode mode,
                     QString &lastFindQuery);

// Ctrl+F: the object's next match in the subject it holds, selected where its text
// next occurs after the current selection. Without a selection or an earlier
// search it asks for the dialog; without a further match nothing happens.
RepeatResult findNext(RegEx &regEx, const EditorState &state, const QString &lastFindQuery);

} // namespace FindSearch
