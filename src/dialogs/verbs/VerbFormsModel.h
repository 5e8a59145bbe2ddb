#pragma once

#include "dialogs/verbs/logic/RootPage.h"

#include <QAbstractTableModel>
#include <QColor>

// The verb dialog's grid: the tense names along the top, the binyan names down the
// side, the accepted root in the corner and a form in every other cell. The forms
// that do not exist take no text and no focus.
class VerbFormsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static const QColor HeaderColour;
    static const QColor DisabledColour;

    using QAbstractTableModel::QAbstractTableModel;

    // What the grid holds, as "הוסף" reads it.
    const VerbCells &cells() const { return m_cells; }
    QString root() const { return m_cells.cell(0, 0); }
    void setRoot(const QString &root);
    void clearForms();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    VerbCells m_cells;
};
