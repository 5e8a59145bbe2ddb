#include "dialogs/sentences/SentencesDialog.h"

#include "ui_SentencesDialog.h"

#include "entry/EntryText.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "gui/MaqafKey.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

namespace {

enum Column { RowColumn, NumberColumn, LineColumn, PlacementColumn };

const QChar Rlm(0x200F);

void setHeader(QTableWidget *grid, const QStringList &captions, const QColor &colour)
{
    QStringList marked;
    for (const QString &c : captions)
        marked << c + Rlm;
    grid->setColumnCount(int(captions.size()));
    grid->setHorizontalHeaderLabels(marked);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: white; border: none;"
                       " border-left: 1px solid white; padding: 1px; }")
            .arg(colour.name()));
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
}

QTableWidgetItem *cell(const QString &text, Qt::ItemFlags flags)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(flags);
    return item;
}

} // namespace

const QColor SentencesDialog::SentencesHeaderColour = QColor(166, 202, 240);
const QColor SentencesDialog::DefinitionsHeaderColour = QColor(158, 218, 177);

SentencesDialog::SentencesDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::TSentencesForm>())
{
    m_ui->setupUi(this);
    setFont(HebrewUi::davidFont(15));
    QFont bold = m_ui->Update->font();
    bold.setBold(true);
    m_ui->Update->setFont(bold);
    buildGrids();

    connect(m_ui->SAdd, &QPushButton::clicked, this, &SentencesDialog::addSentence);
    connect(m_ui->Update, &QPushButton::clicked, this, &SentencesDialog::updateRequested);
    connect(m_ui->SType, &QComboBox::activated, this, &SentencesDialog::updateKindFields);
    connect(m_ui->SPos, &QComboBox::activated, this, &SentencesDialog::updateKindFields);
    connect(m_ui->SG, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == RowColumn)
            removeSentence(row);
    });
    connect(m_ui->SG, &QTableWidget::cellChanged, this, &SentencesDialog::cellEdited);
    connect(m_ui->SG, &QTableWidget::currentCellChanged, this, &SentencesDialog::placeChooser);
    connect(m_ui->SG->verticalScrollBar(), &QScrollBar::valueChanged, this, &SentencesDialog::placeChooser);
    connect(m_ui->SG->horizontalScrollBar(), &QScrollBar::valueChanged, this, &SentencesDialog::placeChooser);
    connect(m_ui->SG->horizontalHeader(), &QHeaderView::sectionResized, this, &SentencesDialog::placeChooser);
    connect(m_chooser, &QComboBox::activated, this,
            [this](int) { replaceSentence(m_ui->SG->currentRow(), m_chooser->currentText()); });

    for (QObject *watched : {static_cast<QObject *>(m_ui->SText), static_cast<QObject *>(m_ui->SWriter),
                             static_cast<QObject *>(m_ui->SStory), static_cast<QObject *>(m_ui->SSource),
                             static_cast<QObject *>(m_ui->SWikipedia), static_cast<QObject *>(m_ui->SG),
                             static_cast<QObject *>(m_ui->SGDefs), static_cast<QObject *>(m_ui->SG->viewport())})
        watched->installEventFilter(this);
    updateKindFields();
}

SentencesDialog::~SentencesDialog() = default;

QTableWidget *SentencesDialog::definitionsGrid() const
{
    return m_ui->SGDefs;
}

QTableWidget *SentencesDialog::sentencesGrid() const
{
    return m_ui->SG;
}

void SentencesDialog::buildGrids()
{
    setHeader(m_ui->SGDefs, {QStringLiteral("#"), QStringLiteral("הגדרה")}, DefinitionsHeaderColour);
    m_ui->SGDefs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHeader(
        m_ui->SG,
        {QStringLiteral("#"), QStringLiteral("הגדרה"), QStringLiteral("משפט מקורי או מובאה"), QStringLiteral("מיקום")},
        SentencesHeaderColour);

    m_chooser = new QComboBox(m_ui->SG->viewport());
    m_chooser->setObjectName(QStringLiteral("ComboBox1"));
    m_chooser->addItems({EntryStructure::BesideDefinition, EntryStructure::SeparateSection});
    m_chooser->hide();

    // The widths of the original grids, widened where this font needs more room.
    const QFontMetrics metrics(font());
    const int number = metrics.horizontalAdvance(QStringLiteral("000")) + 8;
    m_ui->SGDefs->setColumnWidth(0, std::max(15, number));
    m_ui->SG->setColumnWidth(RowColumn, std::max(17, number));
    m_ui->SG->setColumnWidth(NumberColumn, std::max(35, metrics.horizontalAdvance(QStringLiteral("הגדרה")) + 12));
    m_ui->SG->setColumnWidth(LineColumn, 450);
    m_ui->SG->setColumnWidth(PlacementColumn, std::max(70, m_chooser->sizeHint().width()));
    int width = 2 * m_ui->SG->frameWidth() + m_ui->SG->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_ui->SG->columnCount(); ++c)
        width += m_ui->SG->columnWidth(c);
    m_ui->SG->setMinimumWidth(width);
    // The text columns take whatever room the window has beyond that.
    m_ui->SGDefs->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_ui->SG->horizontalHeader()->setSectionResizeMode(LineColumn, QHeaderView::Stretch);
}

void SentencesDialog::showSentences(EntrySentences sentences)
{
    m_sentences = std::move(sentences);
    reset();
    showDefinitions();
    showExamples();
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

void SentencesDialog::showDefinitions()
{
    QTableWidget *grid = m_ui->SGDefs;
    grid->setRowCount(std::max<int>(1, int(m_sentences.definitions.size())));
    grid->clearContents();
    for (int row = 0; row < m_sentences.definitions.size(); ++row) {
        const DefinitionItem &d = m_sentences.definitions.at(row);
        grid->setItem(row, 0, cell(d.number, Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        grid->setItem(row, 1, cell(d.text, Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        grid->item(row, 0)->setTextAlignment(Qt::AlignCenter);
    }
}

void SentencesDialog::showExamples()
{
    QTableWidget *grid = m_ui->SG;
    m_showing = true;
    grid->setRowCount(std::max<int>(1, int(m_sentences.examples.size())));
    grid->clearContents();
    const Qt::ItemFlags editable = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    for (int row = 0; row < m_sentences.examples.size(); ++row) {
        const ExampleRow &r = m_sentences.examples.at(row);
        QTableWidgetItem *number = cell(r.rowNumber + Rlm, Qt::ItemIsEnabled);
        number->setBackground(SentencesHeaderColour);
        number->setForeground(Qt::white);
        number->setTextAlignment(Qt::AlignCenter);
        number->setToolTip(QStringLiteral("גררו כדי להזיז, לחיצה כפולה מוחקת"));
        grid->setItem(row, RowColumn, number);
        grid->setItem(row, NumberColumn, cell(r.number, editable));
        grid->setItem(row, LineColumn, cell(r.line, editable));
        grid->setItem(row, PlacementColumn, cell(r.placement, Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    m_showing = false;
    placeChooser();
}

void SentencesDialog::cellEdited(int row, int column)
{
    if (m_showing || row < 0 || row >= m_sentences.examples.size())
        return;
    const QString text = m_ui->SG->item(row, column)->text();
    if (column == NumberColumn)
        m_sentences.examples[row].number = text;
    else if (column == LineColumn)
        m_sentences.examples[row].line = text;
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
    const bool added = Sentences::addSentence(m_sentences.examples, s, QGuiApplication::clipboard()->text());
    m_ui->SDef->setText(s.definition);
    if (added) {
        for (QLineEdit *edit : {m_ui->SText, m_ui->SSource, m_ui->SStory, m_ui->SWriter})
            edit->clear();
        showExamples();
    }
    m_ui->SText->setFocus();
}

void SentencesDialog::removeSentence(int row)
{
    if (row < 0 || row >= m_sentences.examples.size())
        return;
    const QString line = m_sentences.examples.at(row).line;
    if (EntryText::trim(line).isEmpty() || !HebrewMessageBox::askYesNo(Sentences::removeQuestion(line)))
        return;
    Sentences::removeRow(m_sentences.examples, row);
    showExamples();
}

void SentencesDialog::moveSentence(int from, int to)
{
    if (from < 0 || from >= m_sentences.examples.size())
        return;
    const ExampleRow moved = m_sentences.examples.at(from);
    Sentences::moveRow(m_sentences.examples, from, std::clamp<int>(to, 0, int(m_sentences.examples.size()) - 1));
    showExamples();
    for (int row = 0; row < m_sentences.examples.size(); ++row) {
        const ExampleRow &r = m_sentences.examples.at(row);
        if (r.line == moved.line && r.number == moved.number && r.placement == moved.placement) {
            m_ui->SG->setCurrentCell(row, LineColumn);
            break;
        }
    }
}

void SentencesDialog::replaceSentence(int row, const QString &placement)
{
    if (row < 0 || row >= m_sentences.examples.size())
        return;
    Sentences::replaceRow(m_sentences.examples, row, placement);
    m_chooser->hide();
    const QSignalBlocker quiet(m_ui->SG);
    showExamples();
    m_chooser->hide();
}

void SentencesDialog::placeChooser()
{
    QTableWidget *grid = m_ui->SG;
    const int row = grid->currentRow();
    if (grid->currentColumn() != PlacementColumn || row < 0 || row >= m_sentences.examples.size()) {
        m_chooser->hide();
        return;
    }
    const QRect rect = grid->visualRect(grid->model()->index(row, PlacementColumn));
    if (!grid->viewport()->rect().intersects(rect)) {
        m_chooser->hide();
        return;
    }
    m_chooser->setGeometry(rect);
    {
        const QSignalBlocker quiet(m_chooser);
        m_chooser->setCurrentText(m_sentences.examples.at(row).placement);
    }
    m_chooser->show();
    m_chooser->raise();
}

bool SentencesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->SG->viewport())
        return event->type() >= QEvent::MouseButtonPress && event->type() <= QEvent::MouseMove
            && gridMouse(static_cast<QMouseEvent *>(event));
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
        auto *grid = static_cast<QTableWidget *>(watched);
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

// A press on a sentence's number picks it up; releasing it over another row puts it there.
bool SentencesDialog::gridMouse(QMouseEvent *event)
{
    QTableWidget *grid = m_ui->SG;
    const QPoint at = event->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton && grid->columnAt(at.x()) == RowColumn) {
            const int row = grid->rowAt(at.y());
            m_dragRow = row < m_sentences.examples.size() ? row : -1;
            if (m_dragRow >= 0)
                grid->viewport()->setCursor(Qt::ClosedHandCursor);
        }
        return false;
    case QEvent::MouseButtonRelease: {
        if (m_dragRow < 0 || event->button() != Qt::LeftButton)
            return false;
        const int from = m_dragRow;
        m_dragRow = -1;
        grid->viewport()->unsetCursor();
        int to = grid->rowAt(at.y());
        if (to < 0)
            to = at.y() < 0 ? 0 : int(m_sentences.examples.size()) - 1;
        if (to != from)
            moveSentence(from, to);
        return false;
    }
    default:
        return false;
    }
}
