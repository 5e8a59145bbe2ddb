#include "dialogs/merge/MergeModel.h"

#include "gui/ChangeColours.h"

namespace {

using Choice = MergeChoices::Choice;
using Kind = TextMerge::Region::Kind;

// A cell shows a text without the break that ends it.
QString shown(const QString &text)
{
    QString s = text;
    while (s.endsWith(u'\n') || s.endsWith(u'\r'))
        s.chop(1);
    return s;
}

} // namespace

MergeModel::MergeModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void MergeModel::setMerge(const QList<TextMerge::Region> &regions, const QString &mineLabel, const QString &theirsLabel)
{
    beginResetModel();
    m_choices.emplace(regions, mineLabel, theirsLabel);
    settled();
    endResetModel();
}

void MergeModel::setPalette(const QPalette &palette)
{
    m_palette = palette;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::BackgroundRole});
}

bool MergeModel::isConflict(int row) const
{
    return m_choices->regions().at(regionOf(row)).kind == Kind::Conflict;
}

void MergeModel::choose(int row, Choice choice)
{
    setData(index(row, ChoiceColumn), int(choice));
}

QString MergeModel::choiceName(Choice choice)
{
    switch (choice) {
    case Choice::Open:
        return QStringLiteral("להכרעה");
    case Choice::Mine:
        return QStringLiteral("שלך");
    case Choice::Theirs:
        return QStringLiteral("שבוויקי");
    case Choice::Both:
        return QStringLiteral("שניהם");
    case Choice::Edited:
        break;
    }
    return QStringLiteral("נערך");
}

int MergeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_choices ? 0 : int(m_choices->changed().size());
}

int MergeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MergeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const qsizetype region = regionOf(index.row());
    const TextMerge::Region &r = m_choices->regions().at(region);
    const Choice choice = m_choices->choice(region);
    if (role == Qt::BackgroundRole && index.column() == ChoiceColumn) {
        using Mark = ChangeColours::Mark;
        if (r.kind == Kind::Conflict)
            return ChangeColours::background(m_palette, Mark::Conflict, choice == Choice::Open);
        if (r.kind == Kind::Both)
            return {};
        return ChangeColours::background(m_palette, r.kind == Kind::Mine ? Mark::Mine : Mark::Theirs);
    }
    if (role == Qt::EditRole && index.column() == ChoiceColumn)
        return int(choice);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case LineColumn:
        return qlonglong(m_lines.at(index.row()));
    case ChoiceColumn:
        if (r.kind == Kind::Mine)
            return QStringLiteral("שינוי שלך");
        if (r.kind == Kind::Theirs)
            return QStringLiteral("שינוי שבוויקי");
        if (r.kind == Kind::Both)
            return QStringLiteral("אותו שינוי");
        return choiceName(choice);
    case MineColumn:
        return shown(r.mine);
    case TheirsColumn:
        return shown(r.theirs);
    case ResultColumn:
        return choice == Choice::Open && r.kind == Kind::Conflict ? QString() : shown(m_choices->text(region));
    default:
        return {};
    }
}

QVariant MergeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QString names[] = {QStringLiteral("שורה"), QStringLiteral("מה נבחר"), QStringLiteral("שלך"),
                                    QStringLiteral("שבוויקי"), QStringLiteral("בתוצאה")};
    return section >= 0 && section < ColumnCount ? names[section] : QString();
}

Qt::ItemFlags MergeModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && isConflict(index.row())
        && (index.column() == ChoiceColumn || index.column() == ResultColumn))
        f |= Qt::ItemIsEditable;
    return f;
}

bool MergeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isConflict(index.row()))
        return false;
    const qsizetype region = regionOf(index.row());
    if (index.column() == ChoiceColumn) {
        const Choice choice = Choice(value.toInt());
        if (choice == Choice::Edited || choice == m_choices->choice(region))
            return false;
        m_choices->choose(region, choice);
    } else if (index.column() == ResultColumn) {
        if (value.toString() == data(index).toString())
            return false;
        m_choices->edit(region, value.toString());
    } else {
        return false;
    }
    settled();
    // Every later row's line may have moved.
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, ColumnCount - 1));
    emit resultChanged();
    return true;
}

void MergeModel::settled()
{
    const QList<TextDiff::Range> places = m_choices->places();
    const QString result = m_choices->result();
    m_lines.clear();
    qsizetype line = 1, at = 0;
    for (qsizetype region : m_choices->changed()) {
        const qsizetype start = places.at(region).start;
        for (; at < start; ++at) {
            const QChar c = result.at(at);
            // CR LF is one break; a lone CR or LF is one too.
            if (c == u'\n' || (c == u'\r' && (at + 1 >= result.size() || result.at(at + 1) != u'\n')))
                ++line;
        }
        m_lines.append(line);
    }
}
