#pragma once

#include <QString>

// A sentence as the fields of the sentences dialog describe it.
struct NewSentence
{
    enum class Kind { Plain, Sources, Literature };

    QString definition{}; // the definition number; "1" when left empty
    Kind kind = Kind::Plain;
    QString placement{};        // EntryStructure::BesideDefinition or SeparateSection
    QString text{};             // the sentence
    QString source{};           // from the classical sources: where it stands
    QString work{};             // from literature: the title of the work
    QString author{};           // from literature: who wrote it
    bool wikipediaLink = false; // the author as a link to Wikipedia
};

namespace Sentences {

// The wiki line for a new sentence; empty when a field its kind needs is empty. The
// work of a literature sentence links to the address on the clipboard when that is
// an address of Project Ben-Yehuda.
QString buildLine(const NewSentence &sentence, const QString &clipboard);

// The clipboard's text as one line for the sentence field: its line breaks become
// " / ", with none at the very end.
QString pastedSentence(const QString &clipboard);

// The Hebrew Wikipedia article about an author; empty when no name is left.
QString authorAddress(const QString &author);

// The kind's name in the dialog's list.
QString kindName(NewSentence::Kind kind);

} // namespace Sentences
