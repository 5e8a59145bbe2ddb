#include "dialogs/merge/MergeDialog.h"

#include "ui_MergeDialog.h"

#include "dialogs/merge/MergeDelegate.h"
#include "dialogs/merge/MergeModel.h"
#include "gui/ChangeColours.h"
#include "gui/HebrewUi.h"

#include <QEvent>
#include <QHeaderView>
#include <QTextBlock>

namespace {

using Choice = MergeChoices::Choice;
using Kind = TextMerge::Region::Kind;

const QString MineLabel = QStringLiteral("שלך");
const QString TheirsLabel = QStringLiteral("שבוויקי");
const QString Remaining = QStringLiteral("נותרו %1 התנגשויות להכרעה.");
const QString NoneRemaining = QStringLiteral("אין התנגשויות פתוחות.");
// A long region would push the rest of the table out of sight.
constexpr int MaxRowHeight = 160;

} // namespace

MergeDialog::MergeDialog(QWidget *parent)
    : QDialog(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::MergeDialog>())
    , m_model(new MergeModel(this))
{
    m_ui->setupUi(this);
    HebrewUi::setUpArticleEditor(*m_ui->Preview);
    m_ui->Regions->setFont(HebrewUi::davidFont(16));
    m_ui->Regions->setModel(m_model);
    m_ui->Regions->setItemDelegate(new MergeDelegate(m_ui->Regions));
    m_ui->Regions->verticalHeader()->hide();
    QHeaderView *header = m_ui->Regions->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(MergeModel::LineColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(MergeModel::ChoiceColumn, QHeaderView::ResizeToContents);
    m_ui->Splitter->setStretchFactor(0, 3);
    m_ui->Splitter->setStretchFactor(1, 2);
    m_model->setPalette(palette());

    connect(m_ui->KeepMine, &QPushButton::clicked, this, [this] { keep(int(Choice::Mine)); });
    connect(m_ui->KeepTheirs, &QPushButton::clicked, this, [this] { keep(int(Choice::Theirs)); });
    connect(m_ui->KeepBoth, &QPushButton::clicked, this, [this] { keep(int(Choice::Both)); });
    connect(m_ui->NextConflict, &QPushButton::clicked, this, &MergeDialog::nextConflict);
    connect(m_ui->Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->Accept, &QPushButton::clicked, this, [this] {
        if (m_model->choices().openCount() > 0)
            return;
        emit merged(m_model->choices().result());
        accept();
    });
    connect(m_model, &MergeModel::resultChanged, this, &MergeDialog::showResult);
    connect(m_ui->Regions->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showRegion(current.row()); });
}

MergeDialog::~MergeDialog() = default;

void MergeDialog::showMerge(const QList<TextMerge::Region> &regions, const QString &explanation)
{
    m_ui->Explanation->setText(explanation);
    m_model->setMerge(regions, MineLabel, TheirsLabel);
    showResult();
    setWindowModality(Qt::WindowModal);
    show();
    raise();
    activateWindow();
    // The first conflict, else the first change.
    m_ui->Regions->setCurrentIndex(m_model->index(0, MergeModel::ChoiceColumn));
    nextConflict();
}

void MergeDialog::keep(int choice)
{
    const int row = m_ui->Regions->currentIndex().row();
    if (row < 0 || !m_model->isConflict(row))
        return;
    m_model->choose(row, Choice(choice));
    nextConflict();
}

void MergeDialog::nextConflict()
{
    const int rows = m_model->rowCount();
    const int from = qMax(0, m_ui->Regions->currentIndex().row());
    // Open conflicts first, from the current row on and then from the top.
    for (int k = 0; k < rows; ++k) {
        const int row = (from + k) % rows;
        const qsizetype region = m_model->regionOf(row);
        if (m_model->isConflict(row) && m_model->choices().choice(region) == Choice::Open) {
            m_ui->Regions->setCurrentIndex(m_model->index(row, MergeModel::ChoiceColumn));
            return;
        }
    }
}

void MergeDialog::showResult()
{
    const MergeChoices &choices = m_model->choices();
    m_ui->Preview->setPlainText(choices.result());
    QList<QTextEdit::ExtraSelection> marks;
    // The preview holds a line break as one character where the text has CR LF.
    int at = 0;
    for (qsizetype region = 0; region < choices.regions().size(); ++region) {
        const TextMerge::Region &r = choices.regions().at(region);
        const QString text = choices.text(region);
        const int start = at;
        at += int(text.size() - text.count(QStringLiteral("\r\n")));
        if (r.kind == Kind::Unchanged || r.kind == Kind::Both || at == start)
            continue;
        using Mark = ChangeColours::Mark;
        const Mark mark = r.kind == Kind::Conflict ? Mark::Conflict : r.kind == Kind::Mine ? Mark::Mine : Mark::Theirs;
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(m_ui->Preview->document());
        s.cursor.setPosition(start);
        // Up to its last line's end: the break leads into the next line, which is not its.
        const bool endsLine = text.endsWith(u'\n') || text.endsWith(u'\r');
        s.cursor.setPosition(endsLine ? at - 1 : at, QTextCursor::KeepAnchor);
        s.format.setBackground(ChangeColours::background(palette(), mark, choices.choice(region) == Choice::Open));
        s.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(s);
    }
    m_ui->Preview->setExtraSelections(marks);
    m_ui->Regions->resizeRowsToContents();
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_ui->Regions->setRowHeight(row, qMin(m_ui->Regions->rowHeight(row), MaxRowHeight));
    const qsizetype open = choices.openCount();
    m_ui->Remaining->setText(open > 0 ? Remaining.arg(open) : NoneRemaining);
    m_ui->Accept->setEnabled(open == 0);
    m_ui->NextConflict->setEnabled(open > 0);
}

void MergeDialog::showRegion(int row)
{
    const bool conflict = row >= 0 && m_model->isConflict(row);
    m_ui->KeepMine->setEnabled(conflict);
    m_ui->KeepTheirs->setEnabled(conflict);
    m_ui->KeepBoth->setEnabled(conflict);
    if (row < 0)
        return;
    const QTextBlock block = m_ui->Preview->document()->findBlockByNumber(
        int(m_model->data(m_model->index(row, MergeModel::LineColumn)).toLongLong() - 1));
    m_ui->Preview->setTextCursor(QTextCursor(block));
    m_ui->Preview->centerCursor();
}

void MergeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange) {
        m_model->setPalette(palette());
        if (m_model->rowCount() > 0)
            showResult();
    }
    QDialog::changeEvent(event);
}
