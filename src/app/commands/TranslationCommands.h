#pragma once

#include <QObject>

class EditorAdapter;
class TranslationsDialog;

// The translations item of "&הוספה": the translations window reads the editor's
// selection and its template is written in the selection's place.
class TranslationCommands : public QObject
{
    Q_OBJECT

public:
    TranslationCommands(EditorAdapter &editor, TranslationsDialog &translationsDialog);

    void addTranslations();

private:
    void writeTemplate(const QString &text);

    EditorAdapter &m_editor;
    TranslationsDialog &m_translationsDialog;
};
