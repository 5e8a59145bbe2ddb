#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class FootnotesDialog;
}

// A footnote as the user wrote it, and where it goes: the caret and the first
// character in view when the dialog opened, so the view can be put back.
struct FootnoteRequest
{
    QString name;
    QString note; // CR LF line breaks
    int caret = 0;
    int viewStart = 0;
};

// Asks for a footnote's name and note. Its owner adds the reference where the caret
// stood when the dialog opened, the note line in the entry's footnotes section, and
// renumbers the entry's references. A tool window kept on top.
class FootnotesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FootnotesDialog(QWidget *parent = nullptr);
    ~FootnotesDialog() override;

    // Shows the dialog with empty fields for a footnote at `caret`; while it is shown
    // it only comes to the front and keeps what it holds.
    void showFootnotes(int caret, int viewStart);

signals:
    // "הוסף", with the name trimmed.
    void footnoteRequested(const FootnoteRequest &request);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void justify();
    void addFootnote();

    std::unique_ptr<Ui::FootnotesDialog> m_ui;
    int m_caret = 0;
    int m_viewStart = 0;
};
