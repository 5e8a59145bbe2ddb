#pragma once

#include <QObject>

class EditorAdapter;
class PreferencesModel;
class QAction;
class QLineEdit;

// The jump box and its button on the toolbar: a page of the wiki or its edit
// form, Wikipedia, Commons and Google, and the recent changes since the last visit.
class NavigationCommands : public QObject
{
    Q_OBJECT

public:
    // The toolbar's jump button and the three items of its menu, whose pictures and
    // hints follow the box's text.
    struct Actions
    {
        QAction *jump;
        QAction *wikipedia;
        QAction *google;
        QAction *commons;
    };

    NavigationCommands(EditorAdapter &editor, PreferencesModel &preferences, QLineEdit &jumpQuery, Actions actions);
    ~NavigationCommands() override;

    void queryChanged();
    void jump();
    void searchWikipedia();
    void searchGoogle();
    void searchCommons();
    // The recent-changes visit: from the last visit's time when the time is kept,
    // and this visit's time kept for the next one.
    void showRecentChanges();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditorAdapter &m_editor;
    PreferencesModel &m_preferences;
    QLineEdit &m_jumpQuery;
    Actions m_actions;
};
