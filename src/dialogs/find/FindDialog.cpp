#include "dialogs/find/FindDialog.h"

#include "ui_FindDialog.h"

#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "regex/RegEx.h"

#include <QScreen>

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::TFindF>())
{
    m_ui->setupUi(this);
    m_ui->FindText->setFont(HebrewUi::davidFont(15));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->FindText, &QLineEdit::textChanged, this, &FindDialog::queryChanged);
    connect(m_ui->FindClick, &QPushButton::clicked, this, &FindDialog::find);
    connect(m_ui->RootCheck, &QCheckBox::toggled, this, &FindDialog::rootModeToggled);
    connect(m_ui->RegCheck, &QCheckBox::toggled, this, &FindDialog::patternModeToggled);
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
    if (m_ui->FindText->text().isEmpty() || !m_target.regEx || !m_target.state)
        return;
    QString scratch;
    QString &last = m_target.lastFindQuery ? *m_target.lastFindQuery : scratch;
    const FindResult result = FindSearch::findFirst(*m_target.regEx, m_target.state(), m_ui->FindText->text(), mode(),
                                                    last);
    if (result.outcome != FindResult::Outcome::Found) {
        HebrewMessageBox::notice(result.message);
        return;
    }
    if (m_target.apply)
        m_target.apply(result.state);
    hide();
}

void FindDialog::rootModeToggled()
{
    if (m_ui->RootCheck->isChecked())
        m_ui->RegCheck->setChecked(false);
}

void FindDialog::patternModeToggled()
{
    if (m_ui->RegCheck->isChecked())
        m_ui->RootCheck->setChecked(false);
}

void FindDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}
