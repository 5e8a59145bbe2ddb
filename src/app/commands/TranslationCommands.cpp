#include "app/commands/TranslationCommands.h"

#include "app/EditorAdapter.h"
#include "dialogs/translations/TranslationsDialog.h"
#include "dialogs/translations/logic/Translations.h"

#include <QAction>
#include <QPlainTextEdit>

TranslationCommands::TranslationCommands(EditorAdapter &editor, TranslationsDialog &translationsDialog,
                                         QAction &addTranslations)
    : m_editor(editor)
    , m_translationsDialog(translationsDialog)
    , m_addTranslations(addTranslations)
{
    m_translationsDialog.setTarget({[this] { return m_editor.state().selectedText(); },
                                    [this](const QString &text) {
                                        m_editor.apply(Translations::writeInPlace(m_editor.state(), text));
                                        m_editor.widget()->setFocus();
                                    }});
}

TranslationCommands::~TranslationCommands()
{
    // The dialog outlives this group by a moment while the window goes.
    m_translationsDialog.setTarget({});
}

void TranslationCommands::addTranslations()
{
    m_translationsDialog.show();
    m_translationsDialog.raise();
    m_translationsDialog.activateWindow();
}

void TranslationCommands::translationsTool()
{
    m_addTranslations.trigger();
}
