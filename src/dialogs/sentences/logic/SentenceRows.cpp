#include "dialogs/sentences/logic/SentenceRows.h"

#include "entry/EntryStructure.h"
#include "entry/EntryText.h"

#include <algorithm>
#include <optional>

namespace Sentences {

namespace {

std::optional<qulonglong> wholeNumber(const QString &text)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || text.isEmpty()
        || !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
        return std::nullopt;
    return value;
}

// What a row is ordered by, worked out once per row rather than at every comparison.
struct SortKey
{
    std::optional<qulonglong> number;
    int placement; // 0 beside the definition, 1 the separate section, 2 anything else
    const ExampleRow *row;
    qsizetype index;
};

SortKey sortKey(const ExampleRow &r, qsizetype index)
{
    const int placement = r.placement == EntryStructure::BesideDefinition ? 0
        : r.placement == EntryStructure::SeparateSection                  ? 1
                                                                          : 2;
    return {wholeNumber(r.number), placement, &r, index};
}

// Numbers first, in numeric order, then any other text by the locale; then the
// placement, "ליד ההגדרה" before "סעיף נפרד".
bool before(const SortKey &a, const SortKey &b)
{
    if (a.number && b.number) {
        if (*a.number != *b.number)
            return *a.number < *b.number;
    } else if (a.number || b.number) {
        return bool(a.number);
    } else if (const int c = QString::localeAwareCompare(a.row->number, b.row->number)) {
        return c < 0;
    }
    if (a.placement != b.placement || a.placement < 2)
        return a.placement < b.placement;
    return QString::localeAwareCompare(a.row->placement, b.row->placement) < 0;
}

void renumber(QList<ExampleRow> &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].rowNumber = rowNumber(int(i) + 1);
}

} // namespace

QString rowNumber(int position)
{
    return QStringLiteral("%1").arg(position, 2, 10, QLatin1Char('0'));
}

void appendRow(QList<ExampleRow> &rows, const QString &number, const QString &line, const QString &placement)
{
    rows.append({rowNumber(int(rows.size()) + 1), EntryText::trim(number), EntryText::trim(line), placement});
    sort(rows);
}

void sort(QList<ExampleRow> &rows)
{
    QList<SortKey> keys;
    keys.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        keys.append(sortKey(rows.at(i), i));
    std::stable_sort(keys.begin(), keys.end(), before);
    QList<ExampleRow> sorted;
    sorted.reserve(rows.size());
    for (const SortKey &k : keys)
        sorted.append(std::move(rows[k.index]));
    rows = std::move(sorted);
    renumber(rows);
}

void moveRow(QList<ExampleRow> &rows, int from, int to)
{
    if (from < 0 || from >= rows.size() || to < 0 || to >= rows.size())
        return;
    rows.move(from, to);
    sort(rows);
}

void removeRow(QList<ExampleRow> &rows, int row)
{
    if (row < 0 || row >= rows.size())
        return;
    rows.removeAt(row);
    if (rows.size() >= 2)
        renumber(rows);
}

void replaceRow(QList<ExampleRow> &rows, int row, const QString &placement)
{
    if (row < 0 || row >= rows.size())
        return;
    ExampleRow &r = rows[row];
    r.placement = placement;
    const qsizetype marker = r.line.indexOf(u"#:*");
    if (marker >= 0)
        r.line.replace(marker, 3, u'*');
    if (placement == EntryStructure::BesideDefinition) {
        const qsizetype star = r.line.indexOf(u'*');
        if (star >= 0)
            r.line.replace(star, 1, QStringLiteral("#:*"));
    }
    sort(rows);
}

QString removeQuestion(const QString &line)
{
    QString shown = line;
    const qsizetype star = shown.indexOf(u'*');
    if (star >= 0)
        shown.remove(star, 1);
    const qsizetype colon = shown.indexOf(u"#:");
    if (colon >= 0)
        shown.remove(colon, 2);
    return QStringLiteral("האם ברצונך למחוק את המשפט שלהלן?\u200F\r\n\r\n") + EntryText::trim(shown) + QChar(0x200F);
}

QString normalisedNumber(const QString &number, int definitions)
{
    if (definitions <= 0)
        return number;
    const std::optional<qulonglong> value = wholeNumber(number);
    if (!value || *value > qulonglong(definitions))
        return QStringLiteral("1");
    return QString::number(*value);
}

} // namespace Sentences
