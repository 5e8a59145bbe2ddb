#include "check/EntryCheck.h"

#include "check/EntryFindings.h"
#include "wikitext/WikiSyntax.h"

#include <algorithm>
#include <array>
#include <climits>

namespace EntryCheck {

QString codeName(Code code)
{
    static const char *const names[] = {
        "template-unclosed",  "template-unopened",      "link-unclosed",          "link-unopened",
        "tag-unclosed",       "reference-without-note", "note-without-reference", "reference-order",
        "section-order",      "section-unknown",        "section-duplicate",      "section-empty",
        "definition-missing", "translation-empty",
    };
    return QString::fromLatin1(names[int(code)]);
}

Mend mendFor(Code code)
{
    return code == Code::ReferenceOrder ? Mend::FixReferences : Mend::None;
}

namespace {

// Tags whose inside the wiki does not read as wiki text.
constexpr std::array<QStringView, 10> HiddenTags{u"nowiki",          u"pre",    u"math",  u"chem",     u"ce",
                                                 u"syntaxhighlight", u"source", u"score", u"timeline", u"graph"};

template <std::size_t N> int indexIn(const std::array<QStringView, N> &names, QStringView name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name.compare(names[i], Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool isAsciiLetterOrDigit(QChar c)
{
    return c.unicode() < 128 && c.isLetterOrNumber();
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c.unicode() == 0x2028 || c.unicode() == 0x2029;
}

// The pass: brackets, links and tags are followed on stacks as they come, hidden
// parts are skipped by looking for their end once, and each entry is judged as the
// next heading (or the end) closes it.
class Checker
{
public:
    Checker(RegEx &regex, const QString &text)
        : m_text(text)
        , m_size(int(text.size()))
        , m_findings(regex, text)
    {
        m_hiddenCloseFailed.fill(INT_MAX);
    }

    Result run()
    {
        int start = 0;
        for (;;) {
            int end = start;
            while (end < m_size && !isLineBreak(m_text[end]))
                ++end;
            line(start, end);
            if (end >= m_size)
                break;
            start = end + (m_text[end] == u'\r' && end + 1 < m_size && m_text[end + 1] == u'\n' ? 2 : 1);
        }
        m_findings.endEntry(m_size);
        return m_findings.result(m_lineStarts);
    }

private:
    QStringView view(int from, int to) const { return QStringView(m_text).sliced(from, to - from); }

    void line(int start, int end)
    {
        m_lineStarts.append(start);
        m_lineContent = false;
        bool heading = false;
        int from = start;
        if (m_hiddenUntil > start)
            from = std::min(m_hiddenUntil, end);
        else
            from = lineStart(start, end, &heading);
        scan(from, end);
        if (m_lineContent && !heading)
            m_findings.entry().markContent();
        // A line break inside a hidden note is no end of a link.
        if (m_hiddenUntil <= end) {
            for (int at : std::as_const(m_links))
                m_findings.report(Code::LinkUnclosed, at, 2, EntryFindings::linkUnclosed(name(at + 2, end)));
            m_links.clear();
        }
    }

    // Headings, definition lines and table lines; returns where the scan starts.
    int lineStart(int start, int end, bool *heading)
    {
        const QStringView l = view(start, end);
        Entry &entry = m_findings.entry();
        if (l.startsWith(u'=')) {
            const WikiSyntax::HeadingLine h = WikiSyntax::headingLine(l);
            if (h.level == 2) {
                *heading = true;
                m_findings.startEntry(start, end, view(start + h.nameStart, start + h.nameEnd).trimmed().toString());
                m_links.clear();
            } else if (h.level > 2) {
                *heading = true;
                entry.addSection(h.level, start, end - start,
                                 view(start + h.nameStart, start + h.nameEnd).trimmed().toString());
            }
            return start;
        }
        if (l.startsWith(u'#')) {
            qsizetype marks = 1;
            while (marks < l.size() && l[marks] == u'#')
                ++marks;
            if (marks < l.size() && !QStringView(u":*;").contains(l[marks]) && !l.sliced(marks).trimmed().isEmpty())
                entry.markDefinition();
            return start;
        }
        qsizetype lead = 0;
        while (lead < l.size() && (l[lead] == u' ' || l[lead] == u'\t'))
            ++lead;
        const QStringView rest = l.sliced(lead);
        if (rest.startsWith(u"{|")) {
            ++entry.tables;
            return start + int(lead) + 2;
        }
        if (entry.tables > 0 && rest.startsWith(u"|}")) {
            --entry.tables;
            return start + int(lead) + 2;
        }
        return start;
    }

    void scan(int i, int end)
    {
        const QChar *s = m_text.constData();
        while (i < end) {
            const char16_t c = s[i].unicode();
            const bool pair = i + 1 < end && s[i + 1] == s[i];
            if (c > u' ' && c != u'<')
                m_lineContent = true;
            if (c == u'{' && pair) {
                m_findings.entry().openTemplate(i);
            } else if (c == u'}' && pair) {
                m_findings.closeTemplate(i);
            } else if (c == u'[' && pair) {
                m_links.append(i);
            } else if (c == u']' && pair) {
                if (m_links.isEmpty())
                    m_findings.report(Code::LinkUnopened, i, 2, EntryFindings::linkUnopened());
                else
                    m_links.removeLast();
            } else if (c == u'|') {
                m_findings.entry().pipe(i, m_links.isEmpty() ? -1 : m_links.last());
                ++i;
                continue;
            } else if (c == u'<') {
                const int next = tag(i, end);
                i = next > i ? next : i + 1;
                continue;
            } else {
                ++i;
                continue;
            }
            i += 2;
        }
    }

    // A tag or hidden note at `i`: returns where the scan goes on, `i` when there is
    // none. A hidden part may end on a later line (m_hiddenUntil then says where).
    int tag(int i, int end)
    {
        const QStringView rest = view(i, end);
        if (rest.startsWith(u"<!--")) {
            const int close = find(u"-->", i + 4, &m_commentCloseFailed);
            if (close < 0) {
                // Read on as text: what follows is still worth checking.
                m_lineContent = true;
                m_findings.report(Code::TagUnclosed, i, 4, EntryFindings::commentUnclosed());
                return i + 4;
            }
            m_hiddenUntil = close + 3;
            return m_hiddenUntil;
        }
        const bool closing = rest.size() > 1 && rest[1] == u'/';
        const int nameAt = i + 1 + int(closing);
        int nameEnd = nameAt;
        while (nameEnd < end && isAsciiLetterOrDigit(m_text[nameEnd]))
            ++nameEnd;
        if (nameEnd == nameAt
            || (nameEnd < end && m_text[nameEnd] != u'>' && m_text[nameEnd] != u'/' && !m_text[nameEnd].isSpace()))
            return i;
        const int greater = nextGreater(nameEnd);
        if (greater < 0 || greater >= end)
            return i;
        m_lineContent = true;
        const QStringView name = view(nameAt, nameEnd);
        const bool selfClosing = m_text[greater - 1] == u'/';
        if (const int hidden = indexIn(HiddenTags, name); hidden >= 0 && !closing && !selfClosing) {
            // Never closed, the wiki shows the tag as text.
            const int after = hiddenEnd(hidden, greater + 1);
            if (after < 0)
                return greater + 1;
            m_hiddenUntil = after;
            return after;
        }
        if (const int tracked = indexIn(TrackedTags, name); tracked >= 0) {
            QList<Entry::OpenTag> &open = m_findings.entry().tags[tracked];
            if (!closing && !selfClosing)
                open.append({i, greater + 1 - i});
            else if (closing && !open.isEmpty())
                open.removeLast();
        }
        return greater + 1;
    }

    // The next ">" at or after `from`; `from` never goes back, so the text is read once.
    int nextGreater(int from)
    {
        if (m_greater < from) {
            m_greater = int(m_text.indexOf(u'>', from));
            if (m_greater < 0)
                m_greater = m_size;
        }
        return m_greater < m_size ? m_greater : -1;
    }

    // Where `what` first stands at or after `from`, or -1; a search that found nothing
    // is remembered, so that many openings without an end do not read on each time.
    int find(QStringView what, int from, int *failedFrom, Qt::CaseSensitivity cs = Qt::CaseSensitive)
    {
        if (from >= *failedFrom)
            return -1;
        const int at = int(m_text.indexOf(what, from, cs));
        if (at < 0)
            *failedFrom = from;
        return at;
    }

    // Behind the closing tag of the hidden tag `index`, or -1 when there is none.
    int hiddenEnd(int index, int from)
    {
        const QString closing = QStringLiteral("</") + HiddenTags[index].toString();
        int at = from;
        while ((at = find(closing, at, &m_hiddenCloseFailed[index], Qt::CaseInsensitive)) >= 0) {
            const int after = at + int(closing.size());
            if (after < m_size && !isAsciiLetterOrDigit(m_text[after])) {
                const int greater = int(m_text.indexOf(u'>', after));
                if (greater >= 0)
                    return greater + 1;
                m_hiddenCloseFailed[index] = from;
                return -1;
            }
            at = after;
        }
        return -1;
    }

    // A short name for a message: the text from `from` up to the first mark.
    QString name(int from, int end) const
    {
        int e = from;
        while (e < end && e - from < 40 && !QStringView(u"|{}[]<").contains(m_text[e]))
            ++e;
        return EntryFindings::shortName(view(from, e));
    }

    const QString &m_text;
    const int m_size;
    EntryFindings m_findings;
    QList<int> m_lineStarts;
    QList<int> m_links; // the "[[" open on this line
    int m_hiddenUntil = 0;
    int m_greater = -1;
    int m_commentCloseFailed = INT_MAX;
    std::array<int, HiddenTags.size()> m_hiddenCloseFailed{};
    bool m_lineContent = false;
};

} // namespace

Result check(RegEx &regex, const QString &text)
{
    return Checker(regex, text).run();
}

} // namespace EntryCheck
