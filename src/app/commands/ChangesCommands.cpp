#include "app/commands/ChangesCommands.h"

#include "app/DocumentModel.h"
#include "app/EditorAdapter.h"
#include "compare/TextMerge.h"
#include "dialogs/changes/ChangesDialog.h"
#include "dialogs/merge/MergeDialog.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "wiki/WikiClient.h"

#include <QApplication>

const QString ChangesCommands::AgainstRevision = QStringLiteral(
    "השינויים בעורך לעומת הדף \"%1\" בוויקי, כפי שהיה בגרסה %2:");
const QString ChangesCommands::AgainstNewPage = QStringLiteral("הדף \"%1\" עדיין אינו קיים בוויקי; כל הטקסט חדש:");
const QString ChangesCommands::AgainstFile = QStringLiteral("השינויים בעורך לעומת הקובץ %1 כפי שנשמר:");
const QString ChangesCommands::AgainstNothing = QStringLiteral("הטקסט לא נשמר עדיין; השינויים לעומת מסמך ריק:");
const QString ChangesCommands::MergeExplanation = QStringLiteral(
    "הדף \"%1\" נשמר בוויקי מאז שנפתח (כעת גרסה %2), ולכן הטקסט שלך לא נשמר. השינויים שלך והשינויים "
    "שבוויקי מוזגו כאן: מה שאינו נוגע זה בזה מוזג כבר, ובכל התנגשות בחר מה להשאיר, או לחץ פעמיים על "
    "התוצאה כדי לערוך אותה. התוצאה תיכנס לעורך, ותישמר בוויקי רק כשתשמור שוב.");
const QString ChangesCommands::ChangedMeanwhile = QStringLiteral(
    "הטקסט בעורך השתנה מאז שהמיזוג התחיל, ולכן המיזוג לא הוכנס. שמור שוב כדי למזג מחדש.");

namespace {

// The wiki's text as the editor would hold it, so that lines nobody touched compare equal.
QString held(const QString &wikiText)
{
    return EditorAdapter::heldText(WikiClient::textForEditor(wikiText));
}

} // namespace

ChangesCommands::ChangesCommands(EditorAdapter &editor, DocumentModel &document, QWidget &window)
    : m_editor(editor)
    , m_document(document)
    , m_window(window)
{
}

ChangesCommands::~ChangesCommands() = default;

void ChangesCommands::showChanges()
{
    QString base, text, against;
    if (m_document.changesFromWiki()) {
        const WikiPage &page = m_document.wikiPage();
        base = m_document.wikiRevisionText();
        // As the wiki would store it: its own changes to the text are no news.
        text = EditorAdapter::heldText(WikiClient::storedText(m_editor.text()));
        against = page.revision > 0 ? AgainstRevision.arg(page.title).arg(page.revision)
                                    : AgainstNewPage.arg(page.title);
    } else {
        base = m_document.savedText();
        text = m_editor.text();
        against = m_document.fileName().isEmpty() ? AgainstNothing
                                                  : AgainstFile.arg(HebrewUi::leftToRight(m_document.fileName()));
    }
    if (!m_changes)
        m_changes = std::make_unique<ChangesDialog>(&m_window);
    // Asked for from a box that waits for an answer (the wiki's save box), the window
    // must wait over it, or the box would keep it from being used.
    QWidget *modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality = modal && modal != m_changes.get() ? Qt::ApplicationModal : Qt::NonModal;
    if (m_changes->windowModality() != modality) {
        m_changes->hide();
        m_changes->setWindowModality(modality);
    }
    m_changes->showChanges(base, text, against);
}

void ChangesCommands::mergeWith(const WikiPage &current, const QString &currentText)
{
    m_merging = Merging{m_document.wikiPage(), m_document.fileName(), m_editor.text(), current, held(currentText)};
    const QList<TextMerge::Region> regions = TextMerge::merge(m_merging.mine, m_document.wikiRevisionText(),
                                                              m_merging.currentText);
    if (!m_merge) {
        m_merge = std::make_unique<MergeDialog>(&m_window);
        connect(m_merge.get(), &MergeDialog::merged, this, &ChangesCommands::takeMerge);
    }
    m_merge->showMerge(regions, MergeExplanation.arg(current.title).arg(current.revision));
}

void ChangesCommands::takeMerge(const QString &merged)
{
    // The merge was made from this document's text; another text would be lost under it.
    if (m_document.wikiPage() != m_merging.base || m_document.fileName() != m_merging.fileName
        || m_editor.text() != m_merging.mine)
        return HebrewMessageBox::notice(ChangedMeanwhile);
    // The caret goes to the first line that changed, so that the user sees what came in.
    qsizetype first = 0;
    while (first < merged.size() && first < m_merging.mine.size() && merged.at(first) == m_merging.mine.at(first))
        ++first;
    while (first > 0 && merged.at(first - 1) != u'\n')
        --first;
    m_editor.apply(EditorState{merged, int(first), 0});
    m_document.setWikiPage(m_merging.current, m_merging.currentText);
    // Without a file the saved copy is the wiki's text, which is now the new revision's.
    if (m_document.fileName().isEmpty())
        m_document.setSavedText(m_merging.currentText);
}
