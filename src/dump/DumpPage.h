#pragma once

#include <QByteArray>
#include <QString>

// One page of a MediaWiki XML dump (export schema 0.10 and 0.11): what the
// commands read of it, and its text put back.
namespace DumpPage {

struct Page
{
    QString title;
    int ns = 0;
    qint64 id = 0;
    qint64 revisionId = 0;
    // False when the revision's text is not in the dump (deleted, or kept elsewhere).
    bool hasText = false;
    QString text; // of the last revision, as the editor holds it (CR LF)
};

// Where QXmlStreamReader stopped in a piece: line from 1, column from 0.
struct XmlError
{
    qint64 line = 1;
    qint64 column = 0;
    QString message;
};

// Reads the page of a piece the splitter cut (the bytes before the page included).
// `complete` is false for a piece the dump ends inside. False, with where and why,
// when the piece is not well-formed.
bool read(const QByteArray &piece, bool complete, Page *page, XmlError *error);

// The piece with the last revision's text replaced by `text` (editor text). The
// text's `bytes` and `sha1` attributes and the revision's <sha1> are made to match
// the new text; everything else stays byte for byte. The piece must have been read.
QByteArray replaceText(const QByteArray &piece, const QString &text);

// The text as the wiki stores it: UTF-8, LF line breaks; characters XML cannot
// carry become U+FFFD.
QByteArray wikiText(const QString &editorText);

// The wiki's SHA-1 of stored text: 31 base-36 digits.
QByteArray sha1Base36(const QByteArray &bytes);

} // namespace DumpPage
