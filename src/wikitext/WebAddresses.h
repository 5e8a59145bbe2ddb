#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

// The program's own encoder for Hebrew queries: letters, points and a few marks
// become their UTF-8 bytes in lower-case hex, a space becomes "+", ASCII letters
// and [ \ ] ^ _ ` are copied, everything else (digits included) is dropped. The
// result holds ASCII characters only.
QString PercentEncodeHebrew(const QString &text);

// The current UTC time as "yyyymmddhhmmss", the wiki's own timestamp form.
QString FormatWikiTimestamp();
QString FormatWikiTimestamp(const QDateTime &time);

// Where the current time comes from; tests set a clock of their own (an empty
// function restores the system clock).
namespace WikiClock {
QDateTime nowUtc();
void setForTesting(std::function<QDateTime()> clock);
} // namespace WikiClock

// What a click of the jump button does; the values are its picture slots.
enum class JumpKind { Read = 23, RecentChanges = 24, Edit = 25 };

// The jump box text q: empty -> recent changes; "=" and a word -> the edit form
// of the word; anything else -> the page q.
JumpKind JumpKindFor(const QString &query);

// The hints shown as the jump box changes.
struct JumpHints
{
    QString jump;      // the jump button
    QString wikipedia; // the menu items, empty while the box is empty
    QString google;
    QString commons;
};
JumpHints JumpHintsFor(const QString &query);

// A leading namespace abbreviation ("ק:", "ת:" ...) of the jump box written out,
// and the caret right after the full namespace. Nothing when the text does not
// start with one.
struct NamespaceExpansion
{
    QString text;
    int caret = 0;
};
std::optional<NamespaceExpansion> ExpandNamespacePrefix(const QString &text);

// The address a click of the jump button opens for the box text `query` (the
// recent changes without a start time when the box is empty).
QString JumpAddress(const QString &query);

// The recent changes of the wiki, listed from `lastVisit` when the time is kept
// and one has been stored.
QString RecentChangesAddress(bool keepTime, const QString &lastVisit);

// Wikipedia in English for a query starting with a Latin letter, else in Hebrew;
// the vowel points are dropped. Empty for an empty source.
QString WikipediaAddress(const QString &source);
QString GoogleAddress(const QString &query);
QString CommonsSearchAddress(const QString &query);
