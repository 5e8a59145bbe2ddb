#include "dialogs/sentences/SentencesDialog.h"

#include "ui_SentencesDialog.h"

#include "dialogs/sentences/ExamplesView.h"
#include "dialogs/sentences/SentencesModels.h"
#include "entry/EntryText.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "gui/MaqafKey.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

namespace {

const QColor DefinitionsHeaderColour(158, 218, 177);

void setUpGrid(QTableView *grid, const QColor &headerColour)
{
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: white; border: none;"
                       " border-left: 1px solid white; padding: 1px; }")
            .arg(headerColour.name()));
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
}

} // namespace

SentencesDialog::SentencesDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::SentencesDialog>())
{
    m_ui->setupUi(this);
    m_definitions = new DefinitionsModel(this);
    m_examples = new ExamplesModel(this);
    setFont(HebrewUi::davidFont(15));
    QFont bold = m_ui->Update->font();
    bold.setBold(true);
    m_ui->Update->setFont(bold);
    setUpGrids();

    connect(m_ui->SAdd, &QPushButton::clicked, this, &SentencesDialog::addSentence);
    connect(m_ui->Update, &QPushButton::clicked, this, &SentencesDialog::requestUpdate);
    connect(m_ui->SType, &QComboBox::activated, this, &SentencesDialog::updateKindFields);
    connect(m_ui->SPos, &QComboBox::activated, this, &SentencesDialog::updateKindFields);
    connect(m_ui->SG, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() == ExamplesModel::RowColumn)
            removeSentence(index.row());
    });

    for (QObject *watched : {static_cast<QObject *>(m_ui->SText), static_cast<QObject *>(m_ui->SWriter),
                             static_cast<QObject *>(m_ui->SStory), static_cast<QObject *>(m_ui->SSource),
                             static_cast<QObject *>(m_ui->SWikipedia), static_cast<QObject *>(m_ui->SG),
                             static_cast<QObject *>(m_ui->SGDefs)})
        watched->installEventFilter(this);
    updateKindFields();
}

SentencesDialog::~SentencesDialog() = default;

void SentencesDialog::setUpGrids()
{
    m_ui->SGDefs->setModel(m_definitions);
    setUpGrid(m_ui->SGDefs, DefinitionsHeaderColour);
    m_ui->SGDefs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui->SG->setModel(m_examples);
    setUpGrid(m_ui->SG, ExamplesModel::HeaderColour);
    m_ui->SG->setItemDelegateForColumn(ExamplesModel::PlacementColumn, new PlacementDelegate(m_ui->SG));

    // Each column as wide as what it shows in this font: up to a hundred rows and
    // definitions, the definition column's caption, the placement's chooser. The line
    // starts at room for a sentence with its source and takes whatever the window
    // has beyond that.
    const QFontMetrics metrics(font());
    const int number = metrics.horizontalAdvance(QStringLiteral("000")) + 8;
    QComboBox chooser;
    chooser.setFont(font());
    chooser.addItems({EntryStructure::BesideDefinition, EntryStructure::SeparateSection});
    m_ui->SGDefs->setColumnWidth(0, number);
    m_ui->SG->setColumnWidth(ExamplesModel::RowColumn, number);
    m_ui->SG->setColumnWidth(ExamplesModel::NumberColumn, metrics.horizontalAdvance(QStringLiteral("הגדרה")) + 12);
    m_ui->SG->setColumnWidth(ExamplesModel::LineColumn, 450);
    m_ui->SG->setColumnWidth(ExamplesModel::PlacementColumn, chooser.sizeHint().width());
    int width = 2 * m_ui->SG->frameWidth() + m_ui->SG->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < ExamplesModel::ColumnCount; ++c)
        width += m_ui->SG->columnWidth(c);
    m_ui->SG->setMinimumWidth(width);
    m_ui->SGDefs->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_ui->SG->horizontalHeader()->setSectionResizeMode(ExamplesModel::LineColumn, QHeaderView::Stretch);
}

void SentencesDialog::showSentences(EntrySentences sentences)
{
    reset();
    m_definitions->setDefinitions(sentences.definitions);
    m_examples->setRows(sentences.examples);
    m_read = std::move(sentences);
    adjustSize();
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_ui->SText->setFocus();
}

void SentencesDialog::reset()
{
    for (QLineEdit *edit : {m_ui->SDef, m_ui->SText, m_ui->SSource, m_ui->SStory, m_ui->SWriter})
        edit->clear();
    m_ui->SPos->setCurrentIndex(0);
    m_ui->SType->setCurrentIndex(0);
    m_ui->SWikipedia->setChecked(false);
    m_ui->SG->clearSelection();
    m_ui->SGDefs->clearSelection();
    // The kind is plain again, so its extra fields go too.
    updateKindFields();
}

void SentencesDialog::updateKindFields()
{
    const int kind = m_ui->SType->currentIndex();
    const bool sources = kind == int(NewSentence::Kind::Sources);
    const bool literature = kind == int(NewSentence::Kind::Literature);
    m_ui->SSourceCaption->setVisible(sources);
    m_ui->SSource->setVisible(sources);
    if (sources)
        m_ui->SSource->clear();
    for (QWidget *w : {static_cast<QWidget *>(m_ui->SStoryCaption), static_cast<QWidget *>(m_ui->SStory),
                       static_cast<QWidget *>(m_ui->SWriterCaption), static_cast<QWidget *>(m_ui->SWriter),
                       static_cast<QWidget *>(m_ui->SWikipedia)})
        w->setVisible(literature);
    if (!literature) {
        m_ui->SStory->clear();
        m_ui->SWriter->clear();
    }
}

void SentencesDialog::addSentence()
{
    NewSentence s;
    s.definition = m_ui->SDef->text();
    s.kind = NewSentence::Kind(m_ui->SType->currentIndex());
    s.placement = m_ui->SPos->currentText();
    s.text = m_ui->SText->text();
    s.source = m_ui->SSource->text();
    s.work = m_ui->SStory->text();
    s.author = m_ui->SWriter->text();
    s.wikipediaLink = m_ui->SWikipedia->isChecked();
    const bool added = m_examples->addSentence(s, QGuiApplication::clipboard()->text());
    m_ui->SDef->setText(s.definition);
    if (added) {
        for (QLineEdit *edit : {m_ui->SText, m_ui->SSource, m_ui->SStory, m_ui->SWriter})
            edit->clear();
    }
    m_ui->SText->setFocus();
}

void SentencesDialog::removeSentence(int row)
{
    if (row < 0 || row >= m_examples->rows().size())
        return;
    const QString line = m_examples->rows().at(row).line;
    if (EntryText::trim(line).isEmpty() || !HebrewMessageBox::askYesNo(Sentences::removeQuestion(line)))
        return;
    m_examples->removeRow(row);
}

void SentencesDialog::requestUpdate()
{
    EntrySentences sentences = m_read;
    sentences.examples = m_examples->rows();
    emit updateRequested(sentences);
}

bool SentencesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->SWikipedia) {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            const QString address = Sentences::authorAddress(m_ui->SWriter->text());
            if (!address.isEmpty())
                ShellOpen::open(address);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut && (watched == m_ui->SG || watched == m_ui->SGDefs)) {
        auto *grid = static_cast<QTableView *>(watched);
        const QWidget *now = QApplication::focusWidget();
        if (!now || !grid->isAncestorOf(now))
            grid->clearSelection();
        return false;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
        if (MaqafKey::filter(*edit, event))
            return true;
        if (edit == m_ui->SText && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Insert && (key->modifiers() & Qt::ShiftModifier)) {
                if (event->type() == QEvent::ShortcutOverride) {
                    event->accept();
                    return false;
                }
                edit->insert(Sentences::pastedSentence(QGuiApplication::clipboard()->text()));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
