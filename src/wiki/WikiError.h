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
        BadAnswer,     // the answer lacks what it must hold, or contradicts the request
        ServerError,   // an HTTP status of failure, whatever the body says
        Redirected,    // sent to another scheme, host or port, which is never followed
        TimedOut,      // the server did not answer in time
        Cancelled,     // the user cancelled
        Refused,       // any other refusal, with the wiki's own words
        Blank,         // an empty text would empty the page; refused unless allowed
    };

    Kind kind = None;
    QString title;       // the page concerned, where there is one
    QString detail;      // the wiki's error code and text, or the network's reason
    qint64 revision = 0; // for a conflict: the page's current revision, when known
    // The edit had been sent, and no answer says whether the wiki took it.
    bool maybeSaved = false;

    bool ok() const { return kind == None; }
    // Failures where no answer of the wiki's could be believed: nothing reached it, or
    // what came back was not its answer.
    bool unreachable() const
    {
        return kind == NoNetwork || kind == TimedOut || kind == NotMediaWiki || kind == BadAnswer || kind == ServerError
            || kind == Redirected;
    }
    QString message() const;
};
