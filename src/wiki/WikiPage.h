#pragma once

#include <QString>

// A page of the wiki as the editor remembers it: what a save builds on. The client's
// reads and saves give it back, and the document keeps it beside its file.
struct WikiPage
{
    QString title;               // as the wiki writes it, after its own normalisation
    qint64 revision = 0;         // the revision the text is based on; 0 when there was no page
    QString revisionTimestamp{}; // that revision's time, ISO 8601 (the edit's basetimestamp)
    QString startTimestamp{};    // the wiki's time when the text was read (starttimestamp)

    bool operator==(const WikiPage &) const = default;
};
