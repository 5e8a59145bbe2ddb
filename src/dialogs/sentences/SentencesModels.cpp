#include "dialogs/sentences/SentencesModels.h"

namespace {

const QChar Rlm(0x200F);

// A caption or a row number reads right to left even where it starts with a digit.
QString marked(const QString &text)
{
    return text + Rlm;
}

} // namespace

void DefinitionsModel::setDefinitions(QList<DefinitionItem> definitions)
{
    beginResetModel();
    m_definitions = std::move(definitions);
    endResetModel();
}

int DefinitionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(1, int(m_definitions.size()));
}

int DefinitionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant DefinitionsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_definitions.size())
        return {};
    const DefinitionItem &d = m_definitions.at(index.row());
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? d.number : d.text;
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return int(Qt::AlignCenter);
    return {};
}

QVariant DefinitionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return marked(section == 0 ? QStringLiteral("#") : QStringLiteral("הגדרה"));
}

const QColor ExamplesModel::HeaderColour = QColor(166, 202, 240);

void ExamplesModel::setRows(QList<ExampleRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool ExamplesModel::addSentence(NewSentence &sentence, const QString &clipboard)
{
    QList<ExampleRow> rows = m_rows;
    if (!Sentences::addSentence(rows, sentence, clipboard))
        return false;
    setRows(std::move(rows));
    return true;
}

int ExamplesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(1, int(m_rows.size()));
}

int ExamplesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ExamplesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const ExampleRow &r = m_rows.at(index.row());
    const bool number = index.column() == RowColumn;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case RowColumn:
            return marked(r.rowNumber);
        case NumberColumn:
            return r.number;
        case LineColumn:
            return r.line;
        case PlacementColumn:
            return r.placement;
        }
        return {};
    case Qt::BackgroundRole:
        return number ? QVariant(HeaderColour) : QVariant();
    case Qt::ForegroundRole:
        return number ? QVariant(QColor(Qt::white)) : QVariant();
    case Qt::TextAlignmentRole:
        return number ? QVariant(int(Qt::AlignCenter)) : QVariant();
    case Qt::ToolTipRole:
        return number ? QVariant(QStringLiteral("גררו כדי להזיז, לחיצה כפולה מוחקת")) : QVariant();
    default:
        return {};
    }
}

QVariant ExamplesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case RowColumn:
        return marked(QStringLiteral("#"));
    case NumberColumn:
        return marked(QStringLiteral("הגדרה"));
    case LineColumn:
        return marked(QStringLiteral("משפט מקורי או מובאה"));
    case PlacementColumn:
        return marked(QStringLiteral("מיקום"));
    }
    return {};
}

Qt::ItemFlags ExamplesModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return Qt::ItemIsEnabled;
    if (index.column() == RowColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ExamplesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    ExampleRow &r = m_rows[index.row()];
    const QString text = value.toString();
    switch (index.column()) {
    case NumberColumn:
        r.number = text;
        break;
    case LineColumn:
        r.line = text;
        break;
    case PlacementColumn: {
        if (text != EntryStructure::BesideDefinition && text != EntryStructure::SeparateSection)
            return false;
        // Leaving the chooser hands back what it shows: no change, no new order.
        if (text == r.placement)
            return true;
        QList<ExampleRow> rows = m_rows;
        Sentences::replaceRow(rows, index.row(), text);
        setRows(std::move(rows));
        return true;
    }
    default:
        return false;
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool ExamplesModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count != 1 || row < 0 || row >= m_rows.size())
        return false;
    QList<ExampleRow> rows = m_rows;
    Sentences::removeRow(rows, row);
    setRows(std::move(rows));
    return true;
}

bool ExamplesModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                             const QModelIndex &destinationParent, int destinationChild)
{
    const int size = int(m_rows.size());
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1 || sourceRow < 0 || sourceRow >= size
        || destinationChild < 0 || destinationChild > size)
        return false;
    const int to = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    if (to == sourceRow)
        return false;
    // The ordering that follows may move other rows too, so the views start afresh.
    QList<ExampleRow> rows = m_rows;
    Sentences::moveRow(rows, sourceRow, to);
    setRows(std::move(rows));
    return true;
}
