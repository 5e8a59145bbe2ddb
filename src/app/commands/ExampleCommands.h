#pragma once

#include <QObject>

class EditorAdapter;
class RegEx;
class SentencesDialog;
struct EntrySentences;

// The example sentences of the entry under the caret: opens the sentences dialog on
// them, and writes the dialog's tables back into the text when it asks.
class ExampleCommands : public QObject
{
    Q_OBJECT

public:
    ExampleCommands(EditorAdapter &editor, RegEx &regEx, SentencesDialog &dialog);

    // Opens the dialog when the entry has a definition line; otherwise nothing happens.
    void showExamples();
    // Writes the tables back and hides the dialog; when what it read is gone, says so
    // and keeps it.
    void update(const EntrySentences &sentences);

private:
    EditorAdapter &m_editor;
    RegEx &m_regEx;
    SentencesDialog &m_dialog;
};
