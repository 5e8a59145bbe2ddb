#include "wikitext/LiveAnalysis.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"
#include "wikitext/Markup.h"
#include "wikitext/RootKey.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace LiveAnalysis {

namespace {

const QChar kAt = QLatin1Char('@');
const QChar kMaqaf = QChar(Hebrew::Maqaf);

} // namespace

QString characterCountText(qint64 length, const QLocale &locale)
{
    // The C locale leaves out group separators unless asked; the count always groups.
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return QStringLiteral("[ ") + grouping.toString(length) + QStringLiteral(" תווים ]");
}

qint64 editorTextLength(qint64 characterCount, qint64 blockCount)
{
    // Every separator but the last stands for a CR LF pair.
    return characterCount - 1 + (blockCount - 1);
}

QString rootLinkFor(const QString &between)
{
    const std::optional<RootKey> key = Roots::readKey(between);
    if (!key)
        return QString();
    const QString &base = key->letters;
    const QString &index = key->distinguishing;
    QString name = base;
    name.remove(QChar(Hebrew::ShinDot));
    name.remove(QChar(Hebrew::SinDot));
    name.remove(QChar(Hebrew::Dagesh));
    QString shown = Roots::joinLetters(base, kMaqaf);
    if (index.isEmpty())
        return QStringLiteral("[[:קטגוריה:") + name + QStringLiteral(" (שורש)|") + shown + QStringLiteral("]]");
    shown.replace(QString(kMaqaf) + QLatin1Char(' '), QStringLiteral(" "));
    return QStringLiteral("[[:קטגוריה:") + name + index + QStringLiteral(" (שורש)|") + shown + QStringLiteral("<small>")
        + index + QStringLiteral("</small>]]");
}

bool rootLinkStep(EditorState &state)
{
    const qsizetype first = state.text.indexOf(kAt);
    if (first < 0)
        return false;
    const qsizetype second = state.text.indexOf(kAt, first + 1);
    const QString between = second < 0 ? QString() : state.text.mid(first + 1, second - first - 1);
    const QString link = rootLinkFor(between);
    if (link.isEmpty())
        return false;
    // Nothing before the first "@" changes, so the first link starts where it stood.
    state.text.replace(kAt + between + kAt, link);
    state.selStart = int(first + link.size());
    state.selLength = 0;
    return true;
}

// The steps are worked out on the "@" signs of the starting text instead of being run
// one after the other, each from the start of the whole text. A link holds no "@",
// so the signs of the text at any step are some of the starting ones, and "@R@" can
// only stand on two of them that follow each other. When both are still there, what
// stands between them is what stood there at the start; when a sign between them
// has been used up, it is a link with more around it, and never a root (its
// "[[:קטגוריה:" alone is longer than any). So a step's pair is the first unused sign
// and the one after it, and the step uses up, in order, every pair of neighbouring
// unused signs that held the same root at the start.
EditorState rootLink(const EditorState &state, bool *changed)
{
    if (changed)
        *changed = false;
    const QString &text = state.text;
    QList<qsizetype> signs;
    for (qsizetype at = text.indexOf(kAt); at >= 0; at = text.indexOf(kAt, at + 1))
        signs.append(at);
    const qsizetype count = signs.size();
    auto between = [&](qsizetype sign) {
        return QStringView(text).sliced(signs.at(sign) + 1, signs.at(sign + 1) - signs.at(sign) - 1);
    };
    // Pairs of neighbouring signs that hold the same text are chained in text order.
    QHash<QStringView, qsizetype> lastHolding;
    QList<qsizetype> nextHoldingSame(count, -1);
    for (qsizetype sign = 0; sign + 1 < count; ++sign) {
        auto last = lastHolding.find(between(sign));
        if (last == lastHolding.end()) {
            lastHolding.insert(between(sign), sign);
        } else {
            nextHoldingSame[last.value()] = sign;
            last.value() = sign;
        }
    }

    QList<bool> used(count, false);
    QList<qsizetype> linkOf(count, -1); // for the first sign of a converted pair
    QStringList links;
    for (qsizetype first = 0;; ++first) {
        while (first < count && used.at(first))
            ++first;
        if (first + 1 >= count || used.at(first + 1))
            break;
        const QStringView root = between(first);
        const QString link = rootLinkFor(root.toString());
        if (link.isEmpty())
            break;
        links.append(link);
        // The first pair is the first of its chain, as any earlier one is used up;
        // afterwards none of the chain is left whole, so no chain is walked twice.
        for (qsizetype sign = first; sign >= 0; sign = nextHoldingSame.at(sign)) {
            if (used.at(sign) || used.at(sign + 1))
                continue;
            used[sign] = used[sign + 1] = true;
            linkOf[sign] = links.size() - 1;
        }
    }
    if (links.isEmpty())
        return state;

    QString result;
    result.reserve(text.size() + text.size() / 4);
    qsizetype copied = 0;
    for (qsizetype sign = 0; sign < count; ++sign) {
        if (linkOf.at(sign) < 0)
            continue;
        result.append(QStringView(text).sliced(copied, signs.at(sign) - copied));
        result.append(links.at(linkOf.at(sign)));
        copied = signs.at(sign + 1) + 1;
    }
    result.append(QStringView(text).sliced(copied));
    if (changed)
        *changed = true;
    // Nothing before the first sign changes, so the first link starts where it stood.
    return {result, int(signs.first() + links.first().size()), 0};
}

} // namespace LiveAnalysis
