#include "dialogs/stats/logic/EntryStatistics.h"

#include "entry/EntryText.h"
#include "entry/HeadingMatches.h"
#include "hebrew/Hebrew.h"
#include "regex/RegEx.h"

namespace Statistics {

namespace {

const QString &sectionPattern()
{
    static const QString p = QStringLiteral("===[") + Hebrew::Letters + QStringLiteral("םןךףץ].+===");
    return p;
}

// Counts every match from the start, each later one behind the previous and never empty.
qsizetype countMatches(RegEx &regEx, const QString &pattern, QString *failure)
{
    qsizetype count = 0;
    if (regEx.setPattern(pattern)) {
        for (bool found = regEx.first(); found; found = regEx.next())
            ++count;
    }
    if (regEx.failed() && failure->isEmpty())
        *failure = QStringLiteral("הספירה נעצרה באמצע: הטקסט ארוך או מסובך מדי לביטוי הרגולרי.\u200F");
    return count;
}

} // namespace

EntryStatistics compute(RegEx &regEx, const QString &text)
{
    EntryStatistics s;
    s.chars = text.size();
    s.lines = EntryText::countOccurrences(u"\r\n", text) + 1;

    regEx.setSubject(text);
    QString *failure = &s.failure;
    s.articles = countMatches(regEx, HeadingMatches::headwordPattern(), failure);
    s.sections = countMatches(regEx, sectionPattern(), failure);
    s.innerLinks = countMatches(regEx, QStringLiteral("\\Q[[\\E[^:].+\\Q]]\\E"), failure);
    s.outerLinks = countMatches(regEx, QStringLiteral("\\Q[http://\\E.+\\Q]\\E"), failure);
    s.wikipediaLinks = countMatches(regEx, QStringLiteral("\\Q[[w:\\E.+\\Q]]\\E"), failure);
    s.templates = countMatches(regEx, QStringLiteral("\\Q{{\\E.+\\Q}}\\E"), failure);
    s.quotes = countMatches(regEx, QStringLiteral("\\Q{{הדגשה|\\E.+\\Q}}\\E"), failure);
    s.translations = countMatches(regEx, QStringLiteral("\\Q{{ת|\\E.+\\Q}}\\E"), failure);
    s.categories = countMatches(regEx, QStringLiteral("\\Q[[קטגוריה:\\E.+\\Q]]\\E"), failure);
    return s;
}

QList<StatisticsRow> rows(const EntryStatistics &s)
{
    return {
        {QStringLiteral("Chars"), QStringLiteral("תווים:"), s.chars},
        {QStringLiteral("Lines"), QStringLiteral("שורות:"), s.lines},
        {QStringLiteral("Articles"), QStringLiteral("ערכים:"), s.articles},
        {QStringLiteral("Sections"), QStringLiteral("סעיפים:"), s.sections},
        {QStringLiteral("InnerLinks"), QStringLiteral("קישורים פנימיים:"), s.innerLinks},
        {QStringLiteral("OuterLinks"), QStringLiteral("קישורים לאתרים:"), s.outerLinks},
        {QStringLiteral("WikipediaLinks"), QStringLiteral("קישורים לוויקיפדיה:"), s.wikipediaLinks},
        {QStringLiteral("Templates"), QStringLiteral("תבניות:"), s.templates},
        {QStringLiteral("Quotes"), QStringLiteral("ציטוטים מהמקורות:"), s.quotes},
        {QStringLiteral("Translations"), QStringLiteral("תרגומים:"), s.translations},
        {QStringLiteral("Categories"), QStringLiteral("קטגוריות:"), s.categories},
    };
}

} // namespace Statistics
