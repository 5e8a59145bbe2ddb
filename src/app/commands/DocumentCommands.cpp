#include "app/commands/DocumentCommands.h"

#include "app/AppIcons.h"
#include "app/DocumentRules.h"
#include "app/HebrewMessageBox.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "wikitext/DocumentFormat.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

const QString DocumentCommands::OpenQuestion =
    QStringLiteral("לא שמרת את הטקסט הנוכחי. האם ברצונך לפתוח קובץ חדש בכל זאת?\u200F");
const QString DocumentCommands::ExitQuestion =
    QStringLiteral("לא שמרת את הטקסט הנוכחי. האם ברצונך לצאת בכל זאת?\u200F");

namespace {

const QString RecentSection = QStringLiteral("RecentItems");
const QString RecentKeys[] = {QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("R3"),
                              QStringLiteral("R4")};

} // namespace

DocumentCommands::DocumentCommands(TForm1 &form)
    : QObject(&form)
    , m_form(form)
{
    connect(form.action(QStringLiteral("Open")), &QAction::triggered, this, &DocumentCommands::OpenClick);
    connect(form.action(QStringLiteral("Save")), &QAction::triggered, this, &DocumentCommands::SaveClick);
    connect(form.action(QStringLiteral("QuickSave")), &QAction::triggered, this,
            &DocumentCommands::QuickSaveClick);
    connect(form.action(QStringLiteral("Exit")), &QAction::triggered, this, &DocumentCommands::ExitClick);
    connect(form.timer1(), &QTimer::timeout, this, &DocumentCommands::Timer1Timer);
}

bool DocumentCommands::isModified() const
{
    EditorAdapter &editor = m_form.editor();
    if (editor.length() != m_savedText.size())
        return true;
    return editor.text() != m_savedText;
}

void DocumentCommands::resetToNewDocument(const EditorState &state)
{
    m_form.editor().setText(state.text);
    if (state.selStart != 0 || state.selLength != 0)
        m_form.editor().apply(EditorState{m_form.editor().text(), state.selStart, state.selLength});
    m_form.setWindowTitle(DocumentRules::caption(QString()));
    m_currentFileName.clear();
    m_savedText.clear();
    m_form.action(QStringLiteral("QuickSave"))->setEnabled(false);
}

void DocumentCommands::setCurrentFile(const QString &path)
{
    m_currentFileName = path;
    m_form.setWindowTitle(DocumentRules::caption(path));
}

bool DocumentCommands::OpenDocumentFile(const QString &path)
{
    QString text, error;
    if (!DocumentFormat::readFile(path, &text, &error)) {
        HebrewMessageBox::notice(error);
        return false;
    }
    m_form.editor().setText(text);
    m_currentFileName = path;
    AddRecentItem(path);
    // Known without reading a long document back while it is still coming in.
    m_savedText = EditorAdapter::heldText(text);
    m_form.action(QStringLiteral("QuickSave"))->setEnabled(true);
    if (saveText(m_savedText))
        m_form.action(QStringLiteral("QuickSave"))->setEnabled(false);
    m_form.setWindowTitle(DocumentRules::caption(path));
    return true;
}

void DocumentCommands::OpenClick()
{
    if (isModified() && !HebrewMessageBox::askYesNo(OpenQuestion))
        return;
    const QString path = chooseFile(false);
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void DocumentCommands::SaveClick()
{
    const QString chosen = chooseFile(true);
    if (chosen.isEmpty())
        return;
    const QString path = DocumentRules::withTxtExtension(chosen);
    const QString text = m_form.editor().text();
    QString error;
    // The document follows the new name only once the file is written.
    if (!DocumentFormat::writeFile(path, text, &error)) {
        HebrewMessageBox::notice(error);
        return;
    }
    m_form.greenLed()->show();
    m_form.blueLed()->hide();
    m_savedText = text;
    setCurrentFile(path);
    m_form.timer1()->start();
}

void DocumentCommands::QuickSaveClick()
{
    if (saveToCurrentFile())
        m_form.action(QStringLiteral("QuickSave"))->setEnabled(false);
}

bool DocumentCommands::saveToCurrentFile()
{
    if (!DocumentRules::fileExists(m_currentFileName))
        return false;
    return saveText(m_form.editor().text());
}

bool DocumentCommands::saveText(const QString &text)
{
    if (!DocumentRules::fileExists(m_currentFileName))
        return false;
    QString error;
    if (!DocumentFormat::writeFile(m_currentFileName, text, &error)) {
        HebrewMessageBox::notice(error);
        return false;
    }
    m_savedText = text;
    showSaveIndication();
    return true;
}

void DocumentCommands::showSaveIndication()
{
    m_form.greenLed()->show();
    m_form.blueLed()->hide();
    m_form.timer1()->start();
}

void DocumentCommands::Timer1Timer()
{
    m_form.greenLed()->hide();
    m_form.blueLed()->show();
    m_form.timer1()->stop();
}

void DocumentCommands::AddRecentItem(const QString &path)
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
    RebuildRecentMenu();
}

void DocumentCommands::RebuildRecentMenu()
{
    QMenu *recentMenu = m_form.menu(QStringLiteral("Recent"));
    QAction *recent = recentMenu->menuAction();
    // An item may be the one being clicked, so it goes once its signal is done.
    for (QAction *old : recentMenu->actions()) {
        recentMenu->removeAction(old);
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
        QString caption = QFileInfo(path).fileName();
        caption.replace(u'&', QStringLiteral("&&"));
        QAction *item = recentMenu->addAction(AppIcons::menuImage(38), caption);
        item->setObjectName(key);
        connect(item, &QAction::triggered, this, [this, key] { RecentItemClick(key); });
    }
    if (recentMenu->actions().isEmpty())
        recent->setEnabled(false);
}

void DocumentCommands::RecentItemClick(const QString &itemName)
{
    if (isModified() && !HebrewMessageBox::askYesNo(OpenQuestion))
        return;
    const QString path = Settings::read(RecentSection, itemName, QStringLiteral("None"));
    if (DocumentRules::fileExists(path))
        OpenDocumentFile(path);
}

void DocumentCommands::ExitClick()
{
    if (DocumentRules::exitNeedsQuestion(m_form.editor().text(), m_savedText, m_currentFileName,
                                         m_form.verbDialogVisible())
        && !HebrewMessageBox::askYesNo(ExitQuestion))
        return;
    leave();
}

void DocumentCommands::leave()
{
    m_leaving = true;
    // The tray icon goes with the application's aboutToQuit.
    QCoreApplication::quit();
}

QString DocumentCommands::chooseFile(bool save)
{
    if (m_chooser)
        return m_chooser(save);
    const QString filter = QStringLiteral("Text Files (*.txt);;All Files (*)");
    QFileDialog dialog(&m_form, save ? QStringLiteral("שמור טקסט") : QStringLiteral("פתח קובץ"),
                       QString(), filter);
    dialog.setLayoutDirection(Qt::RightToLeft);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
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
