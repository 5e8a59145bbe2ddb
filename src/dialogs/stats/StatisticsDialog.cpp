#include "dialogs/stats/StatisticsDialog.h"

#include "ui_StatisticsDialog.h"

#include "dialogs/stats/logic/EntryStatistics.h"

#include <QScreen>

StatisticsDialog::StatisticsDialog(RegEx &regEx, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::StatisticsDialog>())
    , m_regEx(regEx)
{
    m_ui->setupUi(this);
    m_values = {m_ui->Chars,      m_ui->Lines,        m_ui->Articles,       m_ui->Sections,
                m_ui->InnerLinks, m_ui->OuterLinks,   m_ui->WikipediaLinks, m_ui->Templates,
                m_ui->Quotes,     m_ui->Translations, m_ui->Categories};
    // Shown only when the engine gave up on a count.
    m_ui->Failure->hide();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

StatisticsDialog::~StatisticsDialog() = default;

void StatisticsDialog::showFigures(const QString &text)
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    countFigures(text);
    show();
}

void StatisticsDialog::countFigures(const QString &text)
{
    const EntryStatistics statistics = Statistics::compute(m_regEx, text);
    for (const StatisticsRow &row : Statistics::rows(statistics)) {
        for (QLabel *value : std::as_const(m_values)) {
            if (value->objectName() == row.name)
                value->setText(QString::number(row.value));
        }
    }
    // Two short lines keep the window its width.
    m_ui->Failure->setText(QString(statistics.failure).replace(QStringLiteral(": "), QStringLiteral(":\n")));
    m_ui->Failure->setVisible(!statistics.failure.isEmpty());
    // Wider figures widen the window before it is painted, not one frame later.
    layout()->activate();
}

void StatisticsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}
