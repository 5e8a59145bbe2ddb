#include "app/commands/DocumentCommands.h"

#include "app/DocumentModel.h"
#include "app/DocumentRules.h"
#include "app/EditorAdapter.h"
#include "gui/AppIcons.h"
#include "gui/HebrewMessageBox.h"
#include "gui/HebrewUi.h"
#include "platform/Settings.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

const QString DocumentCommands::OpenQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם ברצונך לפתוח קובץ חדש בכל זאת?\u200F");
const QString DocumentCommands::OverwriteQuestion = QStringLiteral("הקובץ \"%1\" כבר קיים. האם להחליף אותו?\u200F");
const QString DocumentCommands::ExitQuestion = QStringLiteral(
    "לא שמרת את הטקסט הנוכחי. האם ברצונך לצאת בכל זאת?\u200F");

namespace {

const QString RecentSection = QStringLiteral("RecentItems");
const QString RecentKeys[] = {QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("R3"), QStringLiteral("R4")};

} // namespace

DocumentCommands::DocumentCommands(EditorAdapter &editor, DocumentModel &document, QMenu &recentMenu, QWidget &window)
    : m_editor(editor)
    , m_document(document)
    , m_recentMenu(recentMenu)
    , m_window(window)
{
}

bool DocumentCommands::isModified() const
{
    if (m_editor.length() != m_document.savedText().size())
        return true;
    return m_editor.text() != m_document.savedText();
}

void DocumentCommands::resetToNewDocument(const EditorState &state)
{
    m_editor.apply(state);
    m_document.setFileName(QString());
    m_document.clearWikiPage();
    m_document.setSavedText(QString());
    m_document.setQuickSavePending(false);
}

bool DocumentCommands::openFile(const QString &path)
{
    QString text, error;
    bool asWritten = false;
    if (!DocumentFormat::readFile(path, &text, &error, &asWritten)) {
        HebrewMessageBox::notice(HebrewUi::isolatePaths(error, {path}));
        return false;
    }
    // Known without reading a long document back while it is still coming in.
    const QString held = m_editor.setText(text);
    m_document.setFileName(path);
    m_document.clearWikiPage();
    addRecentItem(path);
    m_document.setSavedTextFromEditor(held);
    // Writing the same bytes again would cost a long document a tenth of its opening.
    if (asWritten && held == text) {
        m_document.showSaveIndication(true);
        m_document.setQuickSavePending(false);
    } else {
        m_document.setQuickSavePending(!saveText(held));
    }
    return true;
}

void DocumentCommands::open()
{
    if (isModified() && !HebrewMessageBox::askYesNo(OpenQuestion))
        return;
    const QString path = chooseFile(false);
    if (!path.isEmpty())
        openFile(path);
}

void DocumentCommands::saveAs()
{
    const QString chosen = chooseFile(true);
    if (chosen.isEmpty())
        return;
    // The question is about the file that will be written, ".txt" included.
    const QString path = DocumentRules::withTxtExtension(chosen);
    if (DocumentRules::fileExists(path)
        && !HebrewMessageBox::askYesNo(OverwriteQuestion.arg(HebrewUi::leftToRight(QFileInfo(path).fileName()))))
        return;
    const QString text = m_editor.text();
    QString error;
    // The document follows the new name only once the file is written.
    if (!DocumentFormat::writeFile(path, text, &error)) {
        HebrewMessageBox::notice(HebrewUi::isolatePaths(error, {path}));
        return;
    }
    m_document.setSavedTextFromEditor(text);
    m_document.setFileName(path);
    m_document.showSaveIndication();
}

void DocumentCommands::quickSave()
{
    saveToCurrentFile();
}

bool DocumentCommands::saveToCurrentFile(bool lamp)
{
    // Asked before the editor builds its text: without a file there is nothing to write.
    if (!DocumentRules::fileExists(m_document.fileName()) || !saveText(m_editor.text(), lamp))
        return false;
    m_document.setQuickSavePending(false);
    return true;
}

bool DocumentCommands::saveText(const QString &text, bool lamp)
{
    QString error;
    if (!DocumentFormat::writeFile(m_document.fileName(), text, &error)) {
        HebrewMessageBox::notice(HebrewUi::isolatePaths(error, {m_document.fileName()}));
        return false;
    }
    m_document.setSavedTextFromEditor(text);
    m_document.showSaveIndication(lamp);
    return true;
}

void DocumentCommands::addRecentItem(const QString &path)
{
    QString p = path;
    p.remove(u'"');
    if (DocumentRules::fileExists(p)) {
        QStringList recent;
        for (const QString &key : RecentKeys)
            recent.append(Settings::read(RecentSection, key));
        const QStringList shifted = DocumentRules::shiftRecent(recent, p);
        for (int i = 0; i < 4; ++i) {
            if (shifted[i] != recent[i])
                Settings::write(RecentSection, RecentKeys[i], shifted[i]);
        }
    }
    rebuildRecentMenu();
}

void DocumentCommands::rebuildRecentMenu()
{
    QAction *recent = m_recentMenu.menuAction();
    // An item may be the one being clicked, so it goes once its signal is done.
    for (QAction *old : m_recentMenu.actions()) {
        m_recentMenu.removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    if (Settings::read(RecentSection, RecentKeys[0], QStringLiteral("None")) != QLatin1String("None"))
        recent->setEnabled(true);
    for (const QString &key : RecentKeys) {
        // Each entry is read only when the one before it is shown.
        const QString path = Settings::read(RecentSection, key);
        if (!DocumentRules::fileExists(path))
            break;
        QString caption = HebrewUi::leftToRight(QFileInfo(path).fileName());
        caption.replace(u'&', QStringLiteral("&&"));
        QAction *item = m_recentMenu.addAction(AppIcons::menuImage(38), caption);
        item->setObjectName(key);
        connect(item, &QAction::triggered, this, [this, key] { openRecent(key); });
    }
    if (m_recentMenu.actions().isEmpty())
        recent->setEnabled(false);
}

void DocumentCommands::openRecent(const QString &key)
{
    if (isModified() && !HebrewMessageBox::askYesNo(OpenQuestion))
        return;
    const QString path = Settings::read(RecentSection, key, QStringLiteral("None"));
    if (DocumentRules::fileExists(path))
        openFile(path);
}

void DocumentCommands::exit()
{
    if (DocumentRules::exitNeedsQuestion(m_editor.text(), m_document.savedText(), m_document.fileName(),
                                         m_document.rootPagePending())
        && !HebrewMessageBox::askYesNo(ExitQuestion))
        return;
    // Straight out of the event loop: quit() would first ask the windows to close,
    // and the main window turns a close into hiding or into this very question.
    // The tray icon goes with the application's aboutToQuit.
    QCoreApplication::exit(0);
}

QString DocumentCommands::chooseFile(bool save)
{
    if (m_chooser)
        return m_chooser(save);
    const QString filter = QStringLiteral("Text Files (*.txt);;All Files (*)");
    QFileDialog dialog(&m_window, save ? QStringLiteral("שמור טקסט") : QStringLiteral("פתח קובץ"), QString(), filter);
    HebrewUi::setUpFileDialog(dialog);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Asked by saveAs about the name it really writes.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
