#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;
class TForm1;

// The editor's own keys and what runs after every change of its text: the status
// line, quick save, and a root typed between two "@" signs turned into its link.
class ArticleTextCommands : public QObject {
    Q_OBJECT

public:
    explicit ArticleTextCommands(TForm1 &form);

    // "@" after Shift+2, "Other" after any other key, empty before the first key.
    QString lastKeyKind() const { return m_lastKeyKind; }

    // Returns true when the key is consumed.
    bool ArticleTextKeyDown(QKeyEvent *event);
    void ArticleTextChange();

    // The key as the key code of the key a Hebrew or English layout puts it on
    // ('A'..'Z', '0'..'9', 189 for the minus key); 0 for any other key.
    static int keyCode(const QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wikipediaLink();
    void insertMaqaf();
    void rootLinkStep();

    TForm1 &m_form;
    QString m_lastKeyKind;
    bool m_inRootLink = false;
};
