#pragma once

#include "dialogs/sentences/logic/SentenceLines.h"
#include "dialogs/sentences/logic/SentenceRows.h"
#include "entry/EntryStructure.h"
#include "wikitext/EditorState.h"

class RegEx;

// What the sentences dialog read from the entry under the caret, and its two tables.
struct EntrySentences
{
    QString readText;   // the editor text the entry was read from
    EntryExamples read; // where the entry and its blocks were, and what they held
    QList<DefinitionItem> definitions;
    QList<ExampleRow> examples;

    // The entry has a definitions block to write back into.
    bool hasDefinitionsBlock() const { return !read.definitionsSpan.isNull(); }
};

struct SentencesWriteBack
{
    enum Status {
        Written,
        NotFound,    // what was read is no longer in the text; nothing changed
        EngineGaveUp // the clean-up's patterns gave up; nothing changed
    };
    Status status = Written;
    EditorState state; // the new editor state when written
};

namespace Sentences {

// Why nothing was written, when what the dialog read is gone from the text.
inline const QString NotFoundMessage = QStringLiteral(
    "לא ניתן לעדכן את הערך: ההגדרות או המובאות שנקראו בפתיחת החלון אינן מופיעות עוד בטקסט, כנראה משום ששונו "
    "בינתיים. הטקסט לא שונה, והמשפטים נשארו ברשימה.");

// The editor has no definition line in the entry under the caret: the dialog does not open.
inline const QString NoDefinitionsMessage = QStringLiteral("אין בערך שורת הגדרה שאפשר לשייך אליה משפטים.");

// Reads the entry under the caret into the two tables, the examples in order.
EntrySentences read(RegEx &regex, const EditorState &state);

// Adds a sentence as "הוסף" adds it: an empty definition number, or zero, becomes "1". False,
// and nothing added, when the sentence or a field its kind needs is empty.
bool addSentence(QList<ExampleRow> &rows, NewSentence &sentence, const QString &clipboard);

// Writes the tables back into `current`: the definitions with their sentences, then
// the further-quotes section, created after the definitions or after the entry's
// source or commentators section when there was none, and removed when it is left
// empty. The clean-up of line-end spaces and empty lines runs over the result. What
// was read is found again where it was, or its nearest copy when the text changed
// meanwhile; the caret goes to the start of the definitions.
SentencesWriteBack writeBack(RegEx &regex, const EditorState &current, const EntrySentences &sentences);

} // namespace Sentences
