#include "dialogs/guide/EntryGuideDialog.h"

#include "ui_EntryGuideDialog.h"

#include "dialogs/guide/logic/EntryGuide.h"
#include "gui/AppIcons.h"
#include "gui/HebrewUi.h"
#include "gui/ToolWindow.h"

#include <QMouseEvent>

namespace {

const QColor Cream(255, 251, 240);

QIcon importanceIcon(EntryGuide::Importance importance)
{
    switch (importance) {
    case EntryGuide::Importance::Basic:
        return AppIcons::led(QColor(200, 40, 40));
    case EntryGuide::Importance::VeryDesirable:
        return AppIcons::led(QColor(230, 150, 20));
    case EntryGuide::Importance::Desirable:
        break;
    }
    return AppIcons::led(QColor(40, 150, 60));
}

} // namespace

EntryGuideDialog::EntryGuideDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::EntryGuideDialog>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(15));
    QPalette cream = palette();
    cream.setColor(QPalette::Window, Cream);
    cream.setColor(QPalette::Base, Cream);
    setPalette(cream);
    setAutoFillBackground(true);

    using EntryGuide::Importance;
    const struct
    {
        QLabel *image;
        Importance importance;
    } legend[] = {{m_ui->TntImage1, Importance::Basic},
                  {m_ui->TntImage2, Importance::VeryDesirable},
                  {m_ui->TntImage3, Importance::Desirable}};
    for (const auto &l : legend)
        l.image->setPixmap(importanceIcon(l.importance).pixmap(16, 16));
    for (const EntryGuide::Section &s : EntryGuide::sections()) {
        auto *item = new QTreeWidgetItem(m_ui->Structure, {s.name});
        item->setIcon(0, importanceIcon(s.importance));
    }
    m_ui->Dummy->setFixedSize(0, 0);

    connect(m_ui->Structure, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { explain(item ? item->text(0) : QString()); });
    clearExplanation();
}

EntryGuideDialog::~EntryGuideDialog() = default;

void EntryGuideDialog::showGuide()
{
    ToolWindow::bringForward(*this);
}

void EntryGuideDialog::explain(const QString &name)
{
    m_ui->Explain->setEnabled(true);
    m_ui->Explain->setPlainText(EntryGuide::guidelineFor(name));
    m_ui->Explain->selectAll();
    m_ui->Explain->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    m_ui->Explain->moveCursor(QTextCursor::Start);
}

void EntryGuideDialog::clearExplanation()
{
    m_ui->Explain->setEnabled(false);
    m_ui->Explain->setPlainText(EntryGuide::Prompt);
    m_ui->Explain->selectAll();
    m_ui->Explain->setAlignment(Qt::AlignHCenter);
    m_ui->Explain->moveCursor(QTextCursor::Start);
    m_ui->Structure->clearSelection();
    m_ui->Dummy->setFocus();
}

void EntryGuideDialog::mousePressEvent(QMouseEvent *event)
{
    // Labels pass their clicks on to the dialog; only its empty area clears.
    if (!childAt(event->position().toPoint()))
        clearExplanation();
    QDialog::mousePressEvent(event);
}
