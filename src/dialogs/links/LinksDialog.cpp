#include "dialogs/links/LinksDialog.h"

#include "ui_LinksDialog.h"

#include "gui/HebrewUi.h"
#include "gui/ToolWindow.h"
#include "platform/ShellOpen.h"

namespace {

const struct
{
    ClickableLabel *Ui::LinksDialog::*label;
    const char *name;
    const char16_t *address;
} Links[] = {
    {&Ui::LinksDialog::Academy_Site, "Academy_Site", u"https://hebrew-academy.org.il/"},
    {&Ui::LinksDialog::Ktiv_Rules, "Ktiv_Rules",
     u"https://hebrew-academy.org.il/topic/hahlatot/missingvocalizationspelling/"},
    {&Ui::LinksDialog::Academy_Terms, "Academy_Terms", u"https://terms.hebrew-academy.org.il/"},
    {&Ui::LinksDialog::Historical_Dictionary, "Historical_Dictionary", u"https://maagarim.hebrew-academy.org.il/"},
    {&Ui::LinksDialog::Responsa, "Responsa", u"https://www.responsa.co.il/"},
    {&Ui::LinksDialog::Nikkud_HaHavarot, "Nikkud_HaHavarot", u"https://he.wikipedia.org/wiki/ניקוד"},
    {&Ui::LinksDialog::Safa_Ivrit, "Safa_Ivrit", u"https://www.safa-ivrit.org/"},
};

} // namespace

LinksDialog::LinksDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::LinksDialog>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(15));
    QFont heading = HebrewUi::davidFont(16);
    heading.setBold(true);
    m_ui->Academy_All->setFont(heading);
    m_ui->Tools->setFont(heading);
    setFixedSize(200, 230);
    for (const auto &link : Links) {
        ClickableLabel *label = m_ui.get()->*link.label;
        label->setStyleSheet(QStringLiteral("color: #1a4fa0; text-decoration: underline;"));
        const QString address = QString::fromUtf16(link.address);
        connect(label, &ClickableLabel::clicked, this, [address] { ShellOpen::open(address); });
    }
}

LinksDialog::~LinksDialog() = default;

void LinksDialog::showLinks()
{
    ToolWindow::bringForward(*this);
}

QString LinksDialog::addressOf(const QString &label)
{
    for (const auto &link : Links) {
        if (label == QLatin1String(link.name))
            return QString::fromUtf16(link.address);
    }
    return {};
}
