#pragma once

#include <QString>

// Why a wiki operation did not go through, each case with its own Hebrew message.
struct WikiError
{
    enum Kind {
        None,
        EditConflict,  // the page changed on the wiki since its base revision
        PageDeleted,   // the page was deleted since it was opened
        PageMissing,   // there is no such page to read
        BadTitle,      // the wiki does not accept the title
        Protected,     // the user may not edit the page
        WrongPassword, // the user name or bot password was refused
        Blocked,       // the user is blocked from editing
        RateLimited,   // too many edits; still refused after the retries
        Lagged,        // the wiki's database lags; still so after the retries
        NoChange,      // the text is the page's text already (after NFC)
        Damaged,       // the text's MD5 did not match when it arrived
        LoggedOut,     // the session ended; nothing was saved anonymously
        NoNetwork,     // the server cannot be reached
        NotMediaWiki,  // something answered, but not a MediaWiki API
        TimedOut,      // the server did not answer in time
        Cancelled,     // the user cancelled
        Refused,       // any other refusal, with the wiki's own words
    };

    Kind kind = None;
    QString title;       // the page concerned, where there is one
    QString detail;      // the wiki's error code and text, or the network's reason
    qint64 revision = 0; // for a conflict: the page's current revision, when known

    bool ok() const { return kind == None; }
    // Failures where the server was never really reached.
    bool unreachable() const { return kind == NoNetwork || kind == TimedOut || kind == NotMediaWiki; }
    QString message() const;
};
