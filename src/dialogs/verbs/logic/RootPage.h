#pragma once

#include <QString>
#include <QStringList>

// The page of a verb root: a sentence naming root and gizra, the conjugation template
// with one form for each binyan and tense, and the root's category.

struct NormalisedRoot
{
    bool accepted = false;
    QString display; // e.g. "א-כ-ל", "ס-פ-ר א"; empty when not accepted
};

// The grid of the verb dialog: column 0 and row 0 are headers, cell (column c, row r)
// holds the form of binyan r (1-7) in tense c (1-5).
namespace VerbGrid {

constexpr int Columns = 6;
constexpr int Rows = 8;
constexpr int Binyanim = 7;
constexpr int Tenses = 5;
constexpr int KeyCount = 31;

bool isHeader(int column, int row);
// The imperative and infinitive of the two passive binyanim: no such forms exist.
bool isDisabled(int column, int row);
// The pointed name drawn in the header cell; empty for the corner and for cells.
QString headerText(int column, int row);
// The template key of a cell, e.g. "|קל עבר"; empty for headers and disabled cells.
QString key(int column, int row);
// The 31 keys in template order.
QStringList keys();

} // namespace VerbGrid

// What the grid holds, header cells included (the corner holds the accepted root).
class VerbCells
{
public:
    VerbCells();

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    // Empties rows 1 to 7; the corner and the tense names stay.
    void clearForms();
    // Anything typed into a disabled cell is dropped.
    void clearDisabled();
    // The 31 forms in template order.
    QStringList values() const;

private:
    QString m_cells[VerbGrid::Columns][VerbGrid::Rows];
};

struct RootPageResult
{
    bool ok = false;
    QString text; // the page, or the message when root or gizra is missing
};

namespace RootPage {

// The typed root in its display form: separators dropped, final letters made ordinary,
// a hyphen between neighbouring letters, an optional distinguishing letter after a space.
// Roots of fewer than 3 or more than 9 code units are not accepted.
NormalisedRoot normaliseRoot(const QString &typed);

extern const QString MissingRootOrGizraMessage;
// A blank form is written as this.
extern const QString NoFormText;

// The root page from the corner's root, the gizra as typed and the 31 forms in
// template order (missing ones count as blank). Line breaks typed into them come out
// as CR LF.
RootPageResult build(const QString &root, const QString &gizra, const QStringList &values);

} // namespace RootPage
