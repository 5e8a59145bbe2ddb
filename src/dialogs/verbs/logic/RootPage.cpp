#include "dialogs/verbs/logic/RootPage.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"
#include "wikitext/DocumentFormat.h"
#include "wikitext/RootKey.h"

namespace {

struct Header
{
    QString pointed; // drawn in the grid
    QString plain;   // used in the template key
};

const Header BinyanHeaders[7] = {
    {QStringLiteral("קַל"), QStringLiteral("קל")},       {QStringLiteral("נִפְעַל"), QStringLiteral("נפעל")},
    {QStringLiteral("הִפְעִיל"), QStringLiteral("הפעיל")}, {QStringLiteral("הֻפְעַל"), QStringLiteral("הופעל")},
    {QStringLiteral("פִּעֵל"), QStringLiteral("פיעל")},    {QStringLiteral("פֻּעַל"), QStringLiteral("פועל")},
    {QStringLiteral("הִתְפַּעֵל"), QStringLiteral("התפעל")}};

const Header TenseHeaders[5] = {{QStringLiteral("עָבָר"), QStringLiteral("עבר")},
                                {QStringLiteral("הוֹוֶה"), QStringLiteral("הווה")},
                                {QStringLiteral("עָתִיד"), QStringLiteral("עתיד")},
                                {QStringLiteral("צִוּוּי"), QStringLiteral("ציווי")},
                                {QStringLiteral("שֵׁם הַפֹּעַל"), QStringLiteral("שם הפועל")}};

// Rows 4 and 6 (the passive binyanim) have no imperative and no infinitive.
bool isPassive(int row)
{
    return row == 4 || row == 6;
}

} // namespace

namespace VerbGrid {

bool isHeader(int column, int row)
{
    return column == 0 || row == 0;
}

bool isDisabled(int column, int row)
{
    return (column == 4 || column == 5) && isPassive(row);
}

QString headerText(int column, int row)
{
    if (column == 0 && row >= 1 && row <= Binyanim)
        return BinyanHeaders[row - 1].pointed;
    if (row == 0 && column >= 1 && column <= Tenses)
        return TenseHeaders[column - 1].pointed;
    return {};
}

QString key(int column, int row)
{
    if (column < 1 || column > Tenses || row < 1 || row > Binyanim || isDisabled(column, row))
        return {};
    return QLatin1Char('|') + BinyanHeaders[row - 1].plain + QLatin1Char(' ') + TenseHeaders[column - 1].plain;
}

QStringList keys()
{
    QStringList list;
    for (int row = 1; row <= Binyanim; ++row) {
        for (int column = 1; column <= Tenses; ++column) {
            if (!isDisabled(column, row))
                list << key(column, row);
        }
    }
    return list;
}

} // namespace VerbGrid

VerbCells::VerbCells() = default;

QString VerbCells::cell(int column, int row) const
{
    if (column < 0 || column >= VerbGrid::Columns || row < 0 || row >= VerbGrid::Rows)
        return {};
    return m_cells[column][row];
}

void VerbCells::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= VerbGrid::Columns || row < 0 || row >= VerbGrid::Rows)
        return;
    m_cells[column][row] = text;
}

void VerbCells::clearForms()
{
    for (int column = 0; column < VerbGrid::Columns; ++column) {
        for (int row = 1; row < VerbGrid::Rows; ++row)
            m_cells[column][row].clear();
    }
}

void VerbCells::clearDisabled()
{
    for (int column = 1; column < VerbGrid::Columns; ++column) {
        for (int row = 1; row < VerbGrid::Rows; ++row) {
            if (VerbGrid::isDisabled(column, row))
                m_cells[column][row].clear();
        }
    }
}

QStringList VerbCells::values() const
{
    QStringList list;
    for (int row = 1; row <= VerbGrid::Binyanim; ++row) {
        for (int column = 1; column <= VerbGrid::Tenses; ++column) {
            if (!VerbGrid::isDisabled(column, row))
                list << m_cells[column][row];
        }
    }
    return list;
}

namespace RootPage {

NormalisedRoot normaliseRoot(const QString &typed)
{
    const std::optional<RootKey> key = Roots::readKey(typed);
    if (!key)
        return {};
    QString main = Roots::joinLetters(key->letters, QLatin1Char('-'));
    main.replace(QStringLiteral("- "), QStringLiteral(" "));
    return {true, EntryText::trim(main + key->distinguishing)};
}

const QString MissingRootOrGizraMessage = QStringLiteral("הן שורש הן גזרה דרושים לשם הוספת נטיות הפעלים");
const QString NoFormText = QStringLiteral("-אין-");

RootPageResult build(const QString &root, const QString &gizra, const QStringList &values)
{
    QString r = root;
    r.replace(QLatin1Char('-'), QChar(Hebrew::Maqaf));
    const qsizetype space = r.indexOf(QLatin1Char(' '));
    if (space >= 0) {
        r = EntryText::trim(r.left(space + 1)) + QStringLiteral(" <small>") + EntryText::trim(r.mid(space + 1, 1))
            + QStringLiteral("</small>");
    }
    // A blank root would otherwise pass as " <small></small>".
    if (EntryText::trim(root).isEmpty() || EntryText::trim(r).isEmpty() || EntryText::trim(gizra).isEmpty())
        return {false, MissingRootOrGizraMessage};

    const QString &crlf = EntryText::LineBreak;
    QString page = QStringLiteral("השורש ") + r + QStringLiteral(" הוא שורש מגזרת ") + gizra + QStringLiteral(".")
        + crlf + crlf;
    page += QStringLiteral("===נטיות הפעלים===") + crlf;
    page += QStringLiteral("{{נטיות פעלים|שורש=") + r + crlf;

    const QStringList keys = VerbGrid::keys();
    int index = 0;
    for (int row = 1; row <= VerbGrid::Binyanim; ++row) {
        const int lastColumn = isPassive(row) ? 3 : VerbGrid::Tenses;
        for (int column = 1; column <= lastColumn; ++column, ++index) {
            const QString value = index < values.size() ? values.at(index) : QString();
            page += keys.at(index) + QLatin1Char('=') + (EntryText::trim(value).isEmpty() ? NoFormText : value);
            // A blank line between the binyanim, none after the last one.
            const bool endsGroup = column == lastColumn && row < VerbGrid::Binyanim;
            page += endsGroup ? crlf + crlf : crlf;
        }
    }
    page += QStringLiteral("}}") + crlf + crlf;
    page += QStringLiteral("<noinclude>") + crlf + QStringLiteral("[[קטגוריה:") + r.left(1)
        + QStringLiteral(" (שורשים)]]") + crlf + QStringLiteral("</noinclude>");
    // What was typed may hold other line breaks; the text holds only CR LF.
    return {true, DocumentFormat::normaliseLineBreaks(page)};
}

} // namespace RootPage
