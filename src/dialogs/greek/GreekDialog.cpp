#include "dialogs/greek/GreekDialog.h"

#include "ui_GreekDialog.h"

#include "dialogs/greek/logic/GreekLetters.h"
#include "gui/ClickableLabel.h"
#include "gui/HebrewUi.h"
#include "gui/LetterPad.h"

#include <QShowEvent>

GreekDialog::GreekDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::GreekDialog>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(16));
    QFont copyFont = HebrewUi::davidFont(16);
    copyFont.setFamilies({QStringLiteral("David"), LetterPad::letterFont(16).family()});
    m_ui->Copy->setFont(copyFont);
    LetterPad::setUpIcons(m_ui->TntImage1, m_ui->Image1);
    buildPad();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->TntImage1, &ClickableLabel::clicked, this, &GreekDialog::copyWord);
    connect(m_ui->Image1, &ClickableLabel::clicked, this, &GreekDialog::insertWord);
}

GreekDialog::~GreekDialog() = default;

void GreekDialog::buildPad()
{
    const QFont font = LetterPad::letterFont(22);
    int number = 0;
    const QList<QList<GreekLetters::Letter>> rows = GreekLetters::padRows();
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            const GreekLetters::Letter &l = rows.at(row).at(column);
            ClickableLabel *label = LetterPad::addLetter(m_ui->padLayout, row, column, QString(l.letter),
                                                         l.transliteration, m_ui->Copy);
            label->setFont(font);
            ++number;
            label->setObjectName(number == 1 ? QStringLiteral("GreekLet") : QStringLiteral("GreekLet%1").arg(number));
        }
    }
    // The capitals are not typed from the pad; they stand beside it with their
    // transliteration, as the table has them.
    number = 0;
    for (const GreekLetters::Letter &l : GreekLetters::capitals()) {
        auto *capital = new QLabel(QString(l.letter), m_ui->Pad);
        capital->setObjectName(QStringLiteral("GreekCapital%1").arg(++number));
        capital->setToolTip(l.transliteration);
        capital->hide();
    }
}

void GreekDialog::showPad()
{
    LetterPad::showCentred(this);
    m_ui->Copy->setFocus();
}

void GreekDialog::copyWord()
{
    if (LetterPad::copy(m_ui->Copy))
        hide();
}

void GreekDialog::insertWord()
{
    if (m_ui->Copy->text().isEmpty())
        return;
    const QString word = GreekLetters::trimWord(m_ui->Copy->text());
    m_ui->Copy->setText(word);
    // Blanks alone make no word; the pad stays for one.
    if (word.isEmpty())
        return;
    emit insertRequested(word);
    hide();
}

void GreekDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_ui->Copy->clear();
}
