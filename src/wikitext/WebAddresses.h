#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

// Where the current time comes from; tests set a clock of their own (an empty
// function restores the system clock).
namespace WikiClock {
QDateTime nowUtc();
void setForTesting(std::function<QDateTime()> clock);
} // namespace WikiClock

// What a click of the jump button does; the values are its picture slots.
enum class JumpKind { Read = 23, RecentChanges = 24, Edit = 25 };

// The hints shown as the jump box changes.
struct JumpHints
{
    QString jump;      // the jump button
    QString wikipedia; // the menu items, empty while the box is empty
    QString google;
    QString commons;
};

// A leading namespace abbreviation of the jump box written out, and the caret right
// after the full namespace.
struct NamespaceExpansion
{
    QString text;
    int caret = 0;
};

namespace WebAddresses {

// The program's own encoder for Hebrew queries: letters, points and a few marks
// become their UTF-8 bytes in lower-case hex, a space becomes "+", ASCII letters
// and [ \ ] ^ _ ` are copied, everything else (digits included) is dropped. The
// result holds ASCII characters only.
QString percentEncodeHebrew(const QString &text);

// A title or query value as typed, made safe to put into an address: "%", the
// quotation mark, "&", "#", "?" and "+" become escapes; the rest, Hebrew included,
// is left for the address layer to encode.
QString escapeInAddress(const QString &text);

// The current UTC time as "yyyymmddhhmmss", the wiki's own timestamp form.
QString formatWikiTimestamp();
QString formatWikiTimestamp(const QDateTime &time);

// The jump box text q: empty -> recent changes; "=" and a word -> the edit form
// of the word; anything else -> the page q.
JumpKind jumpKindFor(const QString &query);

JumpHints jumpHintsFor(const QString &query);

// "ק:", "ת:" ... at the start of the jump box written out. Nothing when the text
// does not start with one.
std::optional<NamespaceExpansion> expandNamespacePrefix(const QString &text);

// The address a click of the jump button opens for the box text `query` (the
// recent changes without a start time when the box is empty).
QString jumpAddress(const QString &query);

// The wiki's edit form of a page; characters that would end the title in the
// address are escaped, the rest is left for the address layer.
QString editAddress(const QString &title);

// The recent changes of the wiki, listed from `lastVisit` when the time is kept
// and one has been stored.
QString recentChangesAddress(bool keepTime, const QString &lastVisit);

// Wikipedia in English for a query starting with a Latin letter, else in Hebrew;
// the vowel points are dropped. Empty for an empty source.
QString wikipediaAddress(const QString &source);
QString googleAddress(const QString &query);
QString commonsSearchAddress(const QString &query);

} // namespace WebAddresses
