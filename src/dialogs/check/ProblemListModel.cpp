#include "dialogs/check/ProblemListModel.h"

void ProblemListModel::setProblems(const QList<EntryCheck::Problem> &problems, const QList<int> &places)
{
    beginResetModel();
    m_problems = problems;
    m_places = places;
    endResetModel();
}

int ProblemListModel::rowOf(const EntryCheck::Problem &p) const
{
    for (qsizetype row = 0; row < m_problems.size(); ++row) {
        const EntryCheck::Problem &q = m_problems.at(row);
        if (q.code == p.code && q.line == p.line && q.message == p.message)
            return int(row);
    }
    return -1;
}

int ProblemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_problems.size());
}

int ProblemListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_problems.size())
        return {};
    const EntryCheck::Problem &p = m_problems.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == LineColumn ? QVariant(p.line) : QVariant(p.message);
    case Qt::ToolTipRole:
        // The whole message, which a narrow panel cuts, and the code as the command
        // line reports it, for a writer who compares the two.
        return QStringLiteral("%1\n%2 (%3:%4)").arg(p.message, EntryCheck::codeName(p.code)).arg(p.line).arg(p.column);
    case Qt::TextAlignmentRole:
        return int(index.column() == LineColumn ? Qt::AlignCenter : Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ProblemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == LineColumn ? QStringLiteral("שורה") : QStringLiteral("בעיה");
}
