#include "dialogs/translations/TranslationsDialog.h"

#include "ui_TranslationsDialog.h"

#include "dialogs/translations/TranslationsModel.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"

#include <QHeaderView>
#include <QScreen>
#include <QShowEvent>

const QString TranslationsDialog::ClearQuestion = QStringLiteral("האם ברצונך למחוק את כל התרגומים?\u200F");

QString TranslationsDialog::removeQuestion(const QString &language)
{
    return QStringLiteral("האם ברצונך למחוק את תרגומי ה\u200F\u200F") + language + QStringLiteral("?\u200F");
}

TranslationsDialog::TranslationsDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::TranslationsDialog>())
{
    m_ui->setupUi(this);
    m_rows = new TranslationsModel(this);
    m_ui->AllTrans->setModel(m_rows);
    setFont(HebrewUi::davidFont(15));
    QFont bold = font();
    bold.setBold(true);
    m_ui->AddAll->setFont(bold);
    m_ui->Langs->addItems(Translations::languages());
    m_ui->Langs->setCurrentIndex(-1);
    m_ui->ArabReplace->setText(Translations::ArabicMarks);
    m_ui->ArabReplace->hide();
    QHeaderView *header = m_ui->AllTrans->header();
    header->resizeSection(Translations::WordsColumn, 200);
    header->resizeSection(Translations::LanguageColumn, 100);
    header->setStretchLastSection(false);
    // The words take what the list has beyond the two widths, else an empty header
    // stub stands at its far side.
    header->setSectionResizeMode(Translations::WordsColumn, QHeaderView::Stretch);
    header->setSectionsClickable(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->Langs, &QComboBox::activated, this, [this] { m_ui->Words->setFocus(); });
    connect(m_ui->AddLang, &QPushButton::clicked, this, &TranslationsDialog::addWords);
    connect(m_ui->AllTrans, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { removeRow(index.row()); });
    connect(header, &QHeaderView::sectionClicked, m_rows, [this](int column) { m_rows->sort(column); });
    connect(m_ui->Clear, &QPushButton::clicked, this, &TranslationsDialog::clearAll);
    connect(m_ui->AddAll, &QPushButton::clicked, this, &TranslationsDialog::writeTemplate);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &TranslationsDialog::showCount);
    connect(m_rows, &QAbstractItemModel::rowsRemoved, this, &TranslationsDialog::showCount);
    showCount();
}

TranslationsDialog::~TranslationsDialog() = default;

void TranslationsDialog::showTranslations(const QString &selection)
{
    if (!isVisible()) {
        if (std::optional<QList<TranslationRow>> read = Translations::read(selection, m_rows->sortColumn()))
            m_rows->setRows(std::move(*read));
        show();
    }
    raise();
    activateWindow();
}

void TranslationsDialog::showCount()
{
    m_ui->TransCount->setText(QString::number(m_rows->rowCount()) + QStringLiteral(" שפות"));
    m_ui->AddAll->setEnabled(m_rows->rowCount() > 0);
}

void TranslationsDialog::addWords()
{
    if (m_rows->add(m_ui->Langs->currentText(), m_ui->Words->text()))
        m_ui->Words->clear();
}

void TranslationsDialog::removeRow(int row)
{
    if (row < 0 || row >= m_rows->rowCount()
        || !HebrewMessageBox::askYesNo(removeQuestion(m_rows->rows().at(row).language)))
        return;
    m_rows->removeRow(row);
}

void TranslationsDialog::clearAll()
{
    if (m_rows->rowCount() == 0 || !HebrewMessageBox::askYesNo(ClearQuestion))
        return;
    m_rows->setRows({});
}

void TranslationsDialog::writeTemplate()
{
    if (m_rows->rowCount() == 0)
        return;
    emit templateWritten(Translations::write(m_rows->rows()));
    hide();
}

void TranslationsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
}
