#include "dialogs/lookups/DictionaryDialog.h"

#include "ui_DictionaryDialog.h"

#include "platform/ShellOpen.h"

DictionaryDialog::DictionaryDialog(QWidget *parent)
    : LookupDialog(parent)
    , m_ui(std::make_unique<Ui::TTranslate>())
{
    m_ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->TransQuery, &QLineEdit::textChanged, this, &DictionaryDialog::queryChanged);
    connect(m_ui->TransSearch, &QPushButton::clicked, this, &DictionaryDialog::search);
    for (QRadioButton *r : {m_ui->Wiktionary, m_ui->Logos, m_ui->Ayalon, m_ui->Morfix})
        connect(r, &QRadioButton::clicked, this, &DictionaryDialog::dictionaryChosen);
}

DictionaryDialog::~DictionaryDialog() = default;

Lookups::Dictionary DictionaryDialog::dictionary() const
{
    using Lookups::Dictionary;
    if (m_ui->Logos->isChecked())
        return Dictionary::Logos;
    if (m_ui->Morfix->isChecked())
        return Dictionary::Morfix;
    if (m_ui->Ayalon->isChecked())
        return Dictionary::Ayalon;
    return Dictionary::Wiktionary;
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
