#include "dialogs/translations/logic/Translations.h"

#include "entry/EntryText.h"

#include <algorithm>

namespace Translations {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kTemplateStart = QStringLiteral("{{תרגומים|");
const QString kTranslation = QStringLiteral("{{ת|");

// Spaces around the commas go, and the commas become the template's separators.
QString templateWords(QString words)
{
    words.replace(QStringLiteral(" , "), QStringLiteral(","));
    words.replace(QStringLiteral(" ,"), QStringLiteral(","));
    words.replace(QStringLiteral(", "), QStringLiteral(","));
    words.replace(u',', u'|');
    return words;
}

// One line of the template, without its line break, as a row; nothing when it
// names no language or no words.
std::optional<TranslationRow> readLine(QString line)
{
    line.remove(QStringLiteral("* "));
    line.remove(u'*');
    const qsizetype colon = line.indexOf(u':');
    const QString language = colon < 0 ? QString() : line.left(colon);
    line.remove(language + QStringLiteral(": "));
    line.remove(kTranslation + language + u'|');
    line.remove(QStringLiteral("}}"));
    line.replace(u'|', QStringLiteral(", "));
    TranslationRow row{EntryText::trim(line), EntryText::trim(language)};
    if (row.words.isEmpty() || row.language.isEmpty())
        return std::nullopt;
    return row;
}

} // namespace

const QStringList &languages()
{
    static const QStringList list{
        "אנגלית",   "אוזבקית",  "אורדו",     "אזרית",     "איטלקית", "אינדונזית", "איסלנדית", "אלבנית",      "אסטונית",
        "אספרנטו",  "אפריקנס",  "אמהרית",    "ארמנית",    "בולגרית", "בוסנית",    "בלרוסית",  "בנגלית",      "בסקית",
        "גאורגית",  "גרוזינית", "גרמנית",    "דנית",      "הולנדית", "הונגרית",   "הינדי",    "וולשית",      "ויאטנמית",
        "ולונית",   "יוונית",   "טוק פיסין", "יידיש",     "כורדית",  "יפנית",     "לדינו",    "לוקסמבורגית", "לטבית",
        "לטינית",   "ליטאית",   "מלאית",     "מלגשית",    "נורבגית", "סווהילי",   "סינית",    "סלובנית",     "סלובקית",
        "ספרדית",   "ערבית",    "פולנית",    "פורטוגלית", "פינית",   "פרסית",     "צ'כית",    "צ'צ'נית",     "צרפתית",
        "קוריאנית", "קטלאנית",  "קרואטית",   "רומנית",    "רוסית",   "שבדית",     "תאית",     "תורכית",
    };
    return list;
}

const QString ArabicMarks = QStringLiteral("\u064B\u064F\u0650\u064D\u0652\u0651\u064E");

QString removeArabicMarks(QString words)
{
    words.removeIf([](QChar c) { return ArabicMarks.contains(c); });
    return words;
}

// Words of white space alone would leave an empty translation in the template.
Added add(QList<TranslationRow> &rows, const QString &language, const QString &typedWords)
{
    const QString words = EntryText::trim(removeArabicMarks(typedWords));
    if (words.isEmpty() || language.isEmpty())
        return Added::Nothing;
    for (TranslationRow &row : rows) {
        if (row.language == language) {
            row.words += QStringLiteral(", ") + words;
            return Added::Extended;
        }
    }
    rows.append({words, language});
    return Added::NewRow;
}

void sort(QList<TranslationRow> &rows, int column)
{
    std::stable_sort(rows.begin(), rows.end(), [column](const TranslationRow &a, const TranslationRow &b) {
        return column == WordsColumn ? QString::localeAwareCompare(a.words, b.words) < 0
                                     : QString::localeAwareCompare(a.language, b.language) < 0;
    });
}

QString write(const QList<TranslationRow> &rows)
{
    const qsizetype n = rows.size();
    const qsizetype half = n / 2 + n % 2;
    QString text = kTemplateStart + kLineBreak;
    for (qsizetype i = 0; i < n; ++i) {
        const TranslationRow &row = rows.at(i);
        text += QStringLiteral("* ") + row.language + QStringLiteral(": ") + kTranslation + row.language + u'|'
            + templateWords(row.words) + QStringLiteral("}}") + kLineBreak;
        if (i + 1 == half && n > 5)
            text += u'|' + kLineBreak;
    }
    return text + QStringLiteral("}}");
}

EditorState writeInPlace(const EditorState &state, const QString &written)
{
    const bool endsLine = state.selLength >= 2 && state.selectedText().endsWith(kLineBreak);
    return replaceSelection(state, endsLine ? written + kLineBreak : written);
}

std::optional<QList<TranslationRow>> read(const QString &selection, int sortColumn)
{
    if (!selection.contains(kTranslation))
        return std::nullopt;
    QString s = selection;
    // Bare lines of a template get the line break the last of them lacks.
    if (!s.contains(QStringLiteral("תרגומים|")))
        s += kLineBreak;
    s.remove(kTemplateStart + kLineBreak);
    s.replace(QStringLiteral("\r\n}}"), kLineBreak);
    s.remove(QStringLiteral("\r\n|"));

    // The lines a pattern ".+\r\n" takes, "." crossing no LF: every non-empty line
    // that a CR LF ends.
    QList<TranslationRow> rows;
    qsizetype from = 0;
    for (qsizetype lf = s.indexOf(u'\n'); lf >= 0; from = lf + 1, lf = s.indexOf(u'\n', from)) {
        if (lf - from < 2 || s.at(lf - 1) != u'\r')
            continue;
        if (const std::optional<TranslationRow> row = readLine(s.mid(from, lf - 1 - from)))
            rows.append(*row);
    }
    sort(rows, sortColumn);
    return rows;
}

} // namespace Translations
