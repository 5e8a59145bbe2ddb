#include "dialogs/verbs/VerbFormsModel.h"

const QColor VerbFormsModel::HeaderColour = QColor(166, 202, 240);
const QColor VerbFormsModel::DisabledColour = QColor(240, 240, 240);

void VerbFormsModel::setRoot(const QString &root)
{
    m_cells.setCell(0, 0, root);
    emit dataChanged(index(0, 0), index(0, 0));
}

void VerbFormsModel::clearForms()
{
    m_cells.clearForms();
    emit dataChanged(index(1, 0), index(VerbGrid::Rows - 1, VerbGrid::Columns - 1));
}

int VerbFormsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : VerbGrid::Rows;
}

int VerbFormsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : VerbGrid::Columns;
}

QVariant VerbFormsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    const int row = index.row();
    const bool header = VerbGrid::isHeader(column, row);
    switch (role) {
    case Qt::DisplayRole:
        if (header) {
            // Marked to read right to left like the names beside it.
            const QString text = column == 0 && row == 0 ? root() : VerbGrid::headerText(column, row);
            return text + QChar(0x200F);
        }
        return m_cells.cell(column, row);
    case Qt::EditRole:
        return m_cells.cell(column, row);
    case Qt::BackgroundRole:
        if (header)
            return HeaderColour;
        return VerbGrid::isDisabled(column, row) ? QVariant(DisabledColour) : QVariant();
    case Qt::ForegroundRole:
        return header ? QVariant(QColor(Qt::white)) : QVariant();
    case Qt::TextAlignmentRole:
        return header ? QVariant(int(Qt::AlignHCenter | Qt::AlignTop)) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags VerbFormsModel::flags(const QModelIndex &index) const
{
    // Headers and the forms that do not exist take no focus, so Tab passes them by.
    if (!index.isValid() || VerbGrid::isHeader(index.column(), index.row())
        || VerbGrid::isDisabled(index.column(), index.row()))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool VerbFormsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_cells.setCell(index.column(), index.row(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
