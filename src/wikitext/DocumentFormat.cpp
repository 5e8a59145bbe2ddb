#include "wikitext/DocumentFormat.h"

#include "wikitext/SafeSave.h"

#include <QFile>
#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace DocumentFormat {

namespace {

const QString kNotText = QStringLiteral("הקובץ אינו קובץ טקסט שניתן לקרוא.");

QString fromUtf16(const char *data, qsizetype bytes, bool bigEndian)
{
    const qsizetype units = bytes / 2; // an odd trailing byte is dropped
    QString result(units, Qt::Uninitialized);
    if (bigEndian)
        qFromBigEndian<char16_t>(data, units, result.data());
    else
        qFromLittleEndian<char16_t>(data, units, result.data());
    return result;
}

// An 8-bit decoding that produced one of these lost something: NUL marks binary
// data, and the code page's unassigned bytes come out as C1 controls.
bool looksLossy(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0 || (u >= 0x80 && u <= 0x9F) || u == 0xFFFD)
            return true;
    }
    return false;
}

bool isBlockMark(char16_t c)
{
    return c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

// Whether units [1, count) of p hold a CR not followed by LF, an LF not after a CR,
// a line separator, or with `marks` all ones a block mark. Without an early exit,
// so that a fixed count runs in vector instructions.
inline __attribute__((always_inline)) bool breaksBeyondCrLf(const char16_t *p, qsizetype count, unsigned marks)
{
    unsigned bad = 0;
    for (qsizetype i = 1; i < count; ++i) {
        const char16_t c = p[i];
        bad |= unsigned((c == u'\n') != (p[i - 1] == u'\r')) | unsigned(c == 0x2028)
            | (marks & (unsigned(c == 0x2029) | unsigned((c | 1) == 0xFDD1)));
    }
    return bad != 0;
}

} // namespace

bool hasOnlyCrLf(QStringView text, bool orBlockMarks)
{
    const qsizetype n = text.size();
    if (n == 0)
        return true;
    const char16_t *p = text.utf16();
    if (p[0] == u'\n' || p[n - 1] == u'\r' || (orBlockMarks && isBlockMark(p[0])))
        return false;
    const unsigned marks = orBlockMarks ? ~0u : 0u;
    // Documents run to megabytes: looked at in blocks of a fixed size, each one
    // overlapping the last by a unit.
    constexpr qsizetype Block = 4097;
    qsizetype from = 0;
    for (; from + Block <= n; from += Block - 1) {
        if (breaksBeyondCrLf(p + from, Block, marks))
            return false;
    }
    return !breaksBeyondCrLf(p + from, n - from, marks);
}

QString normaliseLineBreaks(const QString &text)
{
    if (hasOnlyCrLf(text))
        return text;

    const qsizetype n = text.size();
    const QChar *p = text.constData();
    QString out;
    out.reserve(n + n / 16 + 16);
    // Runs between line breaks are copied whole: a dump's pages come through here.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i].unicode();
        if (u != u'\r' && u != u'\n' && u != 0x2028)
            continue;
        out.append(p + runStart, i - runStart);
        out += QLatin1String("\r\n");
        if (u == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        runStart = i + 1;
    }
    out.append(p + runStart, n - runStart);
    return out;
}

bool decode(const QByteArray &bytes, QString *text, QString *error)
{
    const auto *b = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    QString decoded;
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        decoded = fromUtf16(bytes.constData() + 2, n - 2, false);
    } else if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        decoded = fromUtf16(bytes.constData() + 2, n - 2, true);
    } else if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        decoded = utf8.decode(QByteArrayView(bytes).sliced(3));
        if (utf8.hasError()) {
            if (error)
                *error = kNotText;
            return false;
        }
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        decoded = utf8.decode(bytes);
        if (utf8.hasError() || decoded.contains(QChar(0))) {
            QStringDecoder hebrew("windows-1255", QStringConverter::Flag::Stateless);
            decoded = hebrew.isValid() ? QString(hebrew.decode(bytes)) : QString();
            if (!hebrew.isValid() || hebrew.hasError() || looksLossy(decoded)) {
                if (error)
                    *error = kNotText;
                return false;
            }
        }
    }
    // A decoder makes room for the worst case, a unit for every byte; given back now,
    // while the text is not shared, it costs no copy.
    decoded.squeeze();
    *text = normaliseLineBreaks(decoded);
    return true;
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.resize(2 + text.size() * 2);
    out[0] = '\xFF';
    out[1] = '\xFE';
    qToLittleEndian<char16_t>(text.utf16(), text.size(), out.data() + 2);
    return out;
}

bool readFile(const QString &path, QString *text, QString *error, bool *asWritten)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("לא ניתן לפתוח את הקובץ %1: %2").arg(path, file.errorString());
        return false;
    }
    const auto readFailed = [&] {
        if (error)
            *error = QStringLiteral("לא ניתן לקרוא את הקובץ %1: %2").arg(path, file.errorString());
        return false;
    };
    // The program's own format goes straight into the text: a long document then
    // passes through memory once.
    if (!file.isSequential() && file.peek(2) == QByteArrayView("\xFF\xFE")) {
        const qint64 size = file.size();
        QString read((size - 2) / 2, Qt::Uninitialized); // an odd trailing byte is dropped
        const qint64 got = file.skip(2) == 2 ? file.read(reinterpret_cast<char *>(read.data()), read.size() * 2) : -1;
        if (got < 0)
            return readFailed();
        read.truncate(got / 2);
        qFromLittleEndian<char16_t>(read.constData(), read.size(), read.data());
        *text = normaliseLineBreaks(read);
        if (asWritten)
            *asWritten = size == 2 + 2 * text->size() && got == size - 2;
        return true;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return readFailed();
    QString reason;
    if (!decode(bytes, text, &reason)) {
        if (error)
            *error = QStringLiteral("%1\n%2").arg(path, reason);
        return false;
    }
    // Only a changed line break changes the length.
    if (asWritten)
        *asWritten = bytes.startsWith("\xFF\xFE") && bytes.size() == 2 + 2 * text->size();
    return true;
}

bool writeFile(const QString &path, const QString &text, QString *error)
{
    QString reason;
    if (SafeSave::writeAll(path, encode(text), &reason))
        return true;
    if (error)
        *error = QStringLiteral("לא ניתן לשמור את הקובץ %1: %2").arg(path, reason);
    return false;
}

} // namespace DocumentFormat
