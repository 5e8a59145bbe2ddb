#pragma once

#include "check/EntryCheck.h"

#include <QAbstractTableModel>

// The problems of the text, a row each: its line and what is wrong.
class ProblemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { LineColumn, MessageColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // `places`: where each problem stands in the editor, as the caller counts.
    void setProblems(const QList<EntryCheck::Problem> &problems, const QList<int> &places);
    const EntryCheck::Problem &problem(int row) const { return m_problems.at(row); }
    int place(int row) const { return m_places.value(row); }
    // The row of a problem like `p` (same code, line and message), or -1.
    int rowOf(const EntryCheck::Problem &p) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<EntryCheck::Problem> m_problems;
    QList<int> m_places;
};
