#include "dialogs/verbs/VerbsDialog.h"

#include "ui_VerbsDialog.h"

#include "dialogs/verbs/VerbFormsModel.h"
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

// The cell's editor stays inside the grid lines, so the cell keeps all four.
class FormDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override
    {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        editor->setGeometry(editor->geometry().adjusted(1, 0, -1, 0));
    }
};

} // namespace

const QString VerbsDialog::CancelQuestion = QStringLiteral(
    "האם ברצונך לבטל את כתיבת השורש? אם כן, כל נטיות הפעלים שכתבת יימחקו!\u200F\u200F");

VerbsDialog::VerbsDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
    , m_ui(std::make_unique<Ui::VerbsDialog>())
{
    m_ui->setupUi(this);
    m_forms = new VerbFormsModel(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_ui->TntLabel1->setFont(davidFont(16));
    m_ui->TntLabel2->setFont(davidFont(16));
    m_ui->Root->setFont(davidFont(15));
    m_ui->Gizra->setFont(davidFont(15));
    m_ui->Verbs->setFont(davidFont(15));
    setUpGrid();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->Root, &QLineEdit::textChanged, this, &VerbsDialog::rootChanged);
    connect(m_ui->CancelVerbs, &QPushButton::clicked, this, &VerbsDialog::cancel);
    connect(m_ui->AddVerbs, &QPushButton::clicked, this, &VerbsDialog::addPage);
    m_ui->Verbs->installEventFilter(this);
    // Leaving the grid, also from an open cell's editor (which the grid never sees
    // lose the focus); typing in a cell moves the focus into its editor, which is not leaving.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (m_ui->Verbs->currentIndex().isValid() && (!now || !m_ui->Verbs->isAncestorOf(now)) && now != m_ui->Verbs)
            leaveGrid();
    });
}

VerbsDialog::~VerbsDialog()
{
    // The focus still moves while the widgets go, after the grid is gone.
    disconnect(m_focusWatch);
}

void VerbsDialog::setUpGrid()
{
    QTableView *grid = m_ui->Verbs;
    grid->setModel(m_forms);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->setItemDelegate(new FormDelegate(grid));
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(VerbGrid::Columns * ColumnWidth + frame, VerbGrid::Rows * RowHeight + frame);
}

void VerbsDialog::prepareForShow()
{
    m_forms->clearForms();
    leaveGrid();
    m_ui->Root->clear();
    m_ui->Gizra->clear();
    m_ui->Root->setFocus();
}

void VerbsDialog::focusRoot()
{
    activateWindow();
    m_ui->Root->setFocus();
}

void VerbsDialog::rootChanged()
{
    const NormalisedRoot root = RootPage::normaliseRoot(m_ui->Root->text());
    if (root.accepted)
        m_forms->setRoot(root.display);
}

void VerbsDialog::leaveGrid()
{
    m_ui->Verbs->clearSelection();
    m_ui->Verbs->setCurrentIndex(QModelIndex());
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
    VerbCells grid = m_forms->cells();
    grid.clearDisabled();
    const RootPageResult page = RootPage::build(grid.cell(0, 0), m_ui->Gizra->text(), grid.values());
    if (!page.ok) {
        HebrewMessageBox::notice(page.text);
        return;
    }
    emit pageWritten(page.text);
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
        emit closed();
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
    painter.setPen(VerbFormsModel::HeaderColour.darker(130));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool VerbsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->Verbs && event->type() == QEvent::FocusIn && !m_ui->Verbs->currentIndex().isValid()) {
        // Coming in with Tab, typing goes to the first form.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
            m_ui->Verbs->setCurrentIndex(m_forms->index(1, 1));
    }
    return QDialog::eventFilter(watched, event);
}
