#include "dialogs/lookups/SourcesDialog.h"

#include "ui_SourcesDialog.h"

#include "gui/HebrewMessageBox.h"
#include "platform/ShellOpen.h"

#include <QButtonGroup>

SourcesDialog::SourcesDialog(QWidget *parent)
    : LookupDialog(parent)
    , m_ui(std::make_unique<Ui::SourcesDialog>())
{
    m_ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->QueryText, &QLineEdit::textChanged, this, &SourcesDialog::queryChanged);
    connect(m_ui->Search, &QPushButton::clicked, this, &SourcesDialog::search);

    using Lookups::Collection;
    m_collections = new QButtonGroup(this);
    m_collections->setExclusive(false);
    m_collections->addButton(m_ui->BibleCheck, int(Collection::Bible));
    m_collections->addButton(m_ui->MishnaCheck, int(Collection::Mishna));
    m_collections->addButton(m_ui->ToseftaCheck, int(Collection::Tosefta));
    m_collections->addButton(m_ui->BavliCheck, int(Collection::Bavli));
    m_collections->addButton(m_ui->YerushalmiCheck, int(Collection::Yerushalmi));
    m_collections->addButton(m_ui->MishneTorahCheck, int(Collection::MishneTorah));
}

SourcesDialog::~SourcesDialog() = default;

Lookups::Collections SourcesDialog::collections() const
{
    Lookups::Collections chosen;
    for (QAbstractButton *box : m_collections->buttons()) {
        if (box->isChecked())
            chosen |= Lookups::Collection(m_collections->id(box));
    }
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
