#include "wikitext/DocumentFormat.h"

#include "wikitext/SafeSave.h"

#include <QFile>
#include <QStringDecoder>

namespace DocumentFormat {

namespace {

const QString kNotText = QStringLiteral("הקובץ אינו קובץ טקסט שניתן לקרוא.");

QString fromUtf16(const char *data, qsizetype bytes, bool bigEndian)
{
    const qsizetype units = bytes / 2; // an odd trailing byte is dropped
    QString result(units, Qt::Uninitialized);
    const auto *src = reinterpret_cast<const uchar *>(data);
    char16_t *dst = reinterpret_cast<char16_t *>(result.data());
    for (qsizetype i = 0; i < units; ++i) {
        const uchar a = src[2 * i], b = src[2 * i + 1];
        dst[i] = bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
    }
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

} // namespace

QString normaliseLineBreaks(const QString &text)
{
    // Fast path: a text that already has only CR LF is returned untouched.
    bool clean = true;
    const qsizetype n = text.size();
    const QChar *p = text.constData();
    for (qsizetype i = 0; i < n && clean; ++i) {
        const char16_t u = p[i].unicode();
        if (u == u'\r') {
            if (i + 1 < n && p[i + 1] == u'\n')
                ++i;
            else
                clean = false;
        } else if (u == u'\n' || u == 0x2028) {
            clean = false;
        }
    }
    if (clean)
        return text;

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
    *text = normaliseLineBreaks(decoded);
    return true;
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.resize(2 + text.size() * 2);
    auto *dst = reinterpret_cast<uchar *>(out.data());
    dst[0] = 0xFF;
    dst[1] = 0xFE;
    const QChar *src = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = src[i].unicode();
        dst[2 + 2 * i] = uchar(u & 0xFF);
        dst[3 + 2 * i] = uchar(u >> 8);
    }
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
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("לא ניתן לקרוא את הקובץ %1: %2").arg(path, file.errorString());
        return false;
    }
    QString reason;
    if (!decode(bytes, text, &reason)) {
        if (error)
            *error = QStringLiteral("%1\n%2").arg(path, reason);
        return false;
    }
    // Decoding little-endian units copies them; only a changed line break changes the length.
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
