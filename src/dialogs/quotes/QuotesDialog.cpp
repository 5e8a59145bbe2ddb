#include "dialogs/quotes/QuotesDialog.h"

#include "ui_QuotesDialog.h"

#include "dialogs/quotes/logic/QuotesSearch.h"
#include "gui/HebrewUi.h"
#include "gui/ToolWindow.h"
#include "platform/ShellOpen.h"

QuotesDialog::QuotesDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::QuotesDialog>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(15));
    m_ui->QuoteSearch->setEnabled(false);
    connect(m_ui->QuoteQuery, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_ui->QuoteSearch->setEnabled(!text.isEmpty()); });
    connect(m_ui->QuoteSearch, &QPushButton::clicked, this, &QuotesDialog::search);
    connect(m_ui->Netiyot, &QCheckBox::clicked, this, &QuotesDialog::inflectionsToggled);
}

QuotesDialog::~QuotesDialog() = default;

void QuotesDialog::setQuery(const QString &query)
{
    m_ui->QuoteQuery->setText(query);
}

void QuotesDialog::showQuotes(const QString &query)
{
    ToolWindow::bringForward(*this);
    setQuery(query);
}

void QuotesDialog::search()
{
    const QString query = m_ui->QuoteQuery->text();
    if (!query.isEmpty())
        ShellOpen::open(QuotesSearch::address(query));
}
