#pragma once

#include <QObject>

class TForm1;
class QLineEdit;

// The jump box and its button on the toolbar: a page of the wiki or its edit
// form, Wikipedia, Commons and Google, and the recent changes since the last visit.
class NavigationCommands : public QObject
{
    Q_OBJECT

public:
    explicit NavigationCommands(TForm1 &form);

    void JumpQueryChange();
    void WiktJumpClick();
    void WikipediaClick();
    void GoogleClick();
    void CommonsFindClick();
    // The recent-changes visit: from the stored time when the time is kept, and
    // this visit's time stored for the next one.
    void RecentChangesTrayClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TForm1 &m_form;
    QLineEdit *m_jumpQuery;
};
