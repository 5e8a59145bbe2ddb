#pragma once

#include "dialogs/sentences/logic/EntrySentences.h"

#include <QAbstractTableModel>
#include <QColor>

// The entry's definitions as the sentences dialog lists them: number and text,
// read-only. An empty list still shows one empty row.
class DefinitionsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setDefinitions(QList<DefinitionItem> definitions);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<DefinitionItem> m_definitions;
};

// The examples table: the sentences beside the definitions and the further quotations,
// in order by definition number and placement. The definition number and the line
// are edited in place, the placement is chosen, and a row moves by its number cell;
// the table then puts itself in order again. An empty table still shows one empty row.
class ExamplesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { RowColumn, NumberColumn, LineColumn, PlacementColumn, ColumnCount };

    static const QColor HeaderColour;

    using QAbstractTableModel::QAbstractTableModel;

    const QList<ExampleRow> &rows() const { return m_rows; }
    void setRows(QList<ExampleRow> rows);
    // Adds a sentence as "הוסף" adds it; false, and nothing added, when a field its
    // kind needs is empty.
    bool addSentence(NewSentence &sentence, const QString &clipboard);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A new placement moves the line beside its definition or into the separate
    // section, and the table is put in order.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    // One row, dragged: Qt names the row it goes before; it keeps its new place only
    // among the rows of its own definition and placement.
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count, const QModelIndex &destinationParent,
                  int destinationChild) override;

private:
    QList<ExampleRow> m_rows;
};
