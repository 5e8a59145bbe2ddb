#include "wikitext/LiveAnalysis.h"

#include "entry/EntryText.h"
#include "wikitext/Hebrew.h"
#include "wikitext/Markup.h"
#include "wikitext/RootKey.h"

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

EditorState rootLink(const EditorState &state, bool *changed)
{
    EditorState result = state;
    const bool converted = rootLinkStep(result);
    if (changed)
        *changed = converted;
    if (!converted)
        return result;
    // A link holds no "@", so every further step uses up two of them and the
    // repetition ends; the caret stays after the first link.
    EditorState next = result;
    while (rootLinkStep(next)) { }
    next.selStart = result.selStart;
    next.selLength = 0;
    return next;
}

} // namespace LiveAnalysis
