#include "dialogs/check/CheckPanel.h"

#include "gui/HebrewUi.h"
#include "ui_CheckPanel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>

namespace {

QString mendName(EntryCheck::Mend mend)
{
    return mend == EntryCheck::Mend::FixReferences ? QStringLiteral("מספרי הפניות") : QString();
}

QString summary(const EntryCheck::Result &result)
{
    const qsizetype n = result.problems.size();
    QString text = n == 0 ? QStringLiteral("לא נמצאו בעיות.")
        : n == 1          ? QStringLiteral("נמצאה בעיה אחת.")
                          : QStringLiteral("נמצאו %1 בעיות.").arg(n);
    if (result.engineGaveUp)
        text += QStringLiteral(" מספרי ההפניות לא נבדקו: הטקסט מסובך מדי לביטוי הרגולרי.");
    return text;
}

} // namespace

CheckPanel::CheckPanel(QWidget *parent)
    : QDockWidget(parent)
    , m_ui(std::make_unique<Ui::CheckPanel>())
    , m_model(this)
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(14));
    QTableView *list = m_ui->ProblemList;
    list->setModel(&m_model);
    list->horizontalHeader()->setSectionResizeMode(ProblemListModel::LineColumn, QHeaderView::Fixed);
    list->horizontalHeader()->resizeSection(ProblemListModel::LineColumn, 48);
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(list, &QAbstractItemView::activated, this, &CheckPanel::activate);
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CheckPanel::currentRowChanged);
    connect(list, &QWidget::customContextMenuRequested, this, &CheckPanel::showContextMenu);
    connect(m_ui->MendProblem, &QPushButton::clicked, this, [this] { mend(m_ui->ProblemList->currentIndex().row()); });
}

CheckPanel::~CheckPanel() = default;

void CheckPanel::showResult(const EntryCheck::Result &result, const QList<int> &places)
{
    const QModelIndex current = m_ui->ProblemList->currentIndex();
    const std::optional<EntryCheck::Problem> was = current.isValid() ? std::optional(m_model.problem(current.row()))
                                                                     : std::nullopt;
    m_model.setProblems(result.problems, places);
    m_ui->CheckSummary->setText(summary(result));
    if (const int row = was ? m_model.rowOf(*was) : -1; row >= 0)
        m_ui->ProblemList->setCurrentIndex(m_model.index(row, ProblemListModel::MessageColumn));
    currentRowChanged();
}

void CheckPanel::showChecking()
{
    m_model.setProblems({}, {});
    m_ui->CheckSummary->setText(QStringLiteral("בודק…"));
    currentRowChanged();
}

void CheckPanel::closeEvent(QCloseEvent *event)
{
    // Whether the panel shows is the preferences' to say.
    event->ignore();
    emit closeRequested();
}

void CheckPanel::activate(const QModelIndex &index)
{
    if (index.isValid())
        emit problemActivated(m_model.place(index.row()));
}

void CheckPanel::mend(int row)
{
    if (row < 0 || row >= m_model.rowCount())
        return;
    if (const EntryCheck::Mend how = EntryCheck::mendFor(m_model.problem(row).code); how != EntryCheck::Mend::None)
        emit mendRequested(m_model.place(row), how);
}

void CheckPanel::currentRowChanged()
{
    const int row = m_ui->ProblemList->currentIndex().row();
    const EntryCheck::Mend how = row >= 0 && row < m_model.rowCount() ? EntryCheck::mendFor(m_model.problem(row).code)
                                                                      : EntryCheck::Mend::None;
    m_ui->MendProblem->setEnabled(how != EntryCheck::Mend::None);
    m_ui->MendProblem->setText(how == EntryCheck::Mend::None ? QStringLiteral("תיקון")
                                                             : QStringLiteral("תיקון: %1").arg(mendName(how)));
}

void CheckPanel::showContextMenu(const QPoint &at)
{
    const QModelIndex index = m_ui->ProblemList->indexAt(at);
    if (!index.isValid())
        return;
    // The problem as it is now: the list may be refreshed while the menu is open.
    const int place = m_model.place(index.row());
    const EntryCheck::Mend how = EntryCheck::mendFor(m_model.problem(index.row()).code);
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *go = menu->addAction(QStringLiteral("מעבר למקום"));
    connect(go, &QAction::triggered, this, [this, place] { emit problemActivated(place); });
    if (how != EntryCheck::Mend::None) {
        QAction *fix = menu->addAction(mendName(how));
        fix->setObjectName(QStringLiteral("MendProblemItem"));
        connect(fix, &QAction::triggered, this, [this, place, how] { emit mendRequested(place, how); });
    }
    menu->popup(m_ui->ProblemList->viewport()->mapToGlobal(at));
}
