#pragma once

#include "app/EditorAdapter.h"
#include "regex/RegEx.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class DocumentCommands;

namespace Ui {
class TForm1;
}

// The main window: the one document, its editor, menus and toolbar. Each group of
// commands lives in its own class under app/commands and is wired here in one line.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Start-up with the command line (without the program's name): the settings
    // file, the stored choices, the recent list and the "/c" and "/o" switches.
    void FormCreate(const QStringList &arguments);

    // Places the window in the middle of its screen.
    void centreOnScreen();

    // A menu item or toolbar button by its name ("NewArticle", "Bold", "R1", ...).
    QAction *action(const QString &name) const;
    // The four main menus, in order, and the submenus "New", "Recent", "Fix".
    QList<QMenu *> mainMenus() const;
    QMenu *menu(const QString &name) const;
    QMenu *searchPopup() const { return m_searchPopup; }
    QMenu *toolbarPopup() const { return m_toolbarPopup; }
    QToolBar *toolBar() const;
    QToolButton *wiktJumpButton() const;

    EditorAdapter &editor() { return m_editor; }
    QPlainTextEdit *articleText() const;
    QLineEdit *jumpQuery() const { return m_jumpQuery; }
    QLabel *statusLabel() const;
    QLabel *greenLed() const;
    QLabel *blueLed() const;
    QLabel *love() const;
    QLabel *goBack() const;
    QLabel *arabLabel() const;
    QLabel *russianLabel() const;
    QTimer *timer1() { return &m_timer1; }
    QTimer *timer2() { return &m_timer2; }
    RegEx &regEx() { return m_regEx; }

    // The document and its file.
    DocumentCommands &document() { return *m_document; }

    // Shows or hides the fifteen point buttons and their separator, moving the
    // toolbar's indent so the markup buttons keep their place.
    void setVowelToolbarVisible(bool visible);
    bool vowelToolbarVisible() const;

    // The tray diverts a close when this returns true.
    void setCloseDiverter(std::function<bool()> diverter) { m_closeDiverter = std::move(diverter); }
    // Whether the verb dialog is open (exit then always asks).
    void setVerbDialogVisibleQuery(std::function<bool()> query) { m_verbVisible = std::move(query); }
    bool verbDialogVisible() const { return m_verbVisible && m_verbVisible(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void buildIcons();

    std::unique_ptr<Ui::TForm1> m_ui;
    EditorAdapter m_editor;
    RegEx m_regEx;
    QTimer m_timer1;
    QTimer m_timer2;
    QMenu *m_searchPopup = nullptr;
    QMenu *m_toolbarPopup = nullptr;
    QLineEdit *m_jumpQuery = nullptr;
    QWidget *m_indent = nullptr;
    std::function<bool()> m_closeDiverter;
    std::function<bool()> m_verbVisible;

    std::unique_ptr<DocumentCommands> m_document;
};
