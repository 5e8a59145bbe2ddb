#pragma once

#include "wikitext/EditorState.h"

#include <QObject>
#include <QString>

#include <functional>

class TForm1;

// The document and its file: new, open, save as, quick save, the recent list, exit.
// The window owns one of these; other commands reach the document through it.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    explicit DocumentCommands(TForm1 &form);

    // The document state.
    QString currentFileName() const { return m_currentFileName; }
    QString savedText() const { return m_savedText; }
    // The editor text differs from the saved copy.
    bool isModified() const;

    // The steps that make the editor a document without file: the text (and caret),
    // the caption, no file name, no saved copy, quick save off.
    void resetToNewDocument(const EditorState &state);
    void resetToNewDocument(const QString &text) { resetToNewDocument(EditorState{text, 0, 0}); }

    // Loads a file, rewrites it at once in the program's format and makes it the
    // document. A file that cannot be read shows why and changes nothing.
    bool OpenDocumentFile(const QString &path);
    void OpenClick();
    void SaveClick();
    void QuickSaveClick();
    // Writes the editor text to the current file when it exists, with the save
    // indication; quick save, the save key and the auto-save all come here.
    bool saveToCurrentFile();
    void AddRecentItem(const QString &path);
    void RebuildRecentMenu();
    void RecentItemClick(const QString &itemName);
    void ExitClick();
    // Whether leaving has begun (the application was told to terminate).
    bool leaving() const { return m_leaving; }

    // The save indication: the green lamp for a moment.
    void showSaveIndication();
    void Timer1Timer();

    // Tests choose the file instead of a dialog; an empty result is a cancel.
    void setFileChooserForTesting(std::function<QString(bool save)> chooser)
    {
        m_chooser = std::move(chooser);
    }

    static const QString OpenQuestion;
    static const QString ExitQuestion;

private:
    // Writes `text` to the current file as the document; false where there is none or it fails.
    bool saveText(const QString &text);
    QString chooseFile(bool save);
    void setCurrentFile(const QString &path);
    void leave();

    TForm1 &m_form;
    QString m_currentFileName;
    QString m_savedText;
    bool m_leaving = false;
    std::function<QString(bool)> m_chooser;
};
