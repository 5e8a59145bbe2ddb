#include "wiki/WikiSync.h"

#include <QEventLoop>

namespace {

// Starts `start`, which must end by calling the function it is given, and waits.
template <typename Start> WikiError wait(Start start)
{
    QEventLoop loop;
    WikiError result;
    bool done = false;
    start([&](const WikiError &error) {
        result = error;
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
    return result;
}

} // namespace

namespace WikiSync {

WikiError fetchSiteInfo(WikiClient &client, WikiSiteInfo *info)
{
    return wait([&](auto finish) {
        client.fetchSiteInfo([info, finish](const WikiError &e, const WikiSiteInfo &value) {
            *info = value;
            finish(e);
        });
    });
}

WikiError login(WikiClient &client, const QString &name, const QString &password)
{
    return wait([&](auto finish) { client.login(name, password, finish); });
}

WikiError readPage(WikiClient &client, const QString &title, WikiPage *page, QString *text)
{
    return wait([&](auto finish) {
        client.readPage(title, [page, text, finish](const WikiError &e, const WikiPage &value, const QString &content) {
            *page = value;
            *text = content;
            finish(e);
        });
    });
}

WikiError readRevision(WikiClient &client, const QString &title, qint64 revision, WikiPage *page, QString *text)
{
    return wait([&](auto finish) {
        client.readRevision(title, revision,
                            [page, text, finish](const WikiError &e, const WikiPage &value, const QString &content) {
                                *page = value;
                                *text = content;
                                finish(e);
                            });
    });
}

WikiError savePage(WikiClient &client, const WikiEdit &edit, WikiPage *saved)
{
    return wait([&](auto finish) {
        client.savePage(edit, [saved, finish](const WikiError &e, const WikiPage &value) {
            *saved = value;
            finish(e);
        });
    });
}

} // namespace WikiSync
