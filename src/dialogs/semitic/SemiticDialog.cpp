#include "dialogs/semitic/SemiticDialog.h"

#include "ui_SemiticDialog.h"

#include "dialogs/semitic/logic/SemiticLetters.h"
#include "gui/ClickableLabel.h"
#include "gui/HebrewUi.h"
#include "gui/LetterPad.h"

#include <QShowEvent>

SemiticDialog::SemiticDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::SemiticDialog>())
{
    m_ui->setupUi(this);
    QFont font = HebrewUi::davidFont(21);
    font.setBold(true);
    setFont(font);
    QFont copyFont = HebrewUi::davidFont(16);
    copyFont.setFamilies({QStringLiteral("David"), LetterPad::letterFont(16).family()});
    copyFont.setBold(false);
    m_ui->Copy->setFont(copyFont);
    LetterPad::setUpIcons(m_ui->TntImage1, m_ui->Image1);

    const QFont letterFont = LetterPad::letterFont(21, true);
    int number = 0;
    const QList<QList<SemiticLetters::Letter>> rows = SemiticLetters::padRows();
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            const SemiticLetters::Letter &l = rows.at(row).at(column);
            ClickableLabel *label = LetterPad::addLetter(m_ui->padLayout, row, column, l.letter, l.hebrew, m_ui->Copy);
            label->setFont(letterFont);
            label->setObjectName(QStringLiteral("Sem%1").arg(++number));
        }
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->TntImage1, &ClickableLabel::clicked, this, &SemiticDialog::copyText);
    connect(m_ui->Image1, &ClickableLabel::clicked, this, &SemiticDialog::insertText);
}

SemiticDialog::~SemiticDialog() = default;

void SemiticDialog::showPad()
{
    LetterPad::showCentred(this);
    m_ui->Copy->setFocus();
}

void SemiticDialog::copyText()
{
    if (LetterPad::copy(m_ui->Copy))
        hide();
}

void SemiticDialog::insertText()
{
    if (m_ui->Copy->text().isEmpty())
        return;
    emit insertRequested(m_ui->Copy->text());
    hide();
}

void SemiticDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_ui->Copy->clear();
}
