#pragma once

#include "wikitext/EditorState.h"

#include <QString>

class RegEx;

// The skeletons of a well-formed entry and the commands that put them into the editor.
namespace Templates {

// A new entry: headword heading, grammar box, image, one definition, the sections.
extern const QString Article;
// A new verb: its own heading and grammar box, then the same body as Article.
extern const QString Verb;
// The note for a word that has another meaning.
extern const QString AnotherMeaningNote;

// Placeholders of the Arabic and Russian translation lines of both skeletons.
extern const QString ArabPlaceholder;
extern const QString RussianPlaceholder;
// The Arabic and Russian sample words a new entry's translations start with.
extern const QString ArabSampleWord;
extern const QString RussianSampleWord;

// The skeleton with every placeholder replaced by the sample words.
QString withSampleWords(const QString &skeleton, const QString &arabWord = ArabSampleWord,
                        const QString &russianWord = RussianSampleWord);

// A new document: the skeleton with the sample words, caret after the leading "==".
EditorState newArticle(const QString &arabWord = ArabSampleWord, const QString &russianWord = RussianSampleWord);
EditorState newVerb(const QString &arabWord = ArabSampleWord, const QString &russianWord = RussianSampleWord);
// A new root page starts empty; the verb dialog fills it.
EditorState newRoot();

// Appends a blank line and the skeleton, placeholders kept, caret after the new "==".
EditorState addArticle(const EditorState &state);
EditorState addVerb(const EditorState &state);

// Puts the note in front; the caret stands where the present entry's name goes.
EditorState anotherMeaning(const EditorState &state);

// A contents template built from the pointed headings (HeadingMatches::headwordPattern()),
// put in front of the text in place of an earlier one. Without any pointed heading the
// text comes back unchanged.
QString buildTableOfContents(RegEx &regex, const QString &text);
// The same for the editor: the caret ends at the start when the text changed.
EditorState buildTableOfContents(RegEx &regex, const EditorState &state);

} // namespace Templates
