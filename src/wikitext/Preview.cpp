#include "wikitext/Preview.h"

#include "wikitext/Hebrew.h"
#include "wikitext/WebAddresses.h"

namespace Preview {

namespace {

// The part before `mark`, when there is one.
QString before(const QString &title, const QString &mark)
{
    const qsizetype at = title.indexOf(mark);
    return at < 0 ? title : title.first(at).trimmed();
}

// The title of an ordinary entry: its first heading without points, qualifiers or a
// template after it.
QString entryTitle(const QString &text)
{
    const qsizetype open = text.indexOf(QStringLiteral("=="));
    const qsizetype close = text.indexOf(QStringLiteral("==\r\n"));
    if (open < 0 || close < open + 2)
        return {};
    QString title = Hebrew::stripVowelPoints(text.sliced(open + 2, close - open - 2));
    title = before(title, QStringLiteral(" {"));
    title = before(title, QStringLiteral(" ("));
    return title.trimmed();
}

} // namespace

PreviewResult prepare(const QString &text)
{
    PreviewResult result;
    result.text = text;
    QString title;
    if (!text.contains(QStringLiteral("נטיות פעלים|שורש="))) {
        title = entryTitle(text);
    } else {
        const QString key = QStringLiteral("שורש=");
        const qsizetype at = text.indexOf(key) + key.size();
        qsizetype end = text.indexOf(QStringLiteral("\r\n"), at);
        if (end < 0)
            end = text.size();
        const QString root = text.sliced(at, end - at).remove(u'-').trimmed();
        // Without a root there is neither a category letter nor a category page.
        if (root.isEmpty()) {
            result.status = PreviewResult::NoRoot;
            return result;
        }
        const QString none = QStringLiteral("=-אין-\r\n");
        result.text.replace(QStringLiteral("=\r\n|"), none + u'|');
        result.text.replace(QStringLiteral("=\r\n}}"), none + QStringLiteral("}}"));
        result.text.replace(QStringLiteral("=\r\n\r\n"), none + QStringLiteral("\r\n"));
        result.text.replace(QStringLiteral("קטגוריה:אות"), QStringLiteral("קטגוריה:") + root.at(0));
        title = QStringLiteral("קטגוריה:") + root + QStringLiteral(" (שורש)");
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
