#include "dialogs/wikisave/WikiSaveDialog.h"

#include "ui_WikiSaveDialog.h"

WikiSaveDialog::WikiSaveDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::WikiSaveDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->ShowChanges, &QPushButton::clicked, this, &WikiSaveDialog::changesRequested);
    connect(m_ui->SaveButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

WikiSaveDialog::~WikiSaveDialog() = default;

QString WikiSaveDialog::summary() const
{
    return m_ui->Summary->text();
}
