#pragma once

#include "wiki/WikiAnswers.h"
#include "wiki/WikiError.h"
#include "wiki/WikiPage.h"
#include "wiki/WikiTransport.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QTimer>
#include <QUrl>

#include <functional>

// A save: the text as the editor holds it, and the page it builds on. With a base
// revision the save is refused as a conflict when the page changed since; without
// one, `create` makes a new page and refuses when one stands there, and otherwise the
// text goes over whatever stands there.
struct WikiEdit
{
    WikiPage base;
    QString text;
    QString summary{};
    bool create = false;
    // An empty text empties the page on the wiki; it is refused unless this is said.
    bool allowBlank = false;
};

// The wiki's Action API at one address: login with a bot password, reading and
// saving pages. Every call is asynchronous and ends in its callback exactly once,
// also when cancelled. One operation at a time. Nothing an answer says is believed
// before it has been checked (WikiAnswers).
class WikiClient : public QObject
{
    Q_OBJECT

public:
    // The overall deadlines of a request, besides the limit on the server's silence.
    // A page is read well within a minute; a save of a long page over a slow line
    // sends several megabytes (the form encodes each Hebrew letter in six bytes) and
    // then waits while the wiki stores and parses it, so it gets longer.
    struct Limits
    {
        int silence = 30'000;
        int deadline = 60'000;
        int saveDeadline = 180'000;
    };

    explicit WikiClient(const QUrl &api, QObject *parent = nullptr);
    // An operation still under way ends without its callback.
    ~WikiClient() override;

    QUrl api() const { return m_api; }

    void setLimits(const Limits &limits);
    // A lagging or rate-limiting wiki is asked again up to `retries` times, waiting
    // what it asks for but never more than `maxWait` milliseconds each time.
    void setRetryPolicy(int retries, int maxWait);
    // The replica lag in seconds above which the wiki should refuse (its "maxlag").
    void setMaxLag(int seconds) { m_maxLag = seconds; }

    void fetchSiteInfo(std::function<void(const WikiError &, const WikiSiteInfo &)> done);
    // `name` is "User@application", as the bot password page gives it.
    void login(const QString &name, const QString &password, std::function<void(const WikiError &)> done);
    // The page with its current text; a page that does not exist ends in PageMissing
    // with the page's title and start time filled in.
    void readPage(const QString &title, std::function<void(const WikiError &, const WikiPage &, const QString &)> done);
    // Revision `revision` of `title` with its text, the revision the page's base.
    void readRevision(const QString &title, qint64 revision,
                      std::function<void(const WikiError &, const WikiPage &, const QString &)> done);
    // The page as saved, the new revision its base; a save that changed nothing ends in
    // NoChange with the base as it was.
    void savePage(const WikiEdit &edit, std::function<void(const WikiError &, const WikiPage &)> done);

    // Ends the operation under way; its callback gets Cancelled.
    void cancel();
    bool busy() const { return bool(m_pending); }

    // What the wiki stores for an editor text: LF line breaks, Unicode NFC.
    static QString textForWiki(const QString &editorText);
    // What the editor holds for a wiki text: CR LF line breaks.
    static QString textForEditor(const QString &wikiText);
    // What the wiki will hold for an editor text, as the editor holds it: the wiki drops
    // trailing white space and stores NFC.
    static QString storedText(const QString &editorText);
    // Whether the wiki would store nothing for the text (it drops trailing white space).
    static bool isBlank(const QString &editorText);

private:
    using Params = QList<QPair<QString, QString>>;
    using Handler = std::function<void(const WikiError &, const QJsonObject &)>;

    void call(const Params &params, Handler handler, bool save = false, int attempt = 0);
    void answered(const WikiResponse &response, const Params &params, bool save, int attempt);
    void fetchToken(const QString &type, std::function<void(const WikiError &, const QString &)> done);
    void postEdit(const WikiEdit &edit, const WikiPage &base,
                  std::function<void(const WikiError &, const WikiPage &)> done);

    QUrl m_api;
    WikiTransport m_transport;
    QTimer m_retryTimer;
    Handler m_pending;
    Limits m_limits;
    int m_retries = 3;
    int m_maxWait = 10000;
    int m_maxLag = 5;
};
