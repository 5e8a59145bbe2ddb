#pragma once

#include "wiki/WikiPage.h"

#include <QObject>
#include <QString>
#include <QTimer>

// The document's state apart from its text: the file it belongs to, the wiki page it
// came from, the text last written there, whether quick save has something to write,
// and the save lamp.
// The window reflects these; the commands change them.
class DocumentModel : public QObject
{
    Q_OBJECT

public:
    explicit DocumentModel(QObject *parent = nullptr);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    // The wiki page the text was read from or last saved to, beside the file: the
    // revision the next save is based on and the times the wiki wants with it.
    const WikiPage &wikiPage() const { return m_wikiPage; }
    // With the text of that revision as the editor holds it (empty where there was no
    // page), kept so that neither showing the changes nor a merge reads it again.
    void setWikiPage(const WikiPage &page, const QString &revisionText);
    void clearWikiPage() { setWikiPage(WikiPage(), QString()); }
    const QString &wikiRevisionText() const { return m_wikiRevisionText; }
    // What the text's changes are counted from: the page's revision on the wiki for a
    // page from the wiki, else the saved copy (the file as last written).
    bool changesFromWiki() const { return !m_wikiPage.title.isEmpty(); }

    QString savedText() const { return m_savedText; }
    void setSavedText(const QString &text);
    // The same, where the editor holds exactly that text now (it was just read or
    // written): nothing needs comparing with it until the text is edited.
    void setSavedTextFromEditor(const QString &text);

    bool quickSavePending() const { return m_quickSavePending; }
    void setQuickSavePending(bool pending);

    // The green lamp after a save, for half a second; while `visible` is false (the
    // About mode) only the lamp's timer runs.
    bool saveLampLit() const { return m_lampLit; }
    void showSaveIndication(bool visible = true);
    void endSaveIndication();
    const QTimer &saveLamp() const { return m_lampTimer; }

    // A new root's page is being written in the verb dialog: leaving asks first, and
    // closing the window does not hide it in the notification area.
    bool rootPagePending() const { return m_rootPagePending; }
    void setRootPagePending(bool pending);

signals:
    void fileNameChanged(const QString &fileName);
    void wikiTitleChanged(const QString &title);
    void quickSavePendingChanged(bool pending);
    void saveLampChanged(bool lit);
    // The saved copy was set (a save, a load, a new document), or the file or the wiki
    // page changed: what a copy of unsaved text is measured against and described by.
    void savedStateChanged();
    void savedTextChanged(bool inEditor);
    void rootPagePendingChanged(bool pending);

private:
    void setLampLit(bool lit);

    QString m_fileName;
    WikiPage m_wikiPage;
    QString m_wikiRevisionText;
    QString m_savedText;
    bool m_quickSavePending = false;
    bool m_lampLit = false;
    bool m_rootPagePending = false;
    QTimer m_lampTimer;
};
