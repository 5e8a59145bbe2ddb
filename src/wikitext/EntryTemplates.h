#pragma once

#include "wikitext/EditorState.h"

#include <QString>

class RegEx;

// The skeletons of a well-formed entry and the commands that put them into the editor.

// A new entry: headword heading, grammar box, image, one definition, the sections.
extern const QString Templates::Article;
// A new verb: its own heading and grammar box, then the same body as Templates::Article.
extern const QString Templates::Verb;
// The note for a word that has another meaning.
extern const QString Templates::AnotherMeaningNote;

// Placeholders of the Arabic and Russian translation lines of both skeletons.
extern const QString Templates::ArabPlaceholder;
extern const QString Templates::RussianPlaceholder;
// The captions of the main window's hidden labels ArabLabel and RussianLabel.
extern const QString Templates::ArabSampleWord;
extern const QString Templates::RussianSampleWord;

// The skeleton with every placeholder replaced by the sample words.
QString Templates::withSampleWords(const QString &skeleton, const QString &arabWord = Templates::ArabSampleWord,
                        const QString &russianWord = Templates::RussianSampleWord);

// A new document: the skeleton with the sample words, caret after the leading "==".
EditorState Templates::newArticle(const QString &arabWord = Templates::ArabSampleWord, const QString &russianWord = Templates::RussianSampleWord);
EditorState Templates::newVerb(const QString &arabWord = Templates::ArabSampleWord, const QString &russianWord = Templates::RussianSampleWord);
// A new root page starts empty; the verb dialog fills it.
EditorState Templates::newRoot();

// Appends a blank line and the skeleton, placeholders kept, caret after the new "==".
EditorState Templates::addArticle(const EditorState &state);
EditorState Templates::addVerb(const EditorState &state);

// Puts the note in front; the caret stands where the present entry's name goes.
EditorState Templates::anotherMeaning(const EditorState &state);

// The pattern of a headword heading: a letter and later a point between "==" and "==".
QString HeadingMatches::headwordPattern();

// A contents template built from the pointed headings, put in front of the text in
// place of an earlier one. Without any pointed heading the text comes back unchanged,
// and so it does when the engine gives up on the text (regex.failed() tells).
QString Templates::buildTableOfContents(RegEx &regex, const QString &text);
// The same for the editor: the caret ends at the start when the text changed.
EditorState Templates::buildTableOfContents(RegEx &regex, const EditorState &state);
