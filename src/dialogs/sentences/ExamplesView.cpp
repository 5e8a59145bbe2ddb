#include "dialogs/sentences/ExamplesView.h"

#include "dialogs/sentences/SentencesModels.h"
#include "entry/EntryStructure.h"

#include <QComboBox>
#include <QMouseEvent>

void ExamplesView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.column() == ExamplesModel::RowColumn
        && (model()->flags(at) & Qt::ItemIsDragEnabled)) {
        m_dragRow = at.row();
        viewport()->setCursor(Qt::ClosedHandCursor);
    }
    QTableView::mousePressEvent(event);
}

void ExamplesView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (m_dragRow < 0 || event->button() != Qt::LeftButton)
        return;
    const int from = std::exchange(m_dragRow, -1);
    viewport()->unsetCursor();
    const int y = event->position().toPoint().y();
    int to = rowAt(y);
    if (to < 0)
        to = y < 0 ? 0 : model()->rowCount() - 1;
    if (to == from)
        return;
    // The row to select once the table has put itself in order again.
    QStringList moved;
    for (int column = ExamplesModel::NumberColumn; column < ExamplesModel::ColumnCount; ++column)
        moved << model()->index(from, column).data().toString();
    if (!model()->moveRow(QModelIndex(), from, QModelIndex(), to > from ? to + 1 : to))
        return;
    for (int row = 0; row < model()->rowCount(); ++row) {
        QStringList cells;
        for (int column = ExamplesModel::NumberColumn; column < ExamplesModel::ColumnCount; ++column)
            cells << model()->index(row, column).data().toString();
        if (cells == moved) {
            setCurrentIndex(model()->index(row, ExamplesModel::LineColumn));
            break;
        }
    }
}

void ExamplesView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.column() == ExamplesModel::PlacementColumn && (model()->flags(current) & Qt::ItemIsEditable))
        edit(current);
}

QWidget *PlacementDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *chooser = new QComboBox(parent);
    chooser->setObjectName(QStringLiteral("ComboBox1"));
    chooser->addItems({EntryStructure::BesideDefinition, EntryStructure::SeparateSection});
    // The table orders itself anew on the choice, which closes the chooser. (Qt hands
    // out editors from a const function, yet the delegate must speak for them.)
    auto *delegate = const_cast<PlacementDelegate *>(this);
    connect(chooser, &QComboBox::activated, delegate, [delegate, chooser] { emit delegate->commitData(chooser); });
    return chooser;
}

void PlacementDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QComboBox *>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
}

void PlacementDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText());
}
