#pragma once

#include "dialogs/translations/logic/Translations.h"

#include <QAbstractTableModel>

// The translations list: one row per language, its words and the language, in the
// order of the column the list was last sorted by.
class TranslationsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    const QList<TranslationRow> &rows() const { return m_rows; }
    void setRows(QList<TranslationRow> rows);
    int sortColumn() const { return m_sortColumn; }

    // Typed words for a language: to that language's row, or a new row put in order.
    // False when there was no language or no words.
    bool add(const QString &language, const QString &typedWords);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    // By the column's text, equal rows in their order; there is only the one direction.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QList<TranslationRow> m_rows;
    int m_sortColumn = Translations::LanguageColumn;
};
