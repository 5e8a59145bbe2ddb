#include "wikitext/WikiSyntax.h"

#include <QString>

#include <algorithm>

namespace WikiSyntax {

namespace {

// Templates deeper than this still count, but come back in their values.
constexpr int KeptLevels = 8;
constexpr int MaxDepth = 15;

// What a line hands to the next, packed into the block state an editor keeps.
struct LineState
{
    int depth = 0;      // open templates
    quint32 inName = 0; // bit n: the template at depth n+1 is still in its name
    quint32 triple = 0; // bit n: it opened with "{{{"
    bool comment = false;
    bool noWiki = false;
    bool code = false;
    bool reference = false;
    bool small = false;
    int tables = 0;

    static LineState unpack(int s)
    {
        LineState st;
        st.depth = s & 0xF;
        st.inName = (s >> 4) & 0xFF;
        st.triple = (s >> 12) & 0xFF;
        st.comment = s & (1 << 20);
        st.noWiki = s & (1 << 21);
        st.code = s & (1 << 22);
        st.reference = s & (1 << 23);
        st.small = s & (1 << 24);
        st.tables = (s >> 25) & 0x3;
        return st;
    }

    int pack() const
    {
        return depth | int(inName & 0xFF) << 4 | int(triple & 0xFF) << 12 | int(comment) << 20 | int(noWiki) << 21
            | int(code) << 22 | int(reference) << 23 | int(small) << 24 | std::clamp(tables, 0, 3) << 25;
    }

    bool topInName() const { return depth > 0 && depth <= KeptLevels && (inName >> (depth - 1) & 1); }
    bool topTriple() const { return depth > 0 && depth <= KeptLevels && (triple >> (depth - 1) & 1); }
    void setTopInName(bool on)
    {
        if (depth > 0 && depth <= KeptLevels)
            inName = on ? inName | 1u << (depth - 1) : inName & ~(1u << (depth - 1));
    }
    void push(bool isTriple)
    {
        depth = std::min(depth + 1, MaxDepth);
        if (depth <= KeptLevels) {
            inName |= 1u << (depth - 1);
            triple = isTriple ? triple | 1u << (depth - 1) : triple & ~(1u << (depth - 1));
        }
    }
};

const QStringView CodeTags[] = {u"math", u"chem", u"ce", u"syntaxhighlight", u"source", u"score", u"timeline", u"code"};

bool isCodeTag(QStringView name)
{
    return std::any_of(std::begin(CodeTags), std::end(CodeTags), [name](QStringView t) { return t == name; });
}

bool startsAt(QStringView line, qsizetype i, QStringView what)
{
    return line.mid(i).startsWith(what, Qt::CaseInsensitive);
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The length of a web address starting at `i`, or 0.
qsizetype addressLength(QStringView line, qsizetype i, bool bracketed)
{
    static const QStringView schemes[] = {u"https://", u"http://", u"ftp://", u"mailto:", u"www."};
    if (bracketed && startsAt(line, i, u"//"))
        ; // protocol-relative
    else if (!std::any_of(std::begin(schemes), std::end(schemes), [&](QStringView s) { return startsAt(line, i, s); }))
        return 0;
    qsizetype end = i;
    while (end < line.size()) {
        const QChar c = line[end];
        if (c.isSpace() || c == u']' || c == u'[' || c == u'<' || c == u'>' || c == u'"' || c == u'{' || c == u'}'
            || c == u'|')
            break;
        ++end;
    }
    if (!bracketed) {
        // A sentence's full stop or closing bracket is not part of the address.
        while (end > i && QStringView(u".,;:!?)'").contains(line[end - 1]))
            --end;
    }
    return end - i;
}

class Scanner
{
public:
    Scanner(QStringView line, int state, QList<Span> *spans)
        : m_line(line)
        , m_st(LineState::unpack(state))
        , m_spans(spans)
    {
    }

    int run()
    {
        qsizetype i = 0;
        if (!m_st.comment && !m_st.noWiki && !m_st.code && m_st.depth == 0)
            i = lineStart();
        if (i >= 0)
            scan(i, m_line.size());
        return m_st.pack();
    }

private:
    void add(qsizetype start, qsizetype length, Kind kind, quint8 style = 0, quint8 level = 0)
    {
        if (length <= 0)
            return;
        if (!m_spans->isEmpty()) {
            Span &last = m_spans->last();
            if (last.kind == kind && last.style == style && last.level == level && last.start + last.length == start) {
                last.length += int(length);
                return;
            }
        }
        m_spans->append(Span{int(start), int(length), kind, style, level});
    }

    quint8 proseStyle() const
    {
        quint8 s = m_headingLevel ? Heading : 0;
        if (m_bold)
            s |= Bold;
        if (m_italic)
            s |= Italic;
        if (m_st.small)
            s |= Small;
        if (m_st.reference)
            s |= Reference;
        if (m_st.depth > 0)
            s |= TemplateValue;
        if (m_linkCaption > 0)
            s |= LinkCaption;
        return s;
    }

    // The kind of an ordinary character where the scan stands now.
    void text(qsizetype i, qsizetype length)
    {
        if (m_linkTarget)
            add(i, length, Kind::LinkTarget);
        else if (m_st.topInName() && m_linkDepth == 0)
            add(i, length, Kind::TemplateName, 0, quint8(m_st.depth));
        else
            add(i, length, Kind::Prose, proseStyle(), m_headingLevel);
    }

    // Headings, list marks and table lines; returns where the scan goes on, -1 when
    // the line is done.
    qsizetype lineStart()
    {
        const QStringView line = m_line;
        qsizetype lead = 0;
        while (lead < line.size() && (line[lead] == u' ' || line[lead] == u'\t'))
            ++lead;
        const QStringView rest = line.mid(lead);
        if (rest.startsWith(u"{|")) {
            ++m_st.tables;
            add(0, line.size(), Kind::TableMark);
            return -1;
        }
        if (m_st.tables > 0 && (rest.startsWith(u"|}") || rest.startsWith(u"|-"))) {
            if (rest.startsWith(u"|}"))
                --m_st.tables;
            add(0, line.size(), Kind::TableMark);
            return -1;
        }
        if (m_st.tables > 0 && rest.startsWith(u"|+")) {
            add(0, lead + 2, Kind::TableMark);
            return lead + 2;
        }
        if (m_st.tables > 0 && (rest.startsWith(u'|') || rest.startsWith(u'!'))) {
            m_cellHeader = rest.startsWith(u'!');
            add(0, lead + 1, Kind::TableMark);
            m_inCell = true;
            m_cellStart = lead + 1;
            m_cellSpan = m_spans->size();
            return lead + 1;
        }
        if (const HeadingLine h = headingLine(line); h.level > 0) {
            m_headingLevel = quint8(h.level);
            add(0, h.nameStart, Kind::HeadingMark, 0, m_headingLevel);
            scan(h.nameStart, h.nameEnd);
            add(h.nameEnd, line.size() - h.nameEnd, Kind::HeadingMark, 0, m_headingLevel);
            return -1;
        }
        qsizetype marks = 0;
        while (marks < line.size() && QStringView(u"*#:;").contains(line[marks]))
            ++marks;
        if (marks == 0 && line.startsWith(u"----")) {
            while (marks < line.size() && line[marks] == u'-')
                ++marks;
        }
        add(0, marks, Kind::ListMark);
        return marks;
    }

    void scan(qsizetype i, qsizetype end)
    {
        const QStringView line = m_line;
        while (i < end) {
            if (m_st.comment) {
                const qsizetype close = line.indexOf(u"-->", i);
                const qsizetype stop = close < 0 || close + 3 > end ? end : close + 3;
                add(i, stop - i, Kind::Comment);
                if (close >= 0 && close + 3 <= end)
                    m_st.comment = false;
                i = stop;
                continue;
            }
            if (m_st.noWiki || m_st.code) {
                qsizetype close = i;
                qsizetype stop = end;
                while ((close = line.indexOf(u"</", close, Qt::CaseInsensitive)) >= 0 && close < end) {
                    const QStringView name = tagName(close + 2);
                    if (m_st.noWiki ? name == u"nowiki" : isCodeTag(name)) {
                        stop = close;
                        break;
                    }
                    close += 2;
                }
                if (m_st.noWiki)
                    add(i, stop - i, Kind::Prose, quint8(proseStyle() | NoWiki), m_headingLevel);
                else
                    add(i, stop - i, Kind::Code);
                i = stop;
                if (i < end)
                    i = tag(i, end);
                continue;
            }
            i = step(i, end);
        }
    }

    // The lower-case name of a tag whose name starts at `i`.
    QStringView tagName(qsizetype i) const
    {
        qsizetype e = i;
        while (e < m_line.size() && m_line[e].isLetterOrNumber() && m_line[e].unicode() < 128)
            ++e;
        return m_line.mid(i, e - i);
    }

    // A tag at `i` ("<" seen); returns where the scan goes on.
    qsizetype tag(qsizetype i, qsizetype end)
    {
        const bool closing = i + 1 < end && m_line[i + 1] == u'/';
        const qsizetype nameAt = i + (closing ? 2 : 1);
        const QString name = tagName(nameAt).toString().toLower();
        const qsizetype close = m_line.indexOf(u'>', nameAt);
        if (name.isEmpty() || close < 0 || close >= end || name.front().isDigit()) {
            text(i, 1);
            return i + 1;
        }
        const bool selfClosing = m_line[close - 1] == u'/';
        add(i, close + 1 - i, Kind::Tag);
        const bool open = !closing && !selfClosing;
        if (name == u"nowiki")
            m_st.noWiki = open;
        else if (isCodeTag(name))
            m_st.code = open;
        else if (name == u"ref" && !selfClosing)
            m_st.reference = open;
        else if (name == u"small")
            m_st.small = open;
        return close + 1;
    }

    qsizetype step(qsizetype i, qsizetype end)
    {
        const QStringView line = m_line;
        const QChar c = line[i];
        const QChar next = i + 1 < end ? line[i + 1] : QChar();
        if (c == u'<') {
            if (startsAt(line, i, u"<!--")) {
                m_st.comment = true;
                add(i, 4, Kind::Comment);
                return i + 4;
            }
            return tag(i, end);
        }
        if (c == u'{' && next == u'{') {
            const bool isTriple = i + 2 < end && line[i + 2] == u'{' && (i + 3 >= end || line[i + 3] != u'{');
            m_st.push(isTriple);
            const int length = isTriple ? 3 : 2;
            add(i, length, Kind::TemplateMark, 0, quint8(m_st.depth));
            m_nameStart = i + length;
            return i + length;
        }
        if (c == u'}' && next == u'}' && m_st.depth > 0) {
            const int length = m_st.topTriple() && i + 2 < end && line[i + 2] == u'}' ? 3 : 2;
            add(i, length, Kind::TemplateMark, 0, quint8(m_st.depth));
            --m_st.depth;
            // Links left open inside the template end with it.
            while (m_linkDepth > 0 && m_linkTemplate[m_linkDepth - 1] > m_st.depth)
                closeLink();
            return i + length;
        }
        if (c == u'[' && next == u'[') {
            if (m_linkDepth < int(std::size(m_linkTemplate))) {
                m_linkTemplate[m_linkDepth++] = m_st.depth;
                m_linkTarget = true;
            }
            add(i, 2, Kind::LinkMark);
            return i + 2;
        }
        if (c == u']' && next == u']' && m_linkDepth > 0) {
            add(i, 2, Kind::LinkMark);
            closeLink();
            return i + 2;
        }
        if (c == u'|' && m_linkTarget) {
            add(i, 1, Kind::LinkMark);
            m_linkTarget = false;
            ++m_linkCaption;
            return i + 1;
        }
        if (c == u'|' && m_st.depth > 0 && m_linkDepth == 0 && !m_externalCaption)
            return parameter(i, end);
        if (c == u':' && m_st.topInName() && m_linkDepth == 0 && parserFunction()) {
            add(i, 1, Kind::TemplateMark, 0, quint8(m_st.depth));
            m_st.setTopInName(false);
            return i + 1;
        }
        if (c == u'[' && !m_externalCaption && !m_linkTarget) {
            if (const qsizetype n = addressLength(line.left(end), i + 1, true)) {
                add(i, 1, Kind::LinkMark);
                add(i + 1, n, Kind::Address);
                m_externalCaption = true;
                return i + 1 + n;
            }
        }
        if (c == u']' && m_externalCaption) {
            add(i, 1, Kind::LinkMark);
            m_externalCaption = false;
            return i + 1;
        }
        if (c == u'\'' && next == u'\'')
            return quotes(i, end);
        if (m_inCell && m_st.depth == 0 && m_linkDepth == 0 && (c == u'|' || (c == u'!' && m_cellHeader)))
            return cell(i, end);
        if ((c == u'h' || c == u'H' || c == u'f' || c == u'F' || c == u'w' || c == u'W' || c == u'm')
            && (i == 0 || !isWordChar(line[i - 1])) && !m_linkTarget) {
            if (const qsizetype n = addressLength(line.left(end), i, false)) {
                add(i, n, Kind::Address);
                return i + n;
            }
        }
        text(i, 1);
        return i + 1;
    }

    void closeLink()
    {
        --m_linkDepth;
        m_linkTarget = false;
        m_linkCaption = std::min(m_linkCaption, m_linkDepth);
    }

    // "{{#if:" and its kin: their name ends at the colon.
    bool parserFunction() const { return m_nameStart >= 0 && m_line.mid(m_nameStart).trimmed().startsWith(u'#'); }

    // A template's "|": the parameter's name when an "=" follows before the next
    // separator on the line, then its value.
    qsizetype parameter(qsizetype i, qsizetype end)
    {
        add(i, 1, Kind::TemplateMark, 0, quint8(m_st.depth));
        m_st.setTopInName(false);
        qsizetype j = i + 1;
        while (j < end && !QStringView(u"|{}[]<=").contains(m_line[j]))
            ++j;
        if (j < end && m_line[j] == u'=' && j > i + 1) {
            add(i + 1, j - i - 1, Kind::ParameterName, 0, quint8(m_st.depth));
            add(j, 1, Kind::TemplateMark, 0, quint8(m_st.depth));
            return j + 1;
        }
        return i + 1;
    }

    // "''" italic, "'''" bold, "'''''" both; more apostrophes than that are text.
    qsizetype quotes(qsizetype i, qsizetype end)
    {
        qsizetype n = 0;
        while (i + n < end && m_line[i + n] == u'\'')
            ++n;
        qsizetype marks = n == 4 ? 3 : std::min(n, qsizetype(5));
        text(i, n - marks);
        add(i + n - marks, marks, Kind::QuoteMark);
        if (marks == 2 || marks == 5)
            m_italic = !m_italic;
        if (marks == 3 || marks == 5)
            m_bold = !m_bold;
        return i + n;
    }

    // "||" or "!!" starts a cell; a lone "|" ends the cell's attributes.
    qsizetype cell(qsizetype i, qsizetype end)
    {
        const QChar c = m_line[i];
        if (i + 1 < end && m_line[i + 1] == c) {
            add(i, 2, Kind::TableMark);
            m_cellStart = i + 2;
            m_cellSpan = m_spans->size();
            return i + 2;
        }
        if (c == u'|' && m_cellSpan >= 0) {
            // What came before in this cell were its attributes.
            while (m_spans->size() > m_cellSpan)
                m_spans->removeLast();
            add(m_cellStart, i + 1 - m_cellStart, Kind::TableMark);
            m_cellSpan = -1;
            return i + 1;
        }
        text(i, 1);
        return i + 1;
    }

    QStringView m_line;
    LineState m_st;
    QList<Span> *m_spans;
    quint8 m_headingLevel = 0;
    bool m_bold = false;
    bool m_italic = false;
    int m_linkTemplate[8] = {};
    int m_linkDepth = 0;
    int m_linkCaption = 0;
    bool m_linkTarget = false;
    qsizetype m_nameStart = -1;
    bool m_externalCaption = false;
    bool m_inCell = false;
    bool m_cellHeader = false;
    qsizetype m_cellStart = 0;
    qsizetype m_cellSpan = -1;
};

} // namespace

int scanLine(QStringView line, int state, QList<Span> *spans)
{
    spans->clear();
    return Scanner(line, std::max(state, StartState), spans).run();
}

bool isProse(const Span &span)
{
    return span.kind == Kind::Prose;
}

HeadingLine headingLine(QStringView line)
{
    qsizetype open = 0;
    while (open < line.size() && line[open] == u'=')
        ++open;
    if (open == 0)
        return {};
    qsizetype end = line.size();
    while (end > open && line[end - 1].isSpace())
        --end;
    qsizetype close = 0;
    while (end - close > open && line[end - 1 - close] == u'=')
        ++close;
    if (close == 0 || open + close >= end)
        return {};
    const int level = int(std::min({open, close, qsizetype(6)}));
    return {level, level, int(end) - level};
}

} // namespace WikiSyntax
