#include "dialogs/lookups/SourcesDialog.h"

#include "ui_SourcesDialog.h"

#include "gui/HebrewMessageBox.h"
#include "platform/ShellOpen.h"

SourcesDialog::SourcesDialog(QWidget *parent)
    : LookupDialog(parent)
    , m_ui(std::make_unique<Ui::TBibleForm>())
{
    m_ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->QueryText, &QLineEdit::textChanged, this, &SourcesDialog::queryChanged);
    connect(m_ui->Search, &QPushButton::clicked, this, &SourcesDialog::search);
}

SourcesDialog::~SourcesDialog() = default;

Lookups::Collections SourcesDialog::collections() const
{
    using Lookups::Collection;
    Lookups::Collections chosen;
    chosen.setFlag(Collection::Bible, m_ui->BibleCheck->isChecked());
    chosen.setFlag(Collection::Mishna, m_ui->MishnaCheck->isChecked());
    chosen.setFlag(Collection::Tosefta, m_ui->ToseftaCheck->isChecked());
    chosen.setFlag(Collection::Bavli, m_ui->BavliCheck->isChecked());
    chosen.setFlag(Collection::Yerushalmi, m_ui->YerushalmiCheck->isChecked());
    chosen.setFlag(Collection::MishneTorah, m_ui->MishneTorahCheck->isChecked());
    return chosen;
}

void SourcesDialog::queryChanged()
{
    m_ui->Search->setEnabled(!m_ui->QueryText->text().isEmpty());
}

void SourcesDialog::search()
{
    const QString query = m_ui->QueryText->text();
    if (query.isEmpty())
        return;
    // A search in no collection would silently do nothing; say why instead.
    if (!collections()) {
        HebrewMessageBox::notice(Lookups::NoCollectionMessage);
        return;
    }
    ShellOpen::open(Lookups::sourcesSearchAddress(query, collections()));
}
