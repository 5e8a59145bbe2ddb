#pragma once

#include "dialogs/merge/logic/MergeChoices.h"

#include <QAbstractTableModel>
#include <QPalette>

#include <optional>

// The rows of the merge window: each region either side changed, with its line in the
// result, what became of it, my text, theirs and what the result holds. A conflict's
// choice and its result are edited in place.
class MergeModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { LineColumn, ChoiceColumn, MineColumn, TheirsColumn, ResultColumn, ColumnCount };

    explicit MergeModel(QObject *parent = nullptr);

    void setMerge(const QList<TextMerge::Region> &regions, const QString &mineLabel, const QString &theirsLabel);
    // The palette the marks are mixed from.
    void setPalette(const QPalette &palette);
    const MergeChoices &choices() const { return *m_choices; }
    // The row's region in choices().regions().
    qsizetype regionOf(int row) const { return m_choices->changed().at(row); }
    bool isConflict(int row) const;
    void choose(int row, MergeChoices::Choice choice);

    // The names a choice shows under.
    static QString choiceName(MergeChoices::Choice choice);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // The result changed: a choice or an edit.
    void resultChanged();

private:
    void settled();

    std::optional<MergeChoices> m_choices;
    QList<qsizetype> m_lines; // each row's first line in the result, from 1
    QPalette m_palette;
};
