#include "wikitext/InflectionQuery.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"

#include <QStringList>

#include <algorithm>

namespace InflectionQuery {

namespace {

const QChar Quote(u'"');

// The points of a headword heading line; dagesh and the shin and sin dots alone do not make one.
bool isHeadwordHeading(QStringView line)
{
    static const QString points = QStringLiteral("\u05B0\u05B8\u05B7\u05B3\u05B2\u05B1\u05BB\u05B9\u05B5\u05B6\u05B4");
    if (!line.startsWith(u"=="))
        return false;
    return std::any_of(line.begin(), line.end(), [](QChar c) { return points.contains(c); });
}

// A parameter's value: what follows `key` up to the end of its line, or up to the
// next parameter or the template's end when the template stands on one line.
QString parameterValue(const QString &text, const QString &key, qsizetype from, qsizetype to, bool keepEquals)
{
    const qsizetype at = text.indexOf(key, from);
    if (at < 0 || at >= to)
        return {};
    const qsizetype start = at + key.size() - (keepEquals ? 1 : 0);
    qsizetype end = text.indexOf(EntryText::LineBreak, start);
    if (end < 0)
        end = text.size();
    for (const QString &stop : {QStringLiteral("|"), QStringLiteral("}}")}) {
        const qsizetype s = text.indexOf(stop, start);
        if (s >= 0 && s < end)
            end = s;
    }
    return text.sliced(start, end - start);
}

} // namespace

bool hasInflections(const QString &text)
{
    return text.contains(QStringLiteral("|נטיות="));
}

QString build(const EditorState &state, bool withInflections)
{
    const QString &text = state.text;
    const qsizetype caretEnd = std::clamp<qsizetype>(state.selEnd(), 0, text.size());

    // The nearest headword heading at or above the caret line, and where the next
    // one begins: that entry's own parameters are the ones read.
    qsizetype headingAt = -1;
    qsizetype entryEnd = text.size();
    QString headword;
    for (qsizetype lineStart = 0; lineStart <= text.size();) {
        qsizetype lineEnd = text.indexOf(EntryText::LineBreak, lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView line = QStringView(text).sliced(lineStart, lineEnd - lineStart);
        if (isHeadwordHeading(line)) {
            if (lineStart > caretEnd) {
                entryEnd = lineStart;
                break;
            }
            headingAt = lineStart;
            headword = line.toString();
        }
        if (lineEnd >= text.size())
            break;
        lineStart = lineEnd + EntryText::LineBreak.size();
    }

    QStringList terms;
    QString mark;
    if (headingAt >= 0) {
        headword.remove(QStringLiteral("{{משני|")).remove(QStringLiteral("}}")).remove(u'=');
        headword = headword.trimmed();
        if (headword.contains(u' '))
            mark = Quote;
        if (!headword.isEmpty())
            terms << mark + headword + mark;
    }
    // Without a heading above the caret the whole text is searched.
    const qsizetype from = std::max<qsizetype>(headingAt, 0);
    if (headingAt < 0)
        entryEnd = text.size();
    const QString spelling = EntryText::trim(parameterValue(text, QStringLiteral("כתיב מלא="), from, entryEnd, false));
    if (!spelling.isEmpty())
        terms << mark + spelling + mark;

    if (withInflections && mark.isEmpty()) {
        QString forms = parameterValue(text, QStringLiteral("נטיות="), from, entryEnd, true);
        // Today's entries abbreviate with the geresh where older ones have an apostrophe.
        static const std::pair<const char16_t *, const char16_t *> removals[] = {
            {u";", u""},      {u",", u""},      {u"'", u""},   {u"\u05F3", u""}, {u" או ", u" "},
            {u" וגם ", u" "}, {u" ר ", u" "},   {u"=ר ", u""}, {u"=נ ", u""},    {u" נ ", u" "},
            {u"-", u""},      {u"\u05BE", u""}, {u"=", u""},   {u"}", u""},
        };
        for (const auto &[from_, to] : removals)
            forms.replace(QString::fromUtf16(from_), QString::fromUtf16(to));
        for (const QString &word : forms.split(u' ', Qt::SkipEmptyParts))
            terms << word << Hebrew::stripVowelPoints(word);
    }
    return terms.join(QStringLiteral(" OR "));
}

} // namespace InflectionQuery
