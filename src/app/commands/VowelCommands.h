#pragma once

#include <QChar>
#include <QObject>

class EditorAdapter;

// The vowel-point toolbar: fifteen buttons that put a point at the caret.
class VowelCommands : public QObject
{
    Q_OBJECT

public:
    explicit VowelCommands(EditorAdapter &editor);

    // The point replaces the selection; nothing happens while the editor is disabled.
    void insertPoint(QChar point);

private:
    EditorAdapter &m_editor;
};
