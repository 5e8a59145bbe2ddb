#pragma once

#include "wikitext/EditorState.h"

#include <QString>

class RegEx;

// The skeletons of a well-formed entry and the commands that put them into the editor.

// A new entry: headword heading, grammar box, image, one definition, the sections.
extern const QString ArticleTemplate;
// A new verb: its own heading and grammar box, then the same body as ArticleTemplate.
extern const QString VerbTemplate;
// The note for a word that has another meaning.
extern const QString AnotherMeaningNote;

// Placeholders of the Arabic and Russian translation lines of both skeletons.
extern const QString ArabPlaceholder;
extern const QString RussianPlaceholder;
// The captions of the main window's hidden labels ArabLabel and RussianLabel.
extern const QString ArabSampleWord;
extern const QString RussianSampleWord;

// The skeleton with every placeholder replaced by the sample words.
QString WithSampleWords(const QString &skeleton, const QString &arabWord = ArabSampleWord,
                        const QString &russianWord = RussianSampleWord);

// A new document: the skeleton with the sample words, caret after the leading "==".
EditorState NewArticle(const QString &arabWord = ArabSampleWord, const QString &russianWord = RussianSampleWord);
EditorState NewVerb(const QString &arabWord = ArabSampleWord, const QString &russianWord = RussianSampleWord);
// A new root page starts empty; the verb dialog fills it.
EditorState NewRoot();

// Appends a blank line and the skeleton, placeholders kept, caret after the new "==".
EditorState AddArticle(const EditorState &state);
EditorState AddVerb(const EditorState &state);

// Puts the note in front; the caret stands where the present entry's name goes.
EditorState AnotherMeaning(const EditorState &state);

// The pattern of a headword heading: a letter and later a point between "==" and "==".
QString HeadwordHeadingPattern();

// A contents template built from the pointed headings, put in front of the text in
// place of an earlier one. Without any pointed heading the text comes back unchanged,
// and so it does when the engine gives up on the text (regex.failed() tells).
QString BuildTableOfContents(RegEx &regex, const QString &text);
// The same for the editor: the caret ends at the start when the text changed.
EditorState BuildTableOfContents(RegEx &regex, const EditorState &state);
