#include "entry/EntryText.h"

#include <utility>

namespace EntryText {

namespace {

bool below33(QChar c)
{
    return c.unicode() < 33;
}

bool isSpaceOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Whether three equals signs at least stand next to `from`, past spaces, going by
// `step`; and where the last of them is.
std::pair<bool, qsizetype> equalsRun(const QString &text, qsizetype from, int step)
{
    qsizetype i = from;
    while (i >= 0 && i < text.size() && isSpaceOrTab(text.at(i)))
        i += step;
    const qsizetype equalsFrom = i;
    while (i >= 0 && i < text.size() && text.at(i) == u'=')
        i += step;
    return {(i - equalsFrom) * step >= 3, i - step};
}

} // namespace

QString trim(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && below33(text.at(start)))
        ++start;
    while (end > start && below33(text.at(end - 1)))
        --end;
    return text.sliced(start, end - start).toString();
}

int countOccurrences(QStringView sub, QStringView text)
{
    if (sub.isEmpty() || text.isEmpty())
        return 0;
    int count = 0;
    for (qsizetype at = text.indexOf(sub); at >= 0; at = text.indexOf(sub, at + sub.size()))
        ++count;
    return count;
}

QString extractField(QStringView text, QStringView delimiter, int n)
{
    if (n < 1)
        return {};
    if (delimiter.isEmpty())
        return n == 1 ? text.toString() : QString();
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype at = text.indexOf(delimiter, start);
        if (at < 0)
            return {};
        start = at + delimiter.size();
    }
    const qsizetype at = text.indexOf(delimiter, start);
    return text.sliced(start, (at < 0 ? text.size() : at) - start).toString();
}

bool endsInComment(QStringView line, bool inComment)
{
    for (qsizetype at = 0;;) {
        at = line.indexOf(inComment ? u"-->" : u"<!--", at);
        if (at < 0)
            return inComment;
        at += inComment ? 3 : 4;
        inComment = !inComment;
    }
}

qsizetype commentEnd(const QString &text, qsizetype at)
{
    const qsizetype open = text.lastIndexOf(QStringLiteral("<!--"), at);
    if (open < 0)
        return -1;
    const qsizetype close = text.indexOf(QStringLiteral("-->"), open + 4);
    return close >= at ? close + 3 : -1;
}

QString withoutNotes(const QString &line)
{
    if (!line.contains(QStringLiteral("<!--")))
        return line;
    QString shown;
    bool inComment = false;
    for (qsizetype at = 0; at < line.size();) {
        const qsizetype next = line.indexOf(inComment ? QStringLiteral("-->") : QStringLiteral("<!--"), at);
        if (!inComment)
            shown += QStringView(line).sliced(at, (next < 0 ? line.size() : next) - at);
        if (next < 0)
            break;
        at = next + (inComment ? 3 : 4);
        inComment = !inComment;
    }
    return shown;
}

qsizetype indexOutsideNotes(const QString &text, const QString &needle, qsizetype from, qsizetype probe)
{
    qsizetype at = text.indexOf(needle, from);
    for (qsizetype end = at < 0 ? -1 : commentEnd(text, at + probe); end >= 0;
         end = at < 0 ? -1 : commentEnd(text, at + probe))
        at = text.indexOf(needle, end);
    return at;
}

qsizetype sectionHeadingAt(const QString &text, const QString &heading, qsizetype from)
{
    qsizetype level = 0;
    while (level < heading.size() && heading.at(level) == u'=')
        ++level;
    const QString name = heading.sliced(level, heading.size() - 2 * level);
    for (qsizetype at = indexOutsideNotes(text, name, from); at >= 0; at = indexOutsideNotes(text, name, at + 1)) {
        const auto [opened, start] = equalsRun(text, at - 1, -1);
        if (opened && start >= from && equalsRun(text, at + name.size(), 1).first)
            return start;
    }
    return -1;
}

} // namespace EntryText
