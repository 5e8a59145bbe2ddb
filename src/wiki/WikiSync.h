#pragma once

#include "wiki/WikiClient.h"

// The client's calls waited for in a local event loop, for the command line and
// the tests. The window never uses these: it must not stop answering meanwhile.
namespace WikiSync {

WikiError fetchSiteInfo(WikiClient &client, WikiSiteInfo *info);
WikiError login(WikiClient &client, const QString &name, const QString &password);
WikiError readPage(WikiClient &client, const QString &title, WikiPage *page, QString *text);
WikiError readRevision(WikiClient &client, const QString &title, qint64 revision, WikiPage *page, QString *text);
WikiError savePage(WikiClient &client, const WikiEdit &edit, WikiPage *saved);

} // namespace WikiSync
