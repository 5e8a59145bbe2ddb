#include "dialogs/verbs/VerbsDialog.h"

#include "ui_VerbsDialog.h"

#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

namespace {

constexpr int ColumnWidth = 75;
constexpr int RowHeight = 20;

QFont davidFont(int pixels, bool bold = false)
{
    QFont font = HebrewUi::davidFont(pixels);
    font.setBold(bold);
    return font;
}

// Lets the grid draw a cell as usual, then hands it to the form's own painting.
class VerbsDelegate : public QStyledItemDelegate
{
public:
    explicit VerbsDelegate(VerbsDialog *form)
        : QStyledItemDelegate(form)
        , m_form(form)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        m_form->drawCell(painter, option.rect, index.column(), index.row());
    }

    // The cell's editor stays inside the grid lines, so the cell keeps all four.
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override
    {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        editor->setGeometry(editor->geometry().adjusted(1, 0, -1, 0));
    }

private:
    VerbsDialog *m_form;
};

} // namespace

const QString VerbsDialog::CancelQuestion = QStringLiteral(
    "האם ברצונך לבטל את כתיבת השורש? אם כן, כל נטיות הפעלים שכתבת יימחקו!\u200F\u200F");
const QColor VerbsDialog::HeaderColour = QColor(166, 202, 240);
const QColor VerbsDialog::DisabledColour = QColor(240, 240, 240);

VerbsDialog::VerbsDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
    , m_ui(std::make_unique<Ui::TVerbsForm>())
{
    m_ui->setupUi(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_ui->TntLabel1->setFont(davidFont(16));
    m_ui->TntLabel2->setFont(davidFont(16));
    m_ui->Root->setFont(davidFont(15));
    m_ui->Gizra->setFont(davidFont(15));
    m_ui->Verbs->setFont(davidFont(15));
    buildGrid();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->Root, &QLineEdit::textChanged, this, &VerbsDialog::rootChanged);
    connect(m_ui->CancelVerbs, &QPushButton::clicked, this, &VerbsDialog::cancel);
    connect(m_ui->AddVerbs, &QPushButton::clicked, this, &VerbsDialog::addPage);
    // A disabled cell is forced empty, whoever put text there.
    connect(m_ui->Verbs, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (VerbGrid::isDisabled(item->column(), item->row()) && !item->text().isEmpty())
            item->setText(QString());
    });
    m_ui->Verbs->installEventFilter(this);
    // Leaving the grid, also from an open cell's editor (which the grid never sees
    // lose the focus); typing in a cell moves the focus into its editor, which is not leaving.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (m_ui->Verbs->currentItem() && (!now || !m_ui->Verbs->isAncestorOf(now)) && now != m_ui->Verbs)
            leaveGrid();
    });
    resetGrid();
}

VerbsDialog::~VerbsDialog()
{
    // The focus still moves while the widgets go, after the grid is gone.
    disconnect(m_focusWatch);
}

QLineEdit *VerbsDialog::root() const
{
    return m_ui->Root;
}

QLineEdit *VerbsDialog::gizra() const
{
    return m_ui->Gizra;
}

QTableWidget *VerbsDialog::verbs() const
{
    return m_ui->Verbs;
}

void VerbsDialog::buildGrid()
{
    QTableWidget *grid = m_ui->Verbs;
    grid->setColumnCount(VerbGrid::Columns);
    grid->setRowCount(VerbGrid::Rows);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->setItemDelegate(new VerbsDelegate(this));
    for (int column = 0; column < VerbGrid::Columns; ++column) {
        for (int row = 0; row < VerbGrid::Rows; ++row) {
            auto *item = new QTableWidgetItem;
            // Headers and the forms that do not exist take no focus, so Tab passes them by.
            if (VerbGrid::isHeader(column, row) || VerbGrid::isDisabled(column, row))
                item->setFlags(Qt::NoItemFlags);
            grid->setItem(row, column, item);
        }
    }
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(VerbGrid::Columns * ColumnWidth + frame, VerbGrid::Rows * RowHeight + frame);
}

VerbCells VerbsDialog::cells() const
{
    VerbCells cells;
    for (int column = 0; column < VerbGrid::Columns; ++column) {
        for (int row = 0; row < VerbGrid::Rows; ++row) {
            if (const QTableWidgetItem *item = m_ui->Verbs->item(row, column))
                cells.setCell(column, row, item->text());
        }
    }
    return cells;
}

void VerbsDialog::resetGrid()
{
    m_ui->Verbs->clearSelection();
    m_ui->Verbs->setCurrentItem(nullptr);
    m_currentRoot.clear();
}

void VerbsDialog::prepareForShow()
{
    for (int row = 1; row < VerbGrid::Rows; ++row) {
        for (int column = 0; column < VerbGrid::Columns; ++column)
            m_ui->Verbs->item(row, column)->setText(QString());
    }
    m_ui->Root->clear();
    m_ui->Gizra->clear();
    m_ui->Root->setFocus();
}

void VerbsDialog::returnFocus()
{
    if (m_target.focusEditor)
        m_target.focusEditor();
}

void VerbsDialog::rootChanged()
{
    const NormalisedRoot root = RootPage::normaliseRoot(m_ui->Root->text());
    if (!root.accepted)
        return;
    m_currentRoot = root.display;
    m_ui->Verbs->item(0, 0)->setText(root.display);
}

void VerbsDialog::drawCell(QPainter *painter, const QRect &rect, int column, int row)
{
    if (VerbGrid::isHeader(column, row)) {
        const QString text = column == 0 && row == 0 ? m_currentRoot : VerbGrid::headerText(column, row);
        painter->save();
        painter->fillRect(rect, HeaderColour);
        painter->setPen(Qt::white);
        painter->setFont(m_ui->Verbs->font());
        painter->setLayoutDirection(Qt::RightToLeft);
        painter->drawText(rect, Qt::AlignHCenter | Qt::AlignTop, text + QChar(0x200F));
        painter->restore();
    } else if (VerbGrid::isDisabled(column, row)) {
        painter->fillRect(rect, DisabledColour);
    }
}

void VerbsDialog::leaveGrid()
{
    m_ui->Verbs->clearSelection();
    m_ui->Verbs->setCurrentItem(nullptr);
}

void VerbsDialog::cancel()
{
    if (HebrewMessageBox::askYesNo(CancelQuestion))
        hide();
}

void VerbsDialog::addPage()
{
    // Leaving the current cell commits a form that is still being typed.
    leaveGrid();
    VerbCells grid = cells();
    grid.clearDisabled();
    const RootPageResult page = RootPage::build(grid.cell(0, 0), m_ui->Gizra->text(), grid.values());
    if (!page.ok) {
        HebrewMessageBox::notice(page.text);
        return;
    }
    if (m_target.writePage)
        m_target.writePage(page.text);
    hide();
}

void VerbsDialog::reject() { }

void VerbsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    prepareForShow();
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QPoint centre = owner ? owner->geometry().center()
        : screen()              ? screen()->availableGeometry().center()
                                : QPoint();
    move(centre - rect().center());
}

void VerbsDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        returnFocus();
}

void VerbsDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void VerbsDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // Without a window frame, a thin line keeps the dialog apart from the editor.
    QPainter painter(this);
    painter.setPen(HeaderColour.darker(130));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool VerbsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->Verbs && event->type() == QEvent::FocusIn && !m_ui->Verbs->currentItem()) {
        // Coming in with Tab, typing goes to the first form.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
            m_ui->Verbs->setCurrentCell(1, 1);
    }
    return QDialog::eventFilter(watched, event);
}
