#pragma once

#include <QDialog>

// What the three lookup windows share: a tool window kept on top, centred on the
// screen, hidden rather than closed so that its fields wait for the next use.
class LookupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LookupDialog(QWidget *parent = nullptr);

    // Shows the window without blocking the editor, or brings it to the front.
    void showLookup();

protected:
    void showEvent(QShowEvent *event) override;
};
