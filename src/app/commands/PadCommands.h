#pragma once

#include <QObject>

class EditorAdapter;
class GreekDialog;
class SemiticDialog;

// The letter pads of "&כלים": the Ancient Greek one and the Semitic one insert their
// templates at the editor's caret, in place of its selection.
class PadCommands : public QObject
{
    Q_OBJECT

public:
    PadCommands(EditorAdapter &editor, GreekDialog &greekDialog, SemiticDialog &semiticDialog);

    void greek();
    void semitic();

private:
    EditorAdapter &m_editor;
    GreekDialog &m_greekDialog;
    SemiticDialog &m_semiticDialog;
};
