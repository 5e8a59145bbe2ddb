#include "dialogs/stats/StatisticsDialog.h"

#include "ui_StatisticsDialog.h"

#include "dialogs/stats/logic/EntryStatistics.h"

#include <QScreen>
#include <QShowEvent>

StatisticsDialog::StatisticsDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::TStats>())
{
    m_ui->setupUi(this);
    // Shown only when the engine gave up on a count.
    m_ui->Failure->hide();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

StatisticsDialog::~StatisticsDialog() = default;

QLabel *StatisticsDialog::valueLabel(const QString &name) const
{
    return findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
}

void StatisticsDialog::showFigures()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
}

void StatisticsDialog::countFigures()
{
    if (!m_regEx || !m_text)
        return;
    const EntryStatistics statistics = Statistics::compute(*m_regEx, m_text());
    for (const StatisticsRow &row : Statistics::rows(statistics)) {
        if (QLabel *label = valueLabel(row.name))
            label->setText(QString::number(row.value));
    }
    // Two short lines keep the window its width.
    m_ui->Failure->setText(QString(statistics.failure).replace(QStringLiteral(": "), QStringLiteral(":\n")));
    m_ui->Failure->setVisible(!statistics.failure.isEmpty());
    // Wider figures widen the window before it is painted, not one frame later.
    layout()->activate();
}

void StatisticsDialog::showEvent(QShowEvent *event)
{
    // The window system shows a window again on its own (a desktop switch, a restore);
    // only the program's showing counts afresh.
    if (!event->spontaneous())
        countFigures();
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}
