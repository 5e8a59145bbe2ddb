#include "wikitext/Preview.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"
#include "wikitext/WebAddresses.h"

#include <optional>

namespace Preview {

namespace {

const QString kVerbTemplate = QStringLiteral("{{נטיות פעלים");
const QString kSecondary = QStringLiteral("{{משני|");

bool isSpace(QChar c)
{
    return c.unicode() < 33;
}

// The part before `mark`, when there is one.
QString before(const QString &title, const QString &mark)
{
    const qsizetype at = title.indexOf(mark);
    return at < 0 ? title : title.first(at).trimmed();
}

// A link shows its caption, or its target when it has none; brackets never stand in a title.
QString withLinksShown(QString value)
{
    for (qsizetype open = value.indexOf(QStringLiteral("[[")); open >= 0;
         open = value.indexOf(QStringLiteral("[["), open)) {
        const qsizetype close = value.indexOf(QStringLiteral("]]"), open + 2);
        if (close < 0)
            break;
        QString inside = value.sliced(open + 2, close - open - 2);
        inside = inside.sliced(inside.lastIndexOf(u'|') + 1);
        value.replace(open, close + 2 - open, inside);
        open += inside.size();
    }
    return value;
}

// The title of an ordinary entry: its first heading without points, qualifiers or a
// template after it. The heading is the line of the text's first "==", up to the
// last "==" of that line; spaces after it do not carry the title into the next lines.
QString entryTitle(const QString &text)
{
    // A hidden note is no part of the page.
    const qsizetype open = EntryText::indexOutsideNotes(text, QStringLiteral("=="), 0);
    if (open < 0)
        return {};
    qsizetype lineEnd = open;
    while (lineEnd < text.size() && text.at(lineEnd) != u'\r' && text.at(lineEnd) != u'\n')
        ++lineEnd;
    // A hidden note on the heading's line is no part of it either.
    const QString heading = EntryText::withoutNotes(text.sliced(open, lineEnd - open));
    qsizetype close = heading.size();
    while (close > 0 && isSpace(heading.at(close - 1)))
        --close;
    close -= 2;
    if (close < 2 || QStringView(heading).sliced(close, 2) != u"==")
        return {};
    // Equals signs beyond the two on each side ("=== x ===") belong to the heading too.
    qsizetype from = 2;
    while (from < close && heading.at(from) == u'=')
        ++from;
    while (close > from && heading.at(close - 1) == u'=')
        --close;
    QString title = withLinksShown(Hebrew::stripVowelPoints(heading.sliced(from, close - from)));
    // A secondary headword ("{{משני|שָׁלוֹם}}") is the title itself, not a template after it.
    if (const qsizetype secondary = title.indexOf(kSecondary); secondary >= 0) {
        title.remove(secondary, kSecondary.size());
        const qsizetype closing = title.indexOf(QStringLiteral("}}"), secondary);
        if (closing >= 0)
            title.remove(closing, 2);
    }
    title = before(title, QStringLiteral(" {"));
    title = before(title, QStringLiteral(" ("));
    return title.trimmed();
}

// Where the template opened at `start` closes: its "}}", nested templates counted, or
// the end of the text.
qsizetype templateClose(const QString &text, qsizetype start)
{
    int depth = 0;
    for (qsizetype i = start; i + 1 < text.size(); ++i) {
        const QStringView pair = QStringView(text).sliced(i, 2);
        if (pair == u"{{") {
            ++depth;
            ++i;
        } else if (pair == u"}}") {
            if (--depth == 0)
                return i;
            ++i;
        }
    }
    return text.size();
}

// The value of the verb template's root parameter, wherever the parameter stands in
// it (on the template's first line or on a line of its own); nothing when no verb
// template has one.
std::optional<QString> rootParameter(const QString &text)
{
    // One hidden in a note is not the page's.
    for (qsizetype at = EntryText::indexOutsideNotes(text, kVerbTemplate, 0); at >= 0;
         at = EntryText::indexOutsideNotes(text, kVerbTemplate, at + 1)) {
        const qsizetype close = templateClose(text, at);
        int depth = 0;
        qsizetype param = -1;
        // Each parameter of the template's own, from its bar to the next one or the end.
        for (qsizetype i = at + 2; i <= close; ++i) {
            const bool last = i == close;
            if (!last && (text.at(i) == u'{' || text.at(i) == u'[')) {
                ++depth;
                continue;
            }
            if (!last && (text.at(i) == u'}' || text.at(i) == u']') && depth > 0) {
                --depth;
                continue;
            }
            if (last || (text.at(i) == u'|' && depth == 0)) {
                if (param >= 0) {
                    const QString p = text.sliced(param, i - param);
                    const qsizetype equals = p.indexOf(u'=');
                    if (equals >= 0 && p.first(equals).trimmed() == QStringLiteral("שורש"))
                        return p.sliced(equals + 1);
                }
                param = i + 1;
            }
        }
    }
    return std::nullopt;
}

// The root as its category names it: without maqaf or hyphens, without markup, a
// distinguishing letter after a space ("ס־פ־ר <small>א</small>" is "ספר א").
QString rootName(QString value)
{
    value.remove(u'-');
    value.remove(QChar(Hebrew::Maqaf));
    for (qsizetype open = value.indexOf(u'<'); open >= 0; open = value.indexOf(u'<', open)) {
        const bool comment = QStringView(value).sliced(open).startsWith(u"<!--");
        qsizetype close = comment ? value.indexOf(QStringLiteral("-->"), open) : value.indexOf(u'>', open);
        close = close < 0 ? value.size() : close + (comment ? 3 : 1);
        value.replace(open, close - open, u' ');
    }
    value.remove(QStringLiteral("'''"));
    value.remove(QStringLiteral("''"));
    return withLinksShown(value).simplified();
}

// "-אין-" after every "=" that ends a line before a parameter, the template's close or
// a blank line: an empty parameter. A heading line ends in "=" too, and is left as it is.
void fillEmptyParameters(QString &text)
{
    const QString end = QStringLiteral("=\r\n");
    QString filled;
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(end); at >= 0; at = text.indexOf(end, at + end.size())) {
        const QStringView next = QStringView(text).sliced(at + end.size());
        if (!next.startsWith(u'|') && !next.startsWith(u"}}") && !next.startsWith(u"\r\n"))
            continue;
        const qsizetype lineStart = text.lastIndexOf(u'\n', at) + 1;
        if (text.at(lineStart) == u'=')
            continue;
        filled += QStringView(text).sliced(copied, at + 1 - copied);
        filled += QStringLiteral("-אין-");
        copied = at + 1;
    }
    if (copied > 0)
        text = filled.append(QStringView(text).sliced(copied));
}

} // namespace

PreviewResult prepare(const QString &text)
{
    PreviewResult result;
    result.text = text;
    QString title;
    if (const std::optional<QString> value = rootParameter(text)) {
        const QString root = rootName(*value);
        // Without a root there is neither a category letter nor a category page.
        if (root.isEmpty()) {
            result.status = PreviewResult::NoRoot;
            return result;
        }
        fillEmptyParameters(result.text);
        result.text.replace(QStringLiteral("קטגוריה:אות"), QStringLiteral("קטגוריה:") + root.at(0));
        title = QStringLiteral("קטגוריה:") + root + QStringLiteral(" (שורש)");
    } else {
        title = entryTitle(text);
    }
    if (title.isEmpty()) {
        result.text = text;
        return result;
    }
    result.status = PreviewResult::Open;
    result.address = WebAddresses::editAddress(title);
    return result;
}

} // namespace Preview
