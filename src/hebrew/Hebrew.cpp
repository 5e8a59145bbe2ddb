#include "hebrew/Hebrew.h"

namespace Hebrew {

const QString Letters = QStringLiteral("אבגדהוזחטיכלמנסעפצקרשת");
const QString FinalLetters = QStringLiteral("ךםןףץ");
const QString Points = QStringLiteral(
    "\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05C2\u05C1\u05B9\u05BC\u05BB");

bool isLetter(QChar c)
{
    return Letters.contains(c);
}

bool isFinalLetter(QChar c)
{
    return FinalLetters.contains(c);
}

bool isPoint(QChar c)
{
    return Points.contains(c);
}

QChar finalToBase(QChar c)
{
    switch (c.unicode()) {
    case 0x05DA:
        return QChar(0x05DB);
    case 0x05DD:
        return QChar(0x05DE);
    case 0x05DF:
        return QChar(0x05E0);
    case 0x05E3:
        return QChar(0x05E4);
    case 0x05E5:
        return QChar(0x05E6);
    default:
        return c;
    }
}

const QString &pointClass()
{
    static const QString c = QLatin1Char('[') + Points + QLatin1Char(']');
    return c;
}

QString stripVowelPoints(const QString &text)
{
    // Removing the points one after the other, as the order of removal is given,
    // leaves the same text as one pass that drops every one of them.
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!isPoint(c))
            out += c;
    }
    return out;
}

} // namespace Hebrew
