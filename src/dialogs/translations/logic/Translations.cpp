#include "dialogs/translations/logic/Translations.h"

#include "entry/EntryText.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace Translations {

namespace {

const QString kTemplateStart = QStringLiteral("{{תרגומים|");
const QString kTranslation = QStringLiteral("{{ת|");
const QString kCommentOpen = QStringLiteral("<!--");
const QString kCommentClose = QStringLiteral("-->");
// Where a row's line holds a line under it (a dialect's, "*: …" or "** …").
const QString kSubLine = QStringLiteral("\r\n*");

// Spaces around the commas go, and the commas become the template's separators.
QString templateWords(QString words)
{
    words.replace(QStringLiteral(" , "), QStringLiteral(","));
    words.replace(QStringLiteral(" ,"), QStringLiteral(","));
    words.replace(QStringLiteral(", "), QStringLiteral(","));
    words.replace(u',', u'|');
    return words;
}

// Where the translation template starting at `start` ends (behind its "}}"), nested
// templates and links counted; -1 when it is not closed.
qsizetype templateEnd(QStringView text, qsizetype start)
{
    int depth = 0;
    for (qsizetype i = start; i + 1 < text.size(); ++i) {
        const QStringView pair = text.sliced(i, 2);
        if (pair == u"{{" || pair == u"[[") {
            ++depth;
            ++i;
        } else if (pair == u"}}" || (pair == u"]]" && depth > 1)) {
            --depth;
            ++i;
            if (depth == 0)
                return i + 1;
        }
    }
    return -1;
}

// The parameters of a template's inside, split at the bars that are its own.
QStringList parameters(QStringView inside)
{
    QStringList params;
    int depth = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i < inside.size(); ++i) {
        const QStringView pair = inside.sliced(i, std::min<qsizetype>(2, inside.size() - i));
        if (pair == u"{{" || pair == u"[[") {
            ++depth;
            ++i;
        } else if ((pair == u"}}" || pair == u"]]") && depth > 0) {
            --depth;
            ++i;
        } else if (inside.at(i) == u'|' && depth == 0) {
            params.append(inside.sliced(from, i - from).toString());
            from = i + 1;
        }
    }
    params.append(inside.sliced(from).toString());
    return params;
}

// The parameters of the translation template at `start` that ends at `end`: the
// language first, then the words.
QStringList translationParameters(QStringView text, qsizetype start, qsizetype end)
{
    const qsizetype inside = start + kTranslation.size();
    return parameters(text.sliced(inside, end - 2 - inside));
}

// A line's text as the list shows it: each translation template as its words joined
// by ", ", the text around the templates as it stands.
QString shownWords(const QString &line)
{
    QString shown;
    qsizetype from = 0;
    for (qsizetype at = line.indexOf(kTranslation); at >= 0; at = line.indexOf(kTranslation, from)) {
        const qsizetype end = templateEnd(line, at);
        if (end < 0)
            break;
        shown += QStringView(line).sliced(from, at - from);
        QStringList words = translationParameters(line, at, end).mid(1);
        for (QString &word : words)
            word = EntryText::trim(word);
        shown += words.join(QStringLiteral(", "));
        from = end;
    }
    shown += QStringView(line).sliced(from);
    return shown;
}

// One line of the template, without its line break, as a row; nothing when it
// names no language or no words. The language is what stands before the colon, or,
// when the line opens with a translation template, that template's language.
// Direction marks and no-break spaces are blank too: typed around a language's name,
// they must not make it another language.
bool isBlank(QChar c)
{
    return c.unicode() < 33 || c == QChar(0xA0) || c == QChar(0x200E) || c == QChar(0x200F);
}

QString languageName(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text.toString();
}

std::optional<TranslationRow> readLine(const QString &line)
{
    qsizetype i = 0;
    // A line under another may name no language of its own: "*: {{ת|…}}".
    while (i < line.size() && (line.at(i) == u'*' || line.at(i) == u':' || isBlank(line.at(i))))
        ++i;
    const QString rest = EntryText::trim(QStringView(line).sliced(i));
    const qsizetype colon = rest.indexOf(u':');
    const qsizetype first = rest.indexOf(kTranslation);
    TranslationRow row;
    if (colon >= 0 && (first < 0 || colon < first)) {
        row.language = languageName(QStringView(rest).first(colon));
        row.line = EntryText::trim(QStringView(rest).sliced(colon + 1));
    } else if (first == 0) {
        const qsizetype end = templateEnd(rest, 0);
        if (end < 0)
            return std::nullopt;
        row.language = languageName(translationParameters(rest, 0, end).constFirst());
        row.line = rest;
    }
    row.words = EntryText::trim(shownWords(row.line));
    if (row.words.isEmpty() || row.language.isEmpty())
        return std::nullopt;
    return row;
}

bool isSubLine(QStringView line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    return line.size() > 1 && line.at(0) == u'*' && (line.at(1) == u':' || line.at(1) == u'*');
}

QString newTemplate(const QString &language, const QString &words)
{
    return kTranslation + language + u'|' + templateWords(words) + QStringLiteral("}}");
}

// A read line with typed words put at the end of its last translation template in
// that language, so that a note after the template stays after it; a template of
// another language on the line (a dialect, a word it refers to) is not theirs, nor
// is one hidden in a note, nor one on a line under the row's own.
QString withWords(const QString &line, const QString &language, const QString &words)
{
    qsizetype own = line.indexOf(kSubLine);
    if (own < 0)
        own = line.size();
    qsizetype lastEnd = -1;
    for (qsizetype at = QStringView(line).first(own).indexOf(kTranslation); at >= 0;
         at = QStringView(line).first(own).indexOf(kTranslation, at + 1)) {
        const qsizetype end = templateEnd(line, at);
        if (end < 0)
            break;
        if (languageName(translationParameters(line, at, end).constFirst()) == language
            && EntryText::commentEnd(line, at) < 0)
            lastEnd = end;
        at = end - 1;
    }
    if (lastEnd < 0)
        return QString(line).insert(own, QStringLiteral(", ") + newTemplate(language, words));
    // Before the line break of a template closed on a line of its own.
    qsizetype at = lastEnd - 2;
    while (line.at(at - 1).unicode() < 33)
        --at;
    return QString(line).insert(at, u'|' + templateWords(words));
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
            if (!row.line.isEmpty())
                row.line = withWords(row.line, language, words);
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
    QString text = kTemplateStart + EntryText::LineBreak;
    for (qsizetype i = 0; i < n; ++i) {
        const TranslationRow &row = rows.at(i);
        text += QStringLiteral("* ") + row.language + QStringLiteral(": ")
            + (row.line.isEmpty() ? newTemplate(row.language, row.words) : row.line) + EntryText::LineBreak;
        if (i + 1 == half && n > 5)
            text += u'|' + EntryText::LineBreak;
    }
    return text + QStringLiteral("}}");
}

namespace {

// Where the translations template of a selection starts and ends (behind its "}}");
// nothing when the selection holds no whole template.
std::optional<std::pair<qsizetype, qsizetype>> wholeTemplate(const QString &selection)
{
    const qsizetype open = selection.indexOf(kTemplateStart);
    if (open < 0)
        return std::nullopt;
    const qsizetype close = templateEnd(selection, open);
    if (close < 0)
        return std::nullopt;
    return std::pair{open, close};
}

// Where the line starting at `from` ends (its LF): at `lf`, or, when a translation
// template on it is wrapped over the next lines, at the end of the line that closes
// it. A line opening with "*" is a row of its own and never continues a template.
// Selections run to thousands of lines, and each may leave a template open: the next
// row is looked for once per stretch of lines, and a template is followed past its
// line only when the brackets after the line could close it.
class WrappedLines
{
public:
    explicit WrappedLines(const QString &s)
        : m_s(s)
    {
    }

    qsizetype lineEnd(qsizetype from, qsizetype lf)
    {
        for (qsizetype at = QStringView(m_s).first(lf).indexOf(kTranslation, from); at >= 0;
             at = QStringView(m_s).first(lf).indexOf(kTranslation, at + 1)) {
            qsizetype end = templateEnd(QStringView(m_s).first(lf), at);
            if (end < 0) {
                if (!mayCloseAfter(lf))
                    return lf;
                end = templateEnd(QStringView(m_s).first(m_nextRow), at);
                if (end < 0)
                    return lf;
                const qsizetype closingLf = m_s.indexOf(u'\n', end);
                if (closingLf < 0 || m_s.at(closingLf - 1) != u'\r')
                    return lf;
                lf = closingLf;
            }
            at = end - 1;
        }
        return lf;
    }

private:
    // Whether a template still open at `lf` can close before the next row. It is open
    // one level deep at least, and no bracket after `lf` closes more than it counts
    // here ("]]" always): so it can only if the count dips below its value at `lf`.
    bool mayCloseAfter(qsizetype lf)
    {
        if (lf >= m_nextRow)
            countStretch(lf);
        return m_dips.at(lf - m_start);
    }

    // Counts the brackets from `lf` to the next row as templateEnd() reads them: a pair
    // of the same bracket, taken from the start of each run of it.
    void countStretch(qsizetype lf)
    {
        m_start = lf;
        m_nextRow = m_s.indexOf(QStringLiteral("\n*"), lf);
        if (m_nextRow < 0)
            m_nextRow = m_s.size();
        std::vector<int> level(m_nextRow - m_start + 1);
        int count = 0;
        for (qsizetype i = m_start; i < m_nextRow;) {
            const char16_t c = m_s.at(i).unicode();
            const bool pair = i + 1 < m_nextRow && m_s.at(i + 1) == c
                && (c == u'{' || c == u'[' || c == u'}' || c == u']');
            level[i - m_start] = count;
            if (pair) {
                level[i + 1 - m_start] = count;
                count += (c == u'{' || c == u'[') ? 1 : -1;
                i += 2;
            } else {
                ++i;
            }
        }
        level.back() = count;
        m_dips.assign(level.size(), false);
        int lowest = count;
        for (qsizetype k = qsizetype(level.size()) - 1; k >= 0; --k) {
            lowest = std::min(lowest, level[k]);
            m_dips[k] = lowest < level[k];
        }
    }

    const QString &m_s;
    qsizetype m_start = 0;
    qsizetype m_nextRow = -1;
    std::vector<bool> m_dips;
};

// Where the line ending at `lf` ends when a hidden note opened on it closes on a later
// line: at the end of the line that closes it, so the note is kept whole and the lines
// in it are not read as rows. `unclosedFrom` remembers where a search for a close
// failed, so that none is made twice over the same text.
qsizetype commentLineEnd(const QString &s, qsizetype from, qsizetype lf, qsizetype &unclosedFrom)
{
    // Each search stops at the line: selections run to thousands of lines.
    for (qsizetype open = QStringView(s).first(lf).indexOf(kCommentOpen, from); open >= 0;
         open = QStringView(s).first(lf).indexOf(kCommentOpen, from)) {
        if (open >= unclosedFrom)
            return lf;
        const qsizetype close = s.indexOf(kCommentClose, open + kCommentOpen.size());
        if (close < 0) {
            unclosedFrom = open;
            return lf;
        }
        from = close + kCommentClose.size();
        if (from > lf) {
            const qsizetype closingLf = s.indexOf(u'\n', from);
            if (closingLf < 0 || s.at(closingLf - 1) != u'\r')
                return lf;
            lf = closingLf;
        }
    }
    return lf;
}

// The translations template of the text that the selection holds a part of (its rows,
// its first or its last line) without holding it whole; nothing when there is none.
std::optional<std::pair<qsizetype, qsizetype>> enclosingTemplate(const EditorState &state)
{
    qsizetype open = state.text.indexOf(kTemplateStart, state.selStart);
    if (open < 0 || open >= state.selEnd())
        open = state.text.lastIndexOf(kTemplateStart, state.selStart);
    if (open < 0 || EntryText::commentEnd(state.text, open) >= 0)
        return std::nullopt;
    const qsizetype close = templateEnd(state.text, open);
    if (close <= state.selStart || open + kTemplateStart.size() > state.selEnd())
        return std::nullopt;
    return std::pair{open, close};
}

} // namespace

EditorState writeInPlace(const EditorState &given, const QString &written)
{
    // A selection dragged to between the two braces of its template's "}}" holds the
    // close: one brace left behind would leave the template unclosed.
    EditorState state = given;
    const auto bounds = enclosingTemplate(state);
    if (bounds && state.selEnd() == bounds->second - 1)
        ++state.selLength;
    // What the selection holds around a whole template (a heading above it, the blank
    // line after it) is the user's and stays.
    const QString selection = state.selectedText();
    if (const auto whole = wholeTemplate(selection))
        return replaceSelection(state, selection.first(whole->first) + written + selection.sliced(whole->second));
    const bool endsLine = state.selLength >= 2 && selection.endsWith(EntryText::LineBreak);
    // A caret at the start of a line leaves that line a line of its own (a heading
    // after a "}}" would be none).
    const bool beforeLine = state.selLength == 0 && state.selStart < state.text.size()
        && (state.selStart == 0 || state.text.at(state.selStart - 1) == u'\n')
        && !QStringView(state.text).sliced(state.selStart).startsWith(EntryText::LineBreak);
    QString text = written;
    // Rows selected inside a template are written as rows: the template's first line
    // and its "}}" are written only when the selection holds them, so that they are
    // never doubled. The column break belongs to the whole template, not to a part.
    const QString head = kTemplateStart + EntryText::LineBreak;
    if (bounds && text.startsWith(head) && text.endsWith(u"}}")) {
        const bool holdsOpen = bounds->first >= state.selStart;
        const bool holdsClose = bounds->second <= state.selEnd();
        text = text.sliced(head.size(), text.size() - head.size() - 2);
        if (const qsizetype columnBreak = (EntryText::LineBreak + text).indexOf(QStringLiteral("\r\n|\r\n"));
            columnBreak >= 0)
            text.remove(columnBreak, 3);
        if (holdsOpen)
            text.prepend(state.text.sliced(state.selStart, bounds->first - state.selStart) + head);
        if (holdsClose)
            return replaceSelection(state,
                                    text + QStringLiteral("}}")
                                        + state.text.sliced(bounds->second, state.selEnd() - bounds->second));
        if (!endsLine && !beforeLine)
            text.chop(EntryText::LineBreak.size());
        return replaceSelection(state, text);
    }
    return replaceSelection(state, endsLine || beforeLine ? text + EntryText::LineBreak : text);
}

std::optional<QList<TranslationRow>> read(const QString &selection, int sortColumn)
{
    if (!selection.contains(kTranslation))
        return std::nullopt;
    QString s;
    if (const auto bounds = wholeTemplate(selection)) {
        // Only the template's own lines: its inside, which the first and the last row
        // may share with "{{תרגומים|" and "}}". The column break reads as no row.
        const qsizetype inside = bounds->first + kTemplateStart.size();
        s = selection.sliced(inside, bounds->second - 2 - inside) + EntryText::LineBreak;
    } else {
        s = selection;
        // The last line gets the line break it lacks, also under the template's first
        // line: a row that ends the selection is read, not dropped.
        if (!s.endsWith(EntryText::LineBreak))
            s += EntryText::LineBreak;
        s.remove(kTemplateStart + EntryText::LineBreak);
        s.replace(QStringLiteral("\r\n}}"), EntryText::LineBreak);
        s.remove(QStringLiteral("\r\n|"));
    }

    // The lines a pattern ".+\r\n" takes, "." crossing no LF: every non-empty line
    // that a CR LF ends.
    QList<TranslationRow> rows;
    WrappedLines wrapped(s);
    qsizetype from = 0;
    qsizetype unclosedFrom = s.size();
    for (qsizetype lf = s.indexOf(u'\n'); lf >= 0; from = lf + 1, lf = s.indexOf(u'\n', from)) {
        if (lf - from < 2 || s.at(lf - 1) != u'\r')
            continue;
        lf = commentLineEnd(s, from, wrapped.lineEnd(from, lf), unclosedFrom);
        const QString line = s.mid(from, lf - 1 - from);
        // A hidden note of several lines between rows stays with the row above it.
        if (line.contains(u'\n') && EntryText::trim(line).startsWith(kCommentOpen)) {
            if (!rows.isEmpty())
                rows.last().line += EntryText::LineBreak + line;
            continue;
        }
        // A line under a row ("*: ערבית מצרית: …", "** …") is its dialect or its
        // sense, and goes where the row goes.
        if (!rows.isEmpty() && isSubLine(line)) {
            rows.last().line += EntryText::LineBreak + line;
            continue;
        }
        if (const std::optional<TranslationRow> row = readLine(line))
            rows.append(*row);
    }
    sort(rows, sortColumn);
    return rows;
}

} // namespace Translations
