#include "dialogs/lookups/DictionaryDialog.h"

#include "ui_DictionaryDialog.h"

#include "platform/ShellOpen.h"

#include <QButtonGroup>

DictionaryDialog::DictionaryDialog(QWidget *parent)
    : LookupDialog(parent)
    , m_ui(std::make_unique<Ui::DictionaryDialog>())
{
    m_ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->TransQuery, &QLineEdit::textChanged, this, &DictionaryDialog::queryChanged);
    connect(m_ui->TransSearch, &QPushButton::clicked, this, &DictionaryDialog::search);
    using Lookups::Dictionary;
    m_dictionaries = new QButtonGroup(this);
    m_dictionaries->addButton(m_ui->Wiktionary, int(Dictionary::Wiktionary));
    m_dictionaries->addButton(m_ui->Logos, int(Dictionary::Logos));
    m_dictionaries->addButton(m_ui->Morfix, int(Dictionary::Morfix));
    m_dictionaries->addButton(m_ui->Ayalon, int(Dictionary::Ayalon));
    connect(m_dictionaries, &QButtonGroup::idClicked, this, &DictionaryDialog::dictionaryChosen);
}

DictionaryDialog::~DictionaryDialog() = default;

Lookups::Dictionary DictionaryDialog::dictionary() const
{
    const int id = m_dictionaries->checkedId();
    return id < 0 ? Lookups::Dictionary::Wiktionary : Lookups::Dictionary(id);
}

void DictionaryDialog::queryChanged()
{
    m_ui->TransSearch->setEnabled(!m_ui->TransQuery->text().isEmpty());
}

void DictionaryDialog::dictionaryChosen()
{
    m_ui->TransQuery->setLayoutDirection(Lookups::readsRightToLeft(dictionary()) ? Qt::RightToLeft : Qt::LeftToRight);
    m_ui->TransQuery->setFocus();
}

void DictionaryDialog::search()
{
    // Empty for an empty query, and then nothing opens.
    ShellOpen::open(Lookups::dictionaryAddress(dictionary(), m_ui->TransQuery->text()));
}
