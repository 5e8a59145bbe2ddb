#include "dialogs/lookups/EtymologyDialog.h"

#include "ui_EtymologyDialog.h"

#include "platform/ShellOpen.h"

#include <QButtonGroup>

EtymologyDialog::EtymologyDialog(QWidget *parent)
    : LookupDialog(parent)
    , m_ui(std::make_unique<Ui::EtymologyDialog>())
{
    m_ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->EtymQuery, &QLineEdit::textChanged, this, &EtymologyDialog::queryChanged);
    connect(m_ui->EtymClick, &QPushButton::clicked, this, &EtymologyDialog::search);
    using Lookups::EtymologySource;
    m_sources = new QButtonGroup(this);
    m_sources->addButton(m_ui->EO, int(EtymologySource::EO));
    m_sources->addButton(m_ui->OED, int(EtymologySource::OED));
    m_sources->addButton(m_ui->MW, int(EtymologySource::MW));
    m_sources->addButton(m_ui->AHD, int(EtymologySource::AHD));
    m_sources->addButton(m_ui->PnF, int(EtymologySource::PnF));
    // Choosing a source leaves the word ready to type.
    connect(m_sources, &QButtonGroup::idClicked, m_ui->EtymQuery, [this] { m_ui->EtymQuery->setFocus(); });
}

EtymologyDialog::~EtymologyDialog() = default;

Lookups::EtymologySource EtymologyDialog::source() const
{
    const int id = m_sources->checkedId();
    return id < 0 ? Lookups::EtymologySource::EO : Lookups::EtymologySource(id);
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
