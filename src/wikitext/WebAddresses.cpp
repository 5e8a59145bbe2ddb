#include "wikitext/WebAddresses.h"

#include "hebrew/Hebrew.h"

namespace {

const QString kWiktionary = QStringLiteral("https://he.wiktionary.org");
const QString kRecentChanges = QStringLiteral("/w/index.php?title=Special:Recentchanges&action=purge");
const QChar kQuote = u'"';

std::function<QDateTime()> &presetClock()
{
    static std::function<QDateTime()> c;
    return c;
}

void appendUtf8Hex(QString &out, QChar c)
{
    for (const char byte : QString(c).toUtf8())
        out += QLatin1Char('%') + QString::number(static_cast<unsigned char>(byte), 16).rightJustified(2, u'0');
}

bool isEncodedPoint(char16_t u)
{
    return (u >= 0x05B0 && u <= 0x05B9) || u == 0x05BB || u == 0x05BC || u == 0x05BF || u == 0x05C1 || u == 0x05C2;
}

QString quoted(const QString &text)
{
    return kQuote + text + kQuote;
}

QString withoutEquals(QString text)
{
    return text.remove(u'=');
}

} // namespace

QDateTime WikiClock::nowUtc()
{
    return presetClock() ? presetClock()().toUTC() : QDateTime::currentDateTimeUtc();
}

void WikiClock::setForTesting(std::function<QDateTime()> c)
{
    presetClock() = std::move(c);
}

namespace WebAddresses {

// A title or query value keeps every character the user typed: the ones that
// would end it or change its meaning in an address are written as escapes. The
// rest, Hebrew included, is left for the address layer to encode.
QString escapeInAddress(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'%':
            out += QLatin1String("%25");
            break;
        case u'"':
            out += QLatin1String("%22");
            break;
        case u'&':
            out += QLatin1String("%26");
            break;
        case u'#':
            out += QLatin1String("%23");
            break;
        case u'?':
            out += QLatin1String("%3F");
            break;
        case u'+':
            out += QLatin1String("%2B");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString percentEncodeHebrew(const QString &text)
{
    static const QString punctuation = QStringLiteral("-():.,?!;");
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x05D0 && u <= 0x05EA) || isEncodedPoint(u) || u == Hebrew::Maqaf)
            appendUtf8Hex(out, c);
        else if (u == u' ')
            out += u'+';
        else if (u == u'"' || punctuation.contains(c))
            appendUtf8Hex(out, c);
        else if (u >= 0x41 && u <= 0x7A) // only ASCII: U+0441 "с" is not "A"
            out += c;
    }
    return out;
}

QString formatWikiTimestamp(const QDateTime &time)
{
    return time.toUTC().toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString formatWikiTimestamp()
{
    return formatWikiTimestamp(WikiClock::nowUtc());
}

JumpKind jumpKindFor(const QString &query)
{
    if (query.isEmpty())
        return JumpKind::RecentChanges;
    if (query.startsWith(u'=') && !withoutEquals(query).isEmpty())
        return JumpKind::Edit;
    return JumpKind::Read;
}

JumpHints jumpHintsFor(const QString &query)
{
    JumpHints hints;
    switch (jumpKindFor(query)) {
    case JumpKind::RecentChanges:
        hints.jump = QStringLiteral("שינויים אחרונים (F5)");
        return hints;
    case JumpKind::Edit:
        hints.jump = QStringLiteral("ערוך בוויקימילון את ") + quoted(withoutEquals(query));
        break;
    case JumpKind::Read:
        hints.jump = QStringLiteral("חפש בוויקימילון את ") + quoted(query);
        break;
    }
    hints.wikipedia = QStringLiteral("חפש בוויקיפדיה את ") + quoted(query);
    hints.google = QStringLiteral("חפש בגוגל את ") + quoted(query);
    hints.commons = QStringLiteral("חפש בוויקישיתוף את ") + quoted(query);
    return hints;
}

std::optional<NamespaceExpansion> expandNamespacePrefix(const QString &text)
{
    static const struct
    {
        QString abbreviation, full;
    } table[] = {
        {QStringLiteral("ק:"), QStringLiteral("קטגוריה:")},     {QStringLiteral("ו:"), QStringLiteral("ויקימילון:")},
        {QStringLiteral("מ:"), QStringLiteral("משתמש:")},       {QStringLiteral("ש:"), QStringLiteral("שיחה:")},
        {QStringLiteral("שמ:"), QStringLiteral("שיחת משתמש:")}, {QStringLiteral("ת:"), QStringLiteral("תבנית:")},
    };
    for (const auto &row : table) {
        // Only the leading abbreviation is written out: the same letters further
        // on belong to the title.
        if (text.startsWith(row.abbreviation))
            return NamespaceExpansion{row.full + text.mid(row.abbreviation.size()), int(row.full.size())};
    }
    return std::nullopt;
}

QString jumpAddress(const QString &query)
{
    switch (jumpKindFor(query)) {
    case JumpKind::RecentChanges:
        return recentChangesAddress(false, QString());
    case JumpKind::Edit:
        return editAddress(withoutEquals(query));
    case JumpKind::Read:
        break;
    }
    return kWiktionary + QStringLiteral("/wiki/") + escapeInAddress(query);
}

QString editAddress(const QString &title)
{
    return kWiktionary + QStringLiteral("/w/index.php?title=") + escapeInAddress(title)
        + QStringLiteral("&action=edit");
}

QString recentChangesAddress(bool keepTime, const QString &lastVisit)
{
    // "0" and "1" say only whether the time is kept; a real time has 14 digits.
    if (!keepTime || lastVisit.size() < 3)
        return kWiktionary + kRecentChanges;
    return kWiktionary + kRecentChanges + QStringLiteral("&from=") + escapeInAddress(lastVisit);
}

QString wikipediaAddress(const QString &source)
{
    const QString title = escapeInAddress(Hebrew::stripVowelPoints(source));
    if (title.isEmpty())
        return QString();
    const char16_t low = title.at(0).unicode() & 0xFF;
    const QString language = (low >= 0x41 && low <= 0x7A) ? QStringLiteral("en") : QStringLiteral("he");
    return QStringLiteral("https://%1.wikipedia.org/wiki/").arg(language) + title;
}

QString googleAddress(const QString &query)
{
    if (query.isEmpty())
        return QString();
    return QStringLiteral("https://www.google.com/search?hl=en&q=") + percentEncodeHebrew(query);
}

QString commonsSearchAddress(const QString &query)
{
    if (query.isEmpty())
        return QString();
    return QStringLiteral("https://commons.wikimedia.org/wiki/Special:MediaSearch?q=") + escapeInAddress(query)
        + QStringLiteral("&t=r&z=30");
}

} // namespace WebAddresses
