#include "dump/DumpSplitter.h"

#include "dump/DumpInput.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype kBlock = 1 << 20;
// A header this long is handed out in parts, so a file that is no dump is not
// held whole before the reader can say so.
constexpr qsizetype kHeaderPart = 1 << 20;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool startsWith(const char *p, qsizetype size, const char *prefix)
{
    const qsizetype n = qsizetype(std::strlen(prefix));
    return size >= n && std::memcmp(p, prefix, size_t(n)) == 0;
}

// The end of `tag` (after its "<") past quoted attribute values, which may hold ">".
qsizetype tagEnd(const char *p, qsizetype from, qsizetype size)
{
    char quote = 0;
    for (qsizetype i = from; i < size; ++i) {
        if (quote) {
            if (p[i] == quote)
                quote = 0;
        } else if (p[i] == '"' || p[i] == '\'') {
            quote = p[i];
        } else if (p[i] == '>') {
            return i;
        }
    }
    return -1;
}

qsizetype find(const char *p, qsizetype from, qsizetype size, const char *what)
{
    const qsizetype n = qsizetype(std::strlen(what));
    for (qsizetype i = from; i + n <= size;) {
        const void *hit = std::memchr(p + i, what[0], size_t(size - i - n + 1));
        if (!hit)
            return -1;
        i = static_cast<const char *>(hit) - p;
        if (std::memcmp(p + i, what, size_t(n)) == 0)
            return i;
        ++i;
    }
    return -1;
}

} // namespace

DumpSplitter::DumpSplitter(DumpInput &input)
    : m_input(input)
{
}

bool DumpSplitter::readMore()
{
    if (m_begin > 0) {
        m_buffer.remove(0, m_begin);
        m_scan -= m_begin;
        m_begin = 0;
    }
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + kBlock);
    const qint64 n = m_input.read(m_buffer.data() + kept, kBlock);
    m_buffer.resize(kept + std::max<qint64>(n, 0));
    if (n < 0)
        return false;
    m_ended = n == 0;
    return true;
}

DumpSplitter::Piece DumpSplitter::cut(Kind kind, qsizetype end)
{
    Piece piece{kind, QByteArray(m_buffer.constData() + m_begin, end - m_begin)};
    m_begin = end;
    return piece;
}

DumpSplitter::Scan DumpSplitter::scan(Piece *piece)
{
    const char *p = m_buffer.constData();
    const qsizetype size = m_buffer.size();
    while (m_scan < size) {
        const void *hit = std::memchr(p + m_scan, '<', size_t(size - m_scan));
        if (!hit) {
            m_scan = size;
            break;
        }
        const qsizetype at = static_cast<const char *>(hit) - p;
        const qsizetype left = size - at;
        // Enough to tell "<![CDATA[" and "<page>" apart, unless the input has ended.
        if (left < 10 && !m_ended) {
            m_scan = at;
            return Scan::NeedMore;
        }
        auto skipTo = [&](qsizetype from, const char *closing) {
            const qsizetype end = find(p, from, size, closing);
            if (end < 0)
                return false;
            m_scan = end + qsizetype(std::strlen(closing));
            return true;
        };
        bool found = true;
        if (startsWith(p + at, left, "<!--")) {
            found = skipTo(at + 4, "-->");
        } else if (startsWith(p + at, left, "<![CDATA[")) {
            found = skipTo(at + 9, "]]>");
        } else if (startsWith(p + at, left, "<?")) {
            found = skipTo(at + 2, "?>");
        } else if (startsWith(p + at, left, "<page") && left > 5
                   && (isSpace(p[at + 5]) || p[at + 5] == '>' || p[at + 5] == '/')) {
            const qsizetype end = tagEnd(p, at + 5, size);
            if (end < 0) {
                found = false;
            } else {
                const bool empty = p[end - 1] == '/';
                if (!m_seenPage && at > m_begin) {
                    m_scan = at;
                    *piece = cut(Kind::Header, at);
                    return Scan::Found;
                }
                m_seenPage = true;
                m_scan = end + 1;
                if (m_pageDepth == 0 && empty) {
                    *piece = cut(Kind::Page, end + 1);
                    return Scan::Found;
                }
                if (!empty)
                    ++m_pageDepth;
            }
        } else if (startsWith(p + at, left, "</page") && left > 6 && (isSpace(p[at + 6]) || p[at + 6] == '>')) {
            const qsizetype end = tagEnd(p, at + 6, size);
            if (end < 0) {
                found = false;
            } else {
                m_scan = end + 1;
                if (m_pageDepth > 0 && --m_pageDepth == 0) {
                    *piece = cut(Kind::Page, end + 1);
                    return Scan::Found;
                }
            }
        } else {
            m_scan = at + 1;
        }
        if (!found) {
            m_scan = at;
            if (m_ended) {
                // An unclosed comment or tag at the end: the reader says where.
                m_scan = size;
                break;
            }
            return Scan::NeedMore;
        }
    }
    return Scan::NeedMore;
}

DumpSplitter::Piece DumpSplitter::next()
{
    if (m_done)
        return {Kind::End, {}};
    for (;;) {
        Piece piece;
        if (scan(&piece) == Scan::Found)
            return piece;
        if (!m_seenPage && m_scan - m_begin >= kHeaderPart)
            return cut(Kind::Header, m_scan);
        if (m_ended) {
            m_done = true;
            const qsizetype size = m_buffer.size();
            if (m_pageDepth > 0) {
                Piece last = cut(Kind::Page, size);
                last.complete = false;
                return last;
            }
            return cut(m_seenPage ? Kind::Trailer : Kind::Header, size);
        }
        if (!readMore())
            return {Kind::Error, {}};
    }
}

void XmlPosition::advance(const char *bytes, qsizetype size)
{
    if (size <= 0)
        return;
    const char *end = bytes + size;
    qsizetype lastBreak = -1;
    // Every CR breaks a line; an LF does unless it ends a CR LF.
    for (const char *p = bytes; (p = static_cast<const char *>(std::memchr(p, '\r', size_t(end - p)))); ++p) {
        ++line;
        lastBreak = p - bytes;
    }
    for (const char *p = bytes; (p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)))); ++p) {
        if (!(p == bytes ? afterCr : p[-1] == '\r'))
            ++line;
        lastBreak = std::max<qsizetype>(lastBreak, p - bytes);
    }
    afterCr = end[-1] == '\r';
    if (lastBreak >= 0)
        column = 0;
    for (const char *p = bytes + lastBreak + 1; p < end; ++p) {
        const uchar b = uchar(*p);
        if ((b & 0xC0) != 0x80)
            column += b >= 0xF0 ? 2 : 1;
    }
}

XmlPosition XmlPosition::offsetBy(qint64 pieceLine, qint64 pieceColumn) const
{
    XmlPosition at = *this;
    if (pieceLine <= 1) {
        at.column += pieceColumn;
    } else {
        at.line += pieceLine - 1;
        at.column = pieceColumn;
    }
    return at;
}
