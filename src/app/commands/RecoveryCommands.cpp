#include "app/commands/RecoveryCommands.h"

#include "app/DocumentModel.h"
#include "app/DocumentRules.h"
#include "app/EditorAdapter.h"
#include "app/RecoveryWriter.h"
#include "app/commands/DocumentCommands.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "wikitext/DocumentFormat.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <utility>

const QString RecoveryCommands::Question = QStringLiteral(
    "בהפעלה קודמת של התוכנה נשאר טקסט שלא נשמר:\n%1\n%2 תווים, מתחיל ב: %3\nהעותק נכתב ב־%4.\n\n"
    "לשחזר אותו? אפשר גם למחוק אותו, או להשאיר אותו להפעלה הבאה.\u200F");
const QString RecoveryCommands::UnnamedText = QStringLiteral("טקסט ללא שם");
const QString RecoveryCommands::CannotWriteMessage = QStringLiteral(
    "לא ניתן לשמור עותק לשחזור של הטקסט בתיקייה %1: %2\n"
    "העריכה נמשכת, אבל אם התוכנה תיפול או תיסגר בכוח, מה שלא נשמר יאבד.");
const QString RecoveryCommands::CannotReadMessage = QStringLiteral(
    "לא ניתן לקרוא את העותק לשחזור %1: %2\nהעותק נשאר בתיקייה.");
const QString RecoveryCommands::CannotDiscardMessage = QStringLiteral("לא ניתן למחוק את העותק לשחזור %1: %2");

namespace {

// How long one step of taking the text may hold up the user interface thread: a
// keystroke waits no longer than this.
constexpr qint64 StepMs = 4;

// Left to right or right to left by its own first letter, whatever stands around it.
QString isolated(const QString &text)
{
    return QChar(0x2068) + text + QChar(0x2069);
}

// The first line with something on it, cut short.
QString opening(const QString &text)
{
    constexpr qsizetype Shown = 60;
    for (QStringView line : QStringView(text).split(QStringLiteral("\r\n"))) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        return isolated(line.size() > Shown ? line.left(Shown).toString() + u'…' : line.toString());
    }
    return QStringLiteral("(ריק)");
}

} // namespace

RecoveryCommands::RecoveryCommands(EditorAdapter &editor, DocumentModel &document, DocumentCommands &documents,
                                   const QString &folder)
    : m_editor(editor)
    , m_document(document)
    , m_documents(documents)
    , m_folder(folder)
    , m_writer(std::make_unique<RecoveryWriter>(folder))
    // Known for sure only of an empty editor and no saved text; an editor filled
    // beforehand is copied at the first check.
    , m_unchanged(editor.widget()->document()->isEmpty() && document.savedText().isEmpty())
{
    for (QTimer *timer : {&m_pause, &m_longest, &m_soon}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &RecoveryCommands::checkNow);
    }
    setIntervalsForTesting(Pause, Longest);
    m_soon.setInterval(0);
    m_step.setSingleShot(true);
    m_step.setInterval(0);
    connect(&m_step, &QTimer::timeout, this, &RecoveryCommands::copyStep);
    connect(editor.widget(), &QPlainTextEdit::textChanged, this, &RecoveryCommands::textChanged);
    connect(editor.widget()->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int) { contentsChanged(position, removed); });
    // Several steps of one command (the text, the file, the saved copy) make one check.
    connect(&document, &DocumentModel::savedStateChanged, this, &RecoveryCommands::checkSoon);
    connect(&document, &DocumentModel::savedTextChanged, this, [this](bool inEditor) { m_unchanged = inEditor; });
    connect(m_writer.get(), &RecoveryWriter::done, this, &RecoveryCommands::written);
}

RecoveryCommands::~RecoveryCommands()
{
    m_writer->release();
    if (m_restored)
        m_restored->discard();
}

QString RecoveryCommands::copyPath() const
{
    return m_writer->textPath();
}

void RecoveryCommands::setIntervalsForTesting(int pause, int longest)
{
    m_pause.setInterval(pause);
    m_longest.setInterval(longest);
}

void RecoveryCommands::textChanged()
{
    // Kept cheap: a keystroke only moves a timer.
    m_pause.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void RecoveryCommands::checkSoon()
{
    m_soon.start();
}

void RecoveryCommands::checkNow()
{
    m_pause.stop();
    m_longest.stop();
    m_soon.stop();
    // A long text still coming in is no edit, and reading it would take it all in now.
    if (m_editor.isLoading()) {
        m_pause.start();
        return;
    }
    if (m_writer->busy()) {
        m_again = true;
        return;
    }
    // Under way already: it takes every change up to its last step.
    if (m_copiedUpTo >= 0)
        return;
    if (m_unchanged && !m_kept && !m_restored) {
        emit checked(false);
        return;
    }
    const QTextDocument *doc = m_editor.widget()->document();
    m_copied.reserve(doc->characterCount() + doc->blockCount());
    m_copiedUpTo = 0;
    copyStep();
}

// Taking 20 MB at once, the document's fragments one by one, holds the thread for
// tens of milliseconds; in steps, typing goes on between them.
void RecoveryCommands::copyStep()
{
    if (m_editor.isLoading()) {
        m_copied = QString();
        m_lineEnds.clear();
        m_copiedUpTo = -1;
        m_pause.start();
        return;
    }
    QElapsedTimer spent;
    spent.start();
    const QTextDocument *doc = m_editor.widget()->document();
    for (QTextBlock block = doc->findBlock(m_copiedUpTo); block.isValid(); block = block.next()) {
        if (!m_lineEnds.empty())
            m_copied += QLatin1String("\r\n");
        m_copied += block.text();
        m_lineEnds.push_back(m_copied.size());
        // A block's position is a walk down the document's tree: looked up once a step.
        if (m_lineEnds.size() % 16 == 0 && spent.elapsed() >= StepMs) {
            m_copiedUpTo = block.position() + block.length();
            m_step.start();
            return;
        }
    }
    m_copiedUpTo = -1;
    m_lineEnds.clear();
    m_writer->submit({std::exchange(m_copied, QString()), m_document.savedText(),
                      RecoveryOrigin{m_document.fileName(), m_document.wikiPage()}});
}

// Lines before the one changed are as they were taken; from it on they are taken again.
void RecoveryCommands::contentsChanged(int position, int removed)
{
    // A piece of a long text coming in, appended after its first lines, is no edit;
    // the start of a new text is.
    if (!m_editor.isLoading() || position == 0 || removed > 0)
        m_unchanged = false;
    if (m_copiedUpTo < 0 || position >= m_copiedUpTo)
        return;
    const QTextBlock block = m_editor.widget()->document()->findBlock(position);
    const qsizetype kept = block.isValid() ? std::min<qsizetype>(block.blockNumber(), m_lineEnds.size()) : 0;
    m_lineEnds.resize(kept);
    m_copied.truncate(kept ? m_lineEnds.back() : 0);
    m_copiedUpTo = kept ? block.position() : 0;
}

void RecoveryCommands::written(bool kept, const QString &error)
{
    // After a failed write, what is on disk is not known.
    m_kept = kept || !error.isEmpty();
    if (error.isEmpty()) {
        m_failureShown = false;
        // The restored text is in this instance's copy now, or saved as it is.
        if (m_restored) {
            QString why;
            if (!m_restored->discard(&why))
                HebrewMessageBox::notice(CannotDiscardMessage.arg(HebrewUi::leftToRight(m_restored->textPath()), why));
            m_restored.reset();
        }
    } else if (!m_failureShown) {
        // Said once, not on every pause in typing.
        m_failureShown = true;
        HebrewMessageBox::notice(CannotWriteMessage.arg(HebrewUi::leftToRight(m_folder), error));
    }
    emit checked(kept);
    if (m_again) {
        m_again = false;
        checkNow();
    }
}

void RecoveryCommands::offerLeftCopiesSoon()
{
    QTimer::singleShot(0, this, &RecoveryCommands::offerLeftCopies);
}

void RecoveryCommands::offerLeftCopies()
{
    for (std::unique_ptr<Recovery::LeftCopy> &copy : Recovery::LeftCopy::find(m_folder)) {
        if (m_documents.isModified())
            return;
        if (!copy->readable()) {
            HebrewMessageBox::notice(CannotReadMessage.arg(HebrewUi::leftToRight(copy->textPath()), copy->error()));
            continue;
        }
        const QMessageBox::StandardButton answer = HebrewMessageBox::choose(
            question(*copy),
            {{QMessageBox::Yes, QStringLiteral("&שחזר")},
             {QMessageBox::No, QStringLiteral("&מחק")},
             {QMessageBox::Cancel, QStringLiteral("&אחר כך")}});
        if (answer == QMessageBox::Yes) {
            // One text per window: the rest wait for a later start.
            return restore(std::move(copy));
        }
        QString why;
        if (answer == QMessageBox::No && !copy->discard(&why))
            HebrewMessageBox::notice(CannotDiscardMessage.arg(HebrewUi::leftToRight(copy->textPath()), why));
    }
}

QString RecoveryCommands::question(const Recovery::LeftCopy &copy) const
{
    const RecoveryOrigin &origin = copy.origin();
    QStringList where;
    if (!origin.fileName.isEmpty())
        where << QStringLiteral("הקובץ %1").arg(HebrewUi::leftToRight(origin.fileName));
    if (!origin.wikiPage.title.isEmpty()) {
        const QString title = isolated(origin.wikiPage.title);
        where << (origin.wikiPage.revision > 0
                      ? QStringLiteral("הדף \"%1\" בוויקי, על גרסה %2").arg(title).arg(origin.wikiPage.revision)
                      : QStringLiteral("הדף החדש \"%1\" בוויקי").arg(title));
    }
    if (where.isEmpty())
        where << UnnamedText;
    const QString time = copy.written().toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    // In one pass: a path may hold "%2" itself.
    return Question.arg(where.join(u'\n'), QString::number(copy.text().size()), opening(copy.text()), isolated(time));
}

void RecoveryCommands::restore(std::unique_ptr<Recovery::LeftCopy> copy)
{
    const RecoveryOrigin origin = copy->origin();
    // Measured against what its file holds now, the text opens as modified, and
    // unmodified when that already is the text.
    QString saved;
    const bool hasFile = DocumentRules::fileExists(origin.fileName);
    if (!hasFile || !DocumentFormat::readFile(origin.fileName, &saved, nullptr))
        saved.clear();
    m_editor.setText(copy->text());
    m_document.setFileName(origin.fileName);
    // The base revision's text is not in the copy: a later conflict is merged without it.
    m_document.setWikiPage(origin.wikiPage, QString());
    m_document.setSavedText(EditorAdapter::heldText(saved));
    m_document.setQuickSavePending(hasFile);
    m_restored = std::move(copy);
    checkSoon();
}
