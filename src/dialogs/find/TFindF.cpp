#include "dialogs/find/TFindF.h"

#include "ui_TFindF.h"

#include "app/HebrewMessageBox.h"
#include "regex/RegEx.h"

#include <QScreen>

TFindF::TFindF(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::TFindF>())
{
    m_ui->setupUi(this);
    QFont font(QStringLiteral("David"));
    font.setPixelSize(15);
    m_ui->FindText->setFont(font);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->FindText, &QLineEdit::textChanged, this, &TFindF::FindTextChange);
    connect(m_ui->FindClick, &QPushButton::clicked, this, &TFindF::FindClickClick);
    connect(m_ui->RootCheck, &QCheckBox::toggled, this, &TFindF::RootCheckClick);
    connect(m_ui->RegCheck, &QCheckBox::toggled, this, &TFindF::RegCheckClick);
}

TFindF::~TFindF() = default;

FindMode TFindF::mode() const
{
    if (m_ui->RegCheck->isChecked())
        return FindMode::Regex;
    if (m_ui->RootCheck->isChecked())
        return FindMode::Root;
    return FindMode::Plain;
}

void TFindF::showForQuery()
{
    show();
    raise();
    activateWindow();
    m_ui->FindText->setFocus();
    m_ui->FindText->selectAll();
}

void TFindF::FindTextChange()
{
    m_ui->FindClick->setEnabled(!m_ui->FindText->text().isEmpty());
}

void TFindF::FindClickClick()
{
    if (m_ui->FindText->text().isEmpty() || !m_target.regEx || !m_target.state)
        return;
    QString scratch;
    QString &last = m_target.lastFindQuery ? *m_target.lastFindQuery : scratch;
    const FindResult result = FindFirstMatch(*m_target.regEx, m_target.state(), m_ui->FindText->text(), mode(), last);
    if (result.outcome != FindResult::Outcome::Found) {
        HebrewMessageBox::notice(result.message);
        return;
    }
    if (m_target.apply)
        m_target.apply(result.state);
    hide();
}

void TFindF::RootCheckClick()
{
    if (m_ui->RootCheck->isChecked())
        m_ui->RegCheck->setChecked(false);
}

void TFindF::RegCheckClick()
{
    if (m_ui->RegCheck->isChecked())
        m_ui->RootCheck->setChecked(false);
}

void TFindF::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}
