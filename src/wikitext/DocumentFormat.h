#pragma once

#include <QByteArray>
#include <QString>

// The document file: written as FF FE and UTF-16LE with CR LF line breaks; read by
// its byte-order mark, without one as UTF-8 when valid, else as Windows-1255.
namespace DocumentFormat {

// Whether every line break of the text is CR LF, and none is U+2028; with
// `orBlockMarks`, also none of U+2029, U+FDD0 and U+FDD1, where Qt's text document
// breaks lines too.
bool hasOnlyCrLf(QStringView text, bool orBlockMarks = false);

// Every LF, lone CR, CR LF and U+2028 becomes CR LF.
QString normaliseLineBreaks(const QString &text);

// Decodes a file's bytes into editor text. Returns false, with a reason in
// `error`, when the bytes cannot be decoded without loss (a binary file).
bool decode(const QByteArray &bytes, QString *text, QString *error = nullptr);

// The bytes the program writes: FF FE and the UTF-16LE code units.
QByteArray encode(const QString &text);

// Reads and decodes a file; on failure `error` carries a message for the user,
// with the system's reason where there is one. `asWritten`, when given, tells whether
// the file's bytes are exactly what writeFile would write for the text read.
bool readFile(const QString &path, QString *text, QString *error, bool *asWritten = nullptr);

// Writes through a temporary file and a rename, so a failed or incomplete write
// leaves the old file as it was; `error` then says so, with the system's reason.
bool writeFile(const QString &path, const QString &text, QString *error);

} // namespace DocumentFormat
