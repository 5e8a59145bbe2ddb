#pragma once

#include "wikitext/EditorState.h"

#include <QObject>
#include <QString>

#include <functional>

class DocumentModel;
class EditorAdapter;
class QMenu;
class QWidget;

// The document and its file: new, open, save as, quick save, the recent list, exit.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    DocumentCommands(EditorAdapter &editor, DocumentModel &document, QMenu &recentMenu, QWidget &window);

    // The editor text differs from the saved copy.
    bool isModified() const;

    // The steps that make the editor a document without file: the text (and caret)
    // as one step the user can undo, no file name, no saved copy, quick save off.
    void resetToNewDocument(const EditorState &state);

    // Loads a file, rewrites it at once in the program's format and makes it the
    // document. A file that cannot be read shows why and changes nothing.
    bool openFile(const QString &path);
    void open();
    void saveAs();
    void quickSave();
    // Writes the editor text to the current file when it exists, with the save
    // indication (only the lamp's timer while `lamp` is false), and quick save has
    // nothing left to write; quick save, the save key and the auto-save all come here.
    bool saveToCurrentFile(bool lamp = true);
    void addRecentItem(const QString &path);
    void rebuildRecentMenu();
    // Opens the recent entry stored under `key` ("R1" to "R4").
    void openRecent(const QString &key);
    void exit();

    // Tests choose the file instead of a dialog; an empty result is a cancel.
    void setFileChooserForTesting(std::function<QString(bool save)> chooser) { m_chooser = std::move(chooser); }

    static const QString OpenQuestion;
    static const QString ExitQuestion;
    static const QString OverwriteQuestion;

private:
    // Writes `text` to the current file, which exists, as the document; false when that fails.
    bool saveText(const QString &text, bool lamp = true);
    QString chooseFile(bool save);

    EditorAdapter &m_editor;
    DocumentModel &m_document;
    QMenu &m_recentMenu;
    QWidget &m_window;
    std::function<QString(bool)> m_chooser;
};
