#include "dialogs/merge/MergeDelegate.h"

#include "dialogs/merge/MergeModel.h"
#include "gui/HebrewUi.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace {

using Choice = MergeChoices::Choice;

constexpr Choice Offered[] = {Choice::Open, Choice::Mine, Choice::Theirs, Choice::Both};

} // namespace

QWidget *MergeDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    if (index.column() == MergeModel::ChoiceColumn) {
        auto *box = new QComboBox(parent);
        for (Choice c : Offered)
            box->addItem(MergeModel::choiceName(c), int(c));
        // The choice is made when it is picked, not when the row is left.
        auto *self = const_cast<MergeDelegate *>(this);
        connect(box, &QComboBox::activated, self, [self, box] { emit self->commitData(box); });
        return box;
    }
    if (index.column() == MergeModel::ResultColumn) {
        auto *edit = new QPlainTextEdit(parent);
        edit->setFont(option.font);
        HebrewUi::setUpWikiText(*edit);
        return edit;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void MergeDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        box->setCurrentIndex(box->findData(index.data(Qt::EditRole)));
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(editor)) {
        // The Qt document keeps its own line breaks; the text comes back with CR LF.
        edit->setPlainText(index.data(Qt::EditRole).toString());
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void MergeDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        // An edited result stays until another choice is picked.
        if (box->currentIndex() >= 0)
            model->setData(index, box->currentData());
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(editor)) {
        model->setData(index, edit->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
    } else {
        QStyledItemDelegate::setModelData(editor, model, index);
    }
}

void MergeDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    // A few lines to write in, even on a row of one.
    QRect r = option.rect;
    if (qobject_cast<QPlainTextEdit *>(editor))
        r.setHeight(qMax(r.height(), 4 * option.fontMetrics.height()));
    editor->setGeometry(r);
    Q_UNUSED(index);
}
