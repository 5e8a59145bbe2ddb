#pragma once

#include <QObject>
#include <QString>

// The user's choices, held here while the program runs and written to the settings
// file the moment one changes. The window and its commands ask this model, never
// the file, so that what they do is what the Preferences dialog shows.
class PreferencesModel : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesModel(QObject *parent = nullptr);

    // Reads the file: once at start (`atStart`, which also stores the defaults the
    // file lacks) and again each time the Preferences dialog opens. Values that
    // cannot be taken as they stand are stored in their normal form.
    void load(bool atStart);

    // Closing the window hides it in the notification area.
    bool tray() const { return m_tray; }
    void setTray(bool on);

    // Windows opened through the shell start maximised.
    bool maximizeWindows() const { return m_maximize; }
    void setMaximizeWindows(bool on);

    // The minutes edit of the auto-save ("0": off) and the timer interval it gives.
    QString autoSaveText() const { return m_autoSaveText; }
    void setAutoSaveText(const QString &text);
    // The check box beside it: off stores "0"; on restarts the timer with the edit's text.
    void setAutoSaveEnabled(bool on);
    int autoSaveInterval() const;

    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    // The point buttons on the toolbar.
    bool points() const { return m_points; }
    void setPoints(bool on);

    // The recent-changes value: "0" when the visit time is not kept, else "1" or the
    // last visit's time ("yyyymmddhhmmss").
    QString recentChanges() const { return m_recentChanges; }
    bool keepsRecentChangesTime() const { return m_recentChanges != QLatin1String("0"); }
    void setKeepRecentChangesTime(bool on);
    // A visit of the recent changes at `time`; kept for the next one when the time is kept.
    void recordRecentChangesVisit(const QString &time);

    // The writing aids, in their own section: colours for the wiki markup and the
    // spell check. Both on while the file says nothing.
    bool highlighting() const { return m_highlighting; }
    void setHighlighting(bool on);
    bool spellCheck() const { return m_spellCheck; }
    void setSpellCheck(bool on);

    // The entry check's panel beside the editor is open; closed while the file says nothing.
    bool checkPanel() const { return m_checkPanel; }
    void setCheckPanel(bool on);

    // The programs of F2, F3 and F4 (key 0 to 2), without quotes; empty for none.
    QString shortcutProgram(int key) const;
    void setShortcutProgram(int key, const QString &path);

    // The wiki the editor opens pages from and saves them to: the address of its
    // api.php and the bot password's user name ("User@application"). The password
    // itself is kept in the desktop's secret store, never here.
    static const QString DefaultWikiApi;
    QString wikiApi() const { return m_wikiApi; }
    void setWikiApi(const QString &address);
    QString wikiUser() const { return m_wikiUser; }
    void setWikiUser(const QString &name);

signals:
    void wordWrapChanged(bool on);
    void pointsChanged(bool on);
    void writingAidsChanged();
    void checkPanelChanged(bool open);
    // The auto-save timer starts again with this interval (0: stopped).
    void autoSaveRestarted(int interval);

private:
    QString m_autoSaveText = QStringLiteral("0");
    QString m_recentChanges = QStringLiteral("0");
    QString m_shortcuts[3];
    QString m_wikiApi = DefaultWikiApi;
    QString m_wikiUser;
    bool m_tray = false;
    bool m_maximize = false;
    bool m_wordWrap = true;
    bool m_points = false;
    bool m_highlighting = true;
    bool m_spellCheck = true;
    bool m_checkPanel = false;
};
