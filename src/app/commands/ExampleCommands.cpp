#include "app/commands/ExampleCommands.h"

#include "app/EditorAdapter.h"
#include "dialogs/sentences/SentencesDialog.h"
#include "gui/HebrewMessageBox.h"
#include "regex/RegEx.h"

ExampleCommands::ExampleCommands(EditorAdapter &editor, RegEx &regEx, SentencesDialog &dialog)
    : m_editor(editor)
    , m_regEx(regEx)
    , m_dialog(dialog)
{
    connect(&m_dialog, &SentencesDialog::updateRequested, this, &ExampleCommands::update);
}

void ExampleCommands::showExamples()
{
    EntrySentences sentences = Sentences::read(m_regEx, m_editor.state());
    if (m_regEx.failed()) {
        HebrewMessageBox::notice(EngineGaveUpMessage);
        return;
    }
    if (sentences.hasDefinitionsBlock())
        m_dialog.showSentences(std::move(sentences));
}

void ExampleCommands::update(const EntrySentences &sentences)
{
    const SentencesWriteBack written = Sentences::writeBack(m_regEx, m_editor.state(), sentences);
    switch (written.status) {
    case SentencesWriteBack::Written:
        m_editor.apply(written.state);
        m_dialog.hide();
        return;
    case SentencesWriteBack::NotFound:
        HebrewMessageBox::show(Sentences::NotFoundMessage, HebrewMessageBox::Warning, QMessageBox::Ok);
        return;
    case SentencesWriteBack::EngineGaveUp:
        HebrewMessageBox::notice(EngineGaveUpMessage);
        return;
    }
}
