#include "app/DocumentModel.h"

DocumentModel::DocumentModel(QObject *parent)
    : QObject(parent)
{
    m_lampTimer.setInterval(500);
    connect(&m_lampTimer, &QTimer::timeout, this, &DocumentModel::endSaveIndication);
}

void DocumentModel::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(fileName);
    emit savedStateChanged();
}

void DocumentModel::setWikiPage(const WikiPage &page, const QString &revisionText)
{
    if (page == m_wikiPage && revisionText == m_wikiRevisionText)
        return;
    const bool titleChanged = page.title != m_wikiPage.title;
    m_wikiPage = page;
    m_wikiRevisionText = revisionText;
    if (titleChanged)
        emit wikiTitleChanged(page.title);
    emit savedStateChanged();
}

void DocumentModel::setSavedText(const QString &text)
{
    m_savedText = text;
    emit savedTextChanged(false);
    emit savedStateChanged();
}

void DocumentModel::setSavedTextFromEditor(const QString &text)
{
    m_savedText = text;
    emit savedTextChanged(true);
    emit savedStateChanged();
}

void DocumentModel::setQuickSavePending(bool pending)
{
    if (pending == m_quickSavePending)
        return;
    m_quickSavePending = pending;
    emit quickSavePendingChanged(pending);
}

void DocumentModel::setRootPagePending(bool pending)
{
    if (pending == m_rootPagePending)
        return;
    m_rootPagePending = pending;
    emit rootPagePendingChanged(pending);
}

void DocumentModel::showSaveIndication(bool visible)
{
    if (visible)
        setLampLit(true);
    m_lampTimer.start();
}

void DocumentModel::endSaveIndication()
{
    setLampLit(false);
    m_lampTimer.stop();
}

void DocumentModel::setLampLit(bool lit)
{
    if (lit == m_lampLit)
        return;
    m_lampLit = lit;
    emit saveLampChanged(lit);
}
