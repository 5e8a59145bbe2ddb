#pragma once

#include <QByteArray>

class DumpInput;

// The XML of a dump cut into pieces at its pages, so that pages can be read on
// other threads and written back untouched: the header (in parts, as it comes),
// then each page with the bytes between it and the page before, then the rest.
// The pieces joined are the XML byte for byte. Markup is not checked here, only
// found: text cannot hold a bare "<", so every "<" outside comments, CDATA and
// processing instructions starts a tag.
class DumpSplitter
{
public:
    enum class Kind { Header, Page, Trailer, End, Error };
    struct Piece
    {
        Kind kind = Kind::End;
        QByteArray bytes;
        bool complete = true; // false for a page the input ends inside
    };

    explicit DumpSplitter(DumpInput &input);

    // The next piece; Error when the input cannot be read (see DumpInput::errorString).
    Piece next();

private:
    enum class Scan { Found, NeedMore };
    Scan scan(Piece *piece);
    bool readMore();
    Piece cut(Kind kind, qsizetype end);

    DumpInput &m_input;
    QByteArray m_buffer;
    qsizetype m_begin = 0; // the first byte not yet handed out
    qsizetype m_scan = 0;  // where looking for the next "<" goes on
    int m_pageDepth = 0;
    bool m_seenPage = false;
    bool m_ended = false;
    bool m_done = false;
};

// A place in the XML as QXmlStreamReader counts it: lines from 1, broken by LF,
// CR LF or a lone CR; columns in UTF-16 code units from 0.
struct XmlPosition
{
    qint64 line = 1;
    qint64 column = 0;
    bool afterCr = false;

    void advance(const char *bytes, qsizetype size);
    // The place `line`/`column` of a piece's own count (lines from 1) stands at.
    XmlPosition offsetBy(qint64 pieceLine, qint64 pieceColumn) const;
};
