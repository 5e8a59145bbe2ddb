#pragma once

#include <QObject>

class AboutDialog;
class AboutMode;
class EditorAdapter;
class EntryGuideDialog;
class LinksDialog;
class QAction;

// The help menu (the entry guide, the user's guide, the About window, the links),
// the browser menu entry and the way back to the browser.
class HelpCommands : public QObject
{
    Q_OBJECT

public:
    struct Windows
    {
        EntryGuideDialog &guide;
        AboutDialog &about;
        LinksDialog &links;
    };

    HelpCommands(EditorAdapter &editor, AboutMode &aboutMode, Windows windows, QAction &browserMenu);

    void showGuide();
    void showHelp();
    void showAbout();
    void showLinks();
    // Installs the browser menu entry, or removes it when it is installed.
    void toggleBrowserMenu();
    // The browser menu item's picture follows the stored state.
    void reflectBrowserMenu();
    // Puts the text on the clipboard for the browser and ends the program at once.
    void goBack();

    // The user's guide: beside the program, or where the package installs it.
    static QString helpFile();
    // What the browser menu item says once it has installed or removed the entry.
    static QString browserMenuMessage(bool installed);

private:
    EditorAdapter &m_editor;
    AboutMode &m_aboutMode;
    Windows m_windows;
    QAction &m_browserMenu;
};
