#include "dialogs/translations/TranslationsModel.h"

void TranslationsModel::setRows(QList<TranslationRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool TranslationsModel::add(const QString &language, const QString &typedWords)
{
    QList<TranslationRow> rows = m_rows;
    const Translations::Added added = Translations::add(rows, language, typedWords);
    if (added == Translations::Added::Nothing)
        return false;
    if (added == Translations::Added::NewRow)
        Translations::sort(rows, m_sortColumn);
    setRows(std::move(rows));
    return true;
}

int TranslationsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TranslationsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TranslationsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    const TranslationRow &row = m_rows.at(index.row());
    return index.column() == Translations::WordsColumn ? row.words : row.language;
}

QVariant TranslationsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == Translations::WordsColumn ? QStringLiteral("מילים") : QStringLiteral("שפה");
}

bool TranslationsModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_rows.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}

void TranslationsModel::sort(int column, Qt::SortOrder)
{
    m_sortColumn = column;
    QList<TranslationRow> rows = m_rows;
    Translations::sort(rows, m_sortColumn);
    setRows(std::move(rows));
}
