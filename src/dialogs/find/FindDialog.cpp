#include "dialogs/find/FindDialog.h"

#include "ui_FindDialog.h"

#include "gui/HebrewUi.h"

#include <QScreen>

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::FindDialog>())
{
    m_ui->setupUi(this);
    m_ui->FindText->setFont(HebrewUi::davidFont(15));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->FindText, &QLineEdit::textChanged, this, &FindDialog::queryChanged);
    connect(m_ui->FindClick, &QPushButton::clicked, this, &FindDialog::find);
    // Root and pattern are two readings of one query: one at most.
    connect(m_ui->RootCheck, &QCheckBox::toggled, m_ui->RegCheck, [this](bool on) {
        if (on)
            m_ui->RegCheck->setChecked(false);
    });
    connect(m_ui->RegCheck, &QCheckBox::toggled, m_ui->RootCheck, [this](bool on) {
        if (on)
            m_ui->RootCheck->setChecked(false);
    });
}

FindDialog::~FindDialog() = default;

FindMode FindDialog::mode() const
{
    if (m_ui->RegCheck->isChecked())
        return FindMode::Regex;
    if (m_ui->RootCheck->isChecked())
        return FindMode::Root;
    return FindMode::Plain;
}

void FindDialog::showForQuery()
{
    show();
    raise();
    activateWindow();
    m_ui->FindText->setFocus();
    m_ui->FindText->selectAll();
}

void FindDialog::queryChanged()
{
    m_ui->FindClick->setEnabled(!m_ui->FindText->text().isEmpty());
}

void FindDialog::find()
{
    if (!m_ui->FindText->text().isEmpty())
        emit searchRequested(m_ui->FindText->text(), mode());
}

void FindDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}
