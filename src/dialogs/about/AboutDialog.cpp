#include "dialogs/about/AboutDialog.h"

#include "ui_AboutDialog.h"

#include "gui/HebrewUi.h"
#include "gui/ToolWindow.h"
#include "platform/ShellOpen.h"

#include <QHideEvent>

const QString AboutDialog::AuthorAddress = QStringLiteral("https://he.wiktionary.org/wiki/ויקימילון:שער_הקהילה");
const QString AboutDialog::IconSetAddress = QStringLiteral("https://invent.kde.org/frameworks/breeze-icons");
const QString AboutDialog::RegexAddress = QStringLiteral("https://www.pcre.org/");

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::AboutDialog>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(15));
    QFont title = HebrewUi::davidFont(18);
    title.setBold(true);
    m_ui->Title->setFont(title);
    setFixedSize(332, 139);
    const struct
    {
        ClickableLabel *label;
        const QString &address;
    } links[] = {{m_ui->Author, AuthorAddress}, {m_ui->IconSet, IconSetAddress}, {m_ui->RegexComponent, RegexAddress}};
    for (const auto &l : links) {
        l.label->setStyleSheet(QStringLiteral("color: #1a4fa0; text-decoration: underline;"));
        connect(l.label, &ClickableLabel::clicked, this, [address = l.address] { ShellOpen::open(address); });
    }
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::showAbout()
{
    ToolWindow::bringForward(*this);
}

void AboutDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // A minimised owner takes its tool windows along with a spontaneous hide; the
    // window comes back with it and is not closed.
    if (!event->spontaneous())
        emit closed();
}
