#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>

class DocumentModel;
class EditorAdapter;
class MarkupCommands;
class QKeyEvent;
class QLabel;
class QLineEdit;

// The editor's own keys and what runs after every change of its text: the status
// line, quick save, and a root typed between two "@" signs turned into its link.
class ArticleTextCommands : public QObject
{
    Q_OBJECT

public:
    // The kind of the last key pressed in the editor.
    enum class KeyKind { None, At, Other };

    ArticleTextCommands(EditorAdapter &editor, DocumentModel &document, MarkupCommands &markup, QLabel &statusLabel,
                        QLineEdit &jumpQuery);
    ~ArticleTextCommands() override;

    KeyKind lastKeyKind() const { return m_lastKeyKind; }

    // Returns true when the key is consumed.
    bool handleKey(QKeyEvent *event);
    // One step back, and no way forward again: a second undo changes nothing.
    void undoOnce();
    // The editor's context menu, in Hebrew, whose undo is the one above.
    QMenu *createContextMenu();
    void textChanged();

    // The key as the key code of the key a Hebrew or English layout puts it on
    // ('A'..'Z', '0'..'9', 189 for the minus key); 0 for any other key.
    static int keyCode(const QKeyEvent *event);

signals:
    // The context menu is about to show at a viewport position: others may add to it
    // (the spelling entries).
    void contextMenuAboutToShow(QMenu *menu, const QPoint &at);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rootLinkStep();

    EditorAdapter &m_editor;
    DocumentModel &m_document;
    MarkupCommands &m_markup;
    QLabel &m_statusLabel;
    QLineEdit &m_jumpQuery;
    KeyKind m_lastKeyKind = KeyKind::None;
    bool m_inRootLink = false;
};
