#include "dump/DumpPage.h"

#include "wikitext/DocumentFormat.h"

#include <QCryptographicHash>
#include <QList>
#include <QXmlStreamReader>

#include <cstring>

namespace DumpPage {

namespace {

// The piece is read inside an element of its own, so that whatever stands between
// two pages (space, a comment) is well-formed on its own.
constexpr char kOpen[] = "<w>";
constexpr char kClose[] = "</w>";

qsizetype tagEnd(const QByteArray &bytes, qsizetype from)
{
    char quote = 0;
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return bytes.size();
}

bool isNameEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>' || c == '=';
}

// A tag's name without its namespace prefix.
QByteArrayView localName(const QByteArray &bytes, qsizetype from)
{
    qsizetype end = from;
    while (end < bytes.size() && !isNameEnd(bytes.at(end)))
        ++end;
    QByteArrayView name(bytes.constData() + from, end - from);
    const qsizetype colon = name.lastIndexOf(':');
    return colon < 0 ? name : name.sliced(colon + 1);
}

// Where the parts of the page's last revision stand in a piece.
struct Places
{
    qsizetype textTag = -1;    // "<text"
    qsizetype textTagEnd = -1; // after its ">"
    bool textEmpty = false;    // "<text ... />"
    qsizetype textContentEnd = -1;
    qsizetype sha1Content = -1; // after "<sha1>"
    qsizetype sha1ContentEnd = -1;
    int otherSlots = 0; // <content> beside the main text
};

Places findPlaces(const QByteArray &piece)
{
    QList<QByteArrayView> open;
    Places last, current;
    auto inRevision = [&open] { return open.size() == 2 && open.at(0) == "page" && open.at(1) == "revision"; };
    for (qsizetype i = piece.indexOf('<'); i >= 0; i = piece.indexOf('<', i)) {
        const char *p = piece.constData() + i;
        const qsizetype left = piece.size() - i;
        auto skipTo = [&](qsizetype from, const char *closing) {
            const qsizetype end = piece.indexOf(closing, from);
            return end < 0 ? piece.size() : end + qsizetype(std::strlen(closing));
        };
        if (left >= 4 && std::memcmp(p, "<!--", 4) == 0) {
            i = skipTo(i + 4, "-->");
            continue;
        }
        if (left >= 9 && std::memcmp(p, "<![CDATA[", 9) == 0) {
            i = skipTo(i + 9, "]]>");
            continue;
        }
        if (left >= 2 && p[1] == '?') {
            i = skipTo(i + 2, "?>");
            continue;
        }
        if (left >= 2 && p[1] == '!') {
            i = tagEnd(piece, i) + 1;
            continue;
        }
        const bool closing = left >= 2 && p[1] == '/';
        const QByteArrayView name = localName(piece, i + (closing ? 2 : 1));
        const qsizetype end = tagEnd(piece, i);
        if (closing) {
            if (!open.isEmpty())
                open.removeLast();
            if (inRevision() && name == "text")
                current.textContentEnd = i;
            else if (inRevision() && name == "sha1")
                current.sha1ContentEnd = i;
            else if (open.size() == 1 && name == "revision")
                last = current;
        } else {
            const bool empty = end > i && piece.at(end - 1) == '/';
            if (open.size() == 1 && open.at(0) == "page" && name == "revision") {
                current = Places{};
            } else if (inRevision() && name == "text") {
                current.textTag = i;
                current.textTagEnd = end + 1;
                current.textEmpty = empty;
            } else if (inRevision() && name == "sha1" && !empty) {
                current.sha1Content = end + 1;
            } else if (inRevision() && name == "content") {
                ++current.otherSlots;
            }
            if (!empty)
                open.append(name);
        }
        i = end + 1;
    }
    return last;
}

// Gives an attribute the tag already has a new value; a tag without it stays as it is.
void setAttribute(QByteArray &tag, QByteArrayView name, const QByteArray &value)
{
    qsizetype i = 1;
    while (i < tag.size() && !isNameEnd(tag.at(i)))
        ++i;
    for (;;) {
        while (i < tag.size() && QChar::isSpace(uchar(tag.at(i))))
            ++i;
        if (i >= tag.size() || tag.at(i) == '/' || tag.at(i) == '>')
            return;
        const qsizetype nameStart = i;
        while (i < tag.size() && !isNameEnd(tag.at(i)))
            ++i;
        const QByteArrayView attribute(tag.constData() + nameStart, i - nameStart);
        while (i < tag.size() && tag.at(i) != '"' && tag.at(i) != '\'')
            ++i;
        if (i >= tag.size())
            return;
        const char quote = tag.at(i);
        const qsizetype valueStart = i + 1;
        const qsizetype valueEnd = tag.indexOf(quote, valueStart);
        if (valueEnd < 0)
            return;
        if (attribute == name) {
            tag.replace(valueStart, valueEnd - valueStart, value);
            return;
        }
        i = valueEnd + 1;
    }
}

QByteArray escaped(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

} // namespace

bool read(const QByteArray &piece, bool complete, Page *page, XmlError *error)
{
    QByteArray wrapped;
    wrapped.reserve(piece.size() + 8);
    wrapped.append(kOpen).append(piece);
    if (complete)
        wrapped.append(kClose);
    QXmlStreamReader xml(wrapped);
    *page = Page{};
    QString text;
    int depth = 0;
    bool seenPage = false;
    bool inPage = false;
    bool inRevision = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (depth == 3 && inRevision)
                inRevision = false;
            else if (depth == 2)
                inPage = false;
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QStringView name = xml.name();
        if (depth == 2) {
            inPage = !seenPage && name == u"page";
            seenPage = seenPage || inPage;
        } else if (inPage && depth == 3) {
            if (name == u"revision") {
                inRevision = true;
                page->revisionId = 0;
                page->hasText = false;
                text.clear();
            } else if (name == u"title" || name == u"ns" || name == u"id") {
                const QString value = xml.readElementText();
                --depth;
                if (name == u"title")
                    page->title = value;
                else if (name == u"ns")
                    page->ns = value.trimmed().toInt();
                else
                    page->id = value.trimmed().toLongLong();
            }
        } else if (inRevision && depth == 4 && (name == u"id" || name == u"text")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString value = xml.readElementText();
            --depth;
            if (name == u"id") {
                page->revisionId = value.trimmed().toLongLong();
            } else {
                // An empty element that counts bytes is a text kept elsewhere (a stub).
                page->hasText = !attributes.hasAttribute(QLatin1String("deleted"))
                    && !(value.isEmpty() && attributes.value(QLatin1String("bytes")).toLongLong() > 0);
                text = value;
            }
        }
    }
    if (xml.hasError()) {
        error->line = xml.lineNumber();
        error->column = xml.columnNumber();
        if (error->line == 1)
            error->column = std::max<qint64>(0, error->column - qint64(std::strlen(kOpen)));
        error->message = xml.errorString();
        return false;
    }
    if (page->hasText)
        page->text = DocumentFormat::normaliseLineBreaks(text);
    return true;
}

QByteArray replaceText(const QByteArray &piece, const QString &text)
{
    const Places at = findPlaces(piece);
    if (at.textTag < 0)
        return piece;
    const QByteArray stored = wikiText(text);
    const QByteArray sha1 = sha1Base36(stored);

    QByteArray tag = piece.mid(at.textTag, at.textTagEnd - at.textTag);
    setAttribute(tag, "bytes", QByteArray::number(stored.size()));
    setAttribute(tag, "sha1", sha1);
    if (at.textEmpty) {
        tag.chop(2); // "/>"
        while (tag.endsWith(' ') || tag.endsWith('\t') || tag.endsWith('\n') || tag.endsWith('\r'))
            tag.chop(1);
        tag += '>';
    }
    QByteArray out;
    out.reserve(piece.size() + stored.size());
    out += QByteArrayView(piece.constData(), at.textTag);
    out += tag;
    out += escaped(stored);
    qsizetype rest = at.textContentEnd;
    if (at.textEmpty) {
        out += "</text>";
        rest = at.textTagEnd;
    }
    // The revision's own SHA-1 combines all its contents; with one, it is the text's.
    if (at.sha1Content > rest && at.sha1ContentEnd > at.sha1Content) {
        out += QByteArrayView(piece.constData() + rest, at.sha1Content - rest);
        if (at.otherSlots == 0)
            out += sha1;
        rest = at.sha1ContentEnd;
    }
    out += QByteArrayView(piece.constData() + rest, piece.size() - rest);
    return out;
}

QByteArray wikiText(const QString &editorText)
{
    QString text;
    text.reserve(editorText.size());
    const qsizetype n = editorText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = editorText.at(i).unicode();
        if (c == u'\r') {
            if (i + 1 < n && editorText.at(i + 1) == u'\n')
                continue;
            text += u'\n';
        } else if ((c < 0x20 && c != u'\t' && c != u'\n') || c == 0xFFFE || c == 0xFFFF) {
            text += QChar::ReplacementCharacter;
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && editorText.at(i + 1).isLowSurrogate()) {
            text += editorText.at(i);
            text += editorText.at(++i);
        } else if (QChar::isSurrogate(c)) {
            text += QChar::ReplacementCharacter;
        } else {
            text += QChar(c);
        }
    }
    return text.toUtf8();
}

QByteArray sha1Base36(const QByteArray &bytes)
{
    QByteArray number = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    QByteArray out(31, '0');
    for (qsizetype place = out.size() - 1; place >= 0; --place) {
        int remainder = 0;
        for (char &byte : number) {
            const int value = remainder * 256 + uchar(byte);
            byte = char(value / 36);
            remainder = value % 36;
        }
        out[place] = digits[remainder];
    }
    return out;
}

} // namespace DumpPage
