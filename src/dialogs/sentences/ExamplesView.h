#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

// The examples grid: a row is picked up by its number cell and put down on another
// row, and the placement cell opens its chooser as soon as it is the current cell.
class ExamplesView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    int m_dragRow = -1;
};

// The placement cell's chooser, "ליד ההגדרה" or "סעיף נפרד"; a choice is written at once.
class PlacementDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
