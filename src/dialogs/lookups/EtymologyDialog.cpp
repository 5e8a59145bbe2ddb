#include "dialogs/lookups/EtymologyDialog.h"

#include "ui_EtymologyDialog.h"

#include "platform/ShellOpen.h"

EtymologyDialog::EtymologyDialog(QWidget *parent)
    : LookupDialog(parent)
    , m_ui(std::make_unique<Ui::TEtym>())
{
    m_ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->EtymQuery, &QLineEdit::textChanged, this, &EtymologyDialog::queryChanged);
    connect(m_ui->EtymClick, &QPushButton::clicked, this, &EtymologyDialog::search);
    // Choosing a source leaves the word ready to type.
    for (QRadioButton *r : {m_ui->EO, m_ui->OED, m_ui->AHD, m_ui->PnF, m_ui->MW})
        connect(r, &QRadioButton::clicked, m_ui->EtymQuery, [this] { m_ui->EtymQuery->setFocus(); });
}

EtymologyDialog::~EtymologyDialog() = default;

Lookups::EtymologySource EtymologyDialog::source() const
{
    using Lookups::EtymologySource;
    if (m_ui->OED->isChecked())
        return EtymologySource::OED;
    if (m_ui->MW->isChecked())
        return EtymologySource::MW;
    if (m_ui->AHD->isChecked())
        return EtymologySource::AHD;
    if (m_ui->PnF->isChecked())
        return EtymologySource::PnF;
    return EtymologySource::EO;
}

void EtymologyDialog::queryChanged()
{
    m_ui->EtymClick->setEnabled(!m_ui->EtymQuery->text().isEmpty());
}

void EtymologyDialog::search()
{
    // Empty for an empty query, and then nothing opens.
    ShellOpen::open(Lookups::etymologyAddress(source(), m_ui->EtymQuery->text()));
}
