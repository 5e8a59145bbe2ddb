#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QFileDialog;
class QLineEdit;
class QPlainTextEdit;
class QTimer;
class TForm1;

namespace Ui {
class TOptions;
}

// Word wrap on with only the vertical scroll bar, or off with both.
void applyWordWrap(QPlainTextEdit *editor, bool on);

// The Preferences dialog. Every control writes its key the moment it changes;
// there is no OK or Cancel. It drives what it does not own through what it is
// given: the auto-save timer of the main window and the editor's word wrap.
class TOptions : public QDialog
{
public:
    using WordWrapSetter = std::function<void(bool on)>;

    // Reads the settings once (the creation steps) and stays hidden.
    TOptions(QTimer *autoSaveTimer, WordWrapSetter setWordWrap, QWidget *parent = nullptr);
    ~TOptions() override;

    // The dialog of the main window: its auto-save timer, its editor's word wrap,
    // and the menu item Prefs (Ctrl+Y) that opens it.
    static std::unique_ptr<TOptions> forMainWindow(TForm1 &form);

    // Re-reads the settings and shows the dialog.
    void PrefsClick();

    // Closing the main window consults this.
    bool trayChecked() const;
    // The recent-changes value: "0" when off, "1" or a time "yyyymmddhhmmss".
    QString lastRecentChangesTime() const { return m_lastRecentChangesTime; }
    void setLastRecentChangesTime(const QString &time) { m_lastRecentChangesTime = time; }

    // The program chosen for a shortcut key; empty when cancelled. Tests replace it.
    using FileChooser = std::function<QString()>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    QFileDialog *openFileDialog() const { return m_openFile; }

    void TrayClick();
    void MaxWindowsClick();
    void WrapLinesClick();
    void AutoSaveCheckClick();
    void AutoSaveTextChange();
    void TxtSupportClick();
    void RecentChangesTimeClick();
    void F2BrowseClick() { browse(0); }
    void F3BrowseClick() { browse(1); }
    void F4BrowseClick() { browse(2); }
    void F2DelClick() { clearKey(0); }
    void F3DelClick() { clearKey(1); }
    void F4DelClick() { clearKey(2); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void readSettings(bool atCreation);
    void setWordWrap(bool on);
    void startAutoSave(const QString &text);
    void browse(int key);
    void clearKey(int key);
    void placeAutoSaveText();
    QLineEdit *fileEdit(int key) const;

    std::unique_ptr<Ui::TOptions> m_ui;
    QTimer *m_timer2;
    WordWrapSetter m_setWordWrap;
    QString m_lastRecentChangesTime = QStringLiteral("0");
    QFileDialog *m_openFile;
    FileChooser m_chooseFile;
};
