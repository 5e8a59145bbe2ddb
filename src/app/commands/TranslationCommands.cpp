#include "app/commands/TranslationCommands.h"

#include "app/EditorAdapter.h"
#include "dialogs/translations/TranslationsDialog.h"
#include "dialogs/translations/logic/Translations.h"

#include <QPlainTextEdit>

TranslationCommands::TranslationCommands(EditorAdapter &editor, TranslationsDialog &translationsDialog)
    : m_editor(editor)
    , m_translationsDialog(translationsDialog)
{
    connect(&m_translationsDialog, &TranslationsDialog::templateWritten, this, &TranslationCommands::writeTemplate);
}

void TranslationCommands::addTranslations()
{
    m_translationsDialog.showTranslations(m_editor.state().selectedText());
}

void TranslationCommands::writeTemplate(const QString &text)
{
    m_editor.apply(Translations::writeInPlace(m_editor.state(), text));
    m_editor.widget()->setFocus();
}
