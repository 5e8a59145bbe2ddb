#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QFileDialog;
class QLineEdit;
class PreferencesModel;

namespace Ui {
class PreferencesDialog;
}

// The Preferences dialog, a view of the preferences model. Every control changes
// its choice the moment it changes; there is no OK or Cancel.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(PreferencesModel &preferences, QWidget *parent = nullptr);
    ~PreferencesDialog() override;

    // Reads the settings again and shows the dialog.
    void showPreferences();

    // The program chosen for a shortcut key; empty when cancelled. Tests replace it.
    using FileChooser = std::function<QString()>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Shows what the model holds.
    void reflect();
    void changeAutoSave(bool on);
    void changeTextFileVerb(bool on);
    void browse(int key);
    void clearKey(int key);
    void placeAutoSaveText();
    QLineEdit *fileEdit(int key) const;
    QFileDialog *openFileDialog();
    // The bot password of the user in the box, from the desktop's secret store.
    void showWikiPassword();
    void storeWikiPassword();

    std::unique_ptr<Ui::PreferencesDialog> m_ui;
    PreferencesModel &m_preferences;
    QFileDialog *m_openFile = nullptr;
    FileChooser m_chooseFile;
    QString m_shownPassword;
};
