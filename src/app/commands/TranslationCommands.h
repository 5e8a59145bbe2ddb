#pragma once

#include <QObject>

class EditorAdapter;
class QAction;
class TranslationsDialog;

// The translations item of "&הוספה" and its toolbar button: the translations window
// reads the editor's selection and writes the template in its place.
class TranslationCommands : public QObject
{
    Q_OBJECT

public:
    TranslationCommands(EditorAdapter &editor, TranslationsDialog &translationsDialog, QAction &addTranslations);
    ~TranslationCommands() override;

    void addTranslations();
    // The toolbar button runs the menu item.
    void translationsTool();

private:
    EditorAdapter &m_editor;
    TranslationsDialog &m_translationsDialog;
    QAction &m_addTranslations;
};
