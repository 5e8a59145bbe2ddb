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

// Numbers first, in numeric order, then any other text by the locale.
int compareNumbers(const QString &a, const QString &b)
{
    const std::optional<qulonglong> x = wholeNumber(a);
    const std::optional<qulonglong> y = wholeNumber(b);
    if (x && y)
        return *x < *y ? -1 : (*x > *y ? 1 : 0);
    if (x || y)
        return x ? -1 : 1;
    return QString::localeAwareCompare(a, b);
}

bool before(const ExampleRow &a, const ExampleRow &b)
{
    if (const int c = compareNumbers(a.number, b.number))
        return c < 0;
    return QString::localeAwareCompare(a.placement, b.placement) < 0;
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
    std::stable_sort(rows.begin(), rows.end(), before);
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
    if (!value || *value < 1 || *value > qulonglong(definitions))
        return QStringLiteral("1");
    return QString::number(*value);
}

} // namespace Sentences
