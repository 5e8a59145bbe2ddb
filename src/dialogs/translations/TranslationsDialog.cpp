#include "dialogs/translations/TranslationsDialog.h"

#include "ui_TranslationsDialog.h"

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
    , m_ui(std::make_unique<Ui::TTransAdd>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(15));
    QFont bold = font();
    bold.setBold(true);
    m_ui->AddAll->setFont(bold);
    m_ui->Langs->addItems(Translations::languages());
    m_ui->Langs->setCurrentIndex(-1);
    m_ui->ArabReplace->setText(Translations::ArabicMarks);
    m_ui->ArabReplace->hide();
    m_ui->AllTrans->header()->resizeSection(Translations::WordsColumn, 200);
    m_ui->AllTrans->header()->resizeSection(Translations::LanguageColumn, 100);
    m_ui->AllTrans->header()->setStretchLastSection(false);
    // The words take what the list has beyond the two widths, else an empty header
    // stub stands at its far side.
    m_ui->AllTrans->header()->setSectionResizeMode(Translations::WordsColumn, QHeaderView::Stretch);
    m_ui->AllTrans->header()->setSectionsClickable(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->Langs, &QComboBox::activated, this, [this] { m_ui->Words->setFocus(); });
    connect(m_ui->AddLang, &QPushButton::clicked, this, &TranslationsDialog::addWords);
    connect(m_ui->AllTrans, &QTreeWidget::itemDoubleClicked, this, &TranslationsDialog::removeSelected);
    connect(m_ui->AllTrans->header(), &QHeaderView::sectionClicked, this, &TranslationsDialog::sortBy);
    connect(m_ui->Clear, &QPushButton::clicked, this, &TranslationsDialog::clearAll);
    connect(m_ui->AddAll, &QPushButton::clicked, this, &TranslationsDialog::writeTemplate);
    showRows();
}

TranslationsDialog::~TranslationsDialog() = default;

void TranslationsDialog::showRows()
{
    QTreeWidget *list = m_ui->AllTrans;
    list->clear();
    for (const TranslationRow &row : m_rows)
        list->addTopLevelItem(new QTreeWidgetItem(QStringList{row.words, row.language}));
    m_ui->TransCount->setText(QString::number(m_rows.size()) + QStringLiteral(" שפות"));
    m_ui->AddAll->setEnabled(!m_rows.isEmpty());
}

void TranslationsDialog::addWords()
{
    const Translations::Added added = Translations::add(m_rows, m_ui->Langs->currentText(), m_ui->Words->text());
    if (added == Translations::Added::Nothing)
        return;
    if (added == Translations::Added::NewRow)
        Translations::sort(m_rows, m_sortColumn);
    m_ui->Words->clear();
    showRows();
}

void TranslationsDialog::removeSelected()
{
    const QList<QTreeWidgetItem *> selected = m_ui->AllTrans->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_ui->AllTrans->indexOfTopLevelItem(selected.first());
    if (row < 0 || row >= m_rows.size() || !HebrewMessageBox::askYesNo(removeQuestion(m_rows.at(row).language)))
        return;
    m_rows.removeAt(row);
    showRows();
}

void TranslationsDialog::clearAll()
{
    if (m_rows.isEmpty() || !HebrewMessageBox::askYesNo(ClearQuestion))
        return;
    m_rows.clear();
    showRows();
}

void TranslationsDialog::writeTemplate()
{
    if (m_rows.isEmpty())
        return;
    if (m_target.replaceSelection)
        m_target.replaceSelection(Translations::write(m_rows));
    hide();
}

void TranslationsDialog::sortBy(int column)
{
    m_sortColumn = column;
    Translations::sort(m_rows, m_sortColumn);
    showRows();
}

void TranslationsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_target.selectedText) {
        if (const std::optional<QList<TranslationRow>> read = Translations::read(m_target.selectedText(),
                                                                                 m_sortColumn)) {
            m_rows = *read;
            showRows();
        }
    }
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}
