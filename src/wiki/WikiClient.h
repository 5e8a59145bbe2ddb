#pragma once

#include "wiki/WikiError.h"

#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkReply;

// A page as read from the wiki. The text is the wiki's own: LF line breaks, NFC.
struct WikiPage
{
    QString title; // as the wiki writes it
    QString text;
    bool exists = false;
    qint64 revision = 0;       // 0 for a page that does not exist
    QString revisionTimestamp; // the revision's time, ISO 8601
    QString startTimestamp;    // the wiki's time when the page was read
};

// A save: the text as the editor holds it, and what it was based on. A base revision
// of 0 with `create` makes a new page and refuses when one appeared meanwhile; 0
// without `create` saves over whatever stands there.
struct WikiEdit
{
    QString title;
    QString text;
    QString summary{};
    qint64 baseRevision = 0;
    QString baseTimestamp{};
    QString startTimestamp{};
    bool create = false;
};

struct WikiSiteInfo
{
    QString siteName;
    QString generator; // "MediaWiki 1.39.5" and the like
};

// The wiki's Action API at one address: login with a bot password, reading and
// saving pages. Every call is asynchronous and ends in its callback exactly once,
// also when cancelled. One operation at a time.
class WikiClient : public QObject
{
    Q_OBJECT

public:
    explicit WikiClient(const QUrl &api, QObject *parent = nullptr);
    // An operation still under way ends without its callback.
    ~WikiClient() override;

    QUrl api() const { return m_api; }

    // How long one request may take, in milliseconds.
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    // A lagging or rate-limiting wiki is asked again up to `retries` times, waiting
    // what it asks for but never more than `maxWait` milliseconds each time.
    void setRetryPolicy(int retries, int maxWait);
    // The replica lag in seconds above which the wiki should refuse (its "maxlag").
    void setMaxLag(int seconds) { m_maxLag = seconds; }

    void fetchSiteInfo(std::function<void(const WikiError &, const WikiSiteInfo &)> done);
    // `name` is "User@application", as the bot password page gives it.
    void login(const QString &name, const QString &password, std::function<void(const WikiError &)> done);
    void readPage(const QString &title, std::function<void(const WikiError &, const WikiPage &)> done);
    // The new revision on success; a save that changed nothing ends in NoChange.
    void savePage(const WikiEdit &edit, std::function<void(const WikiError &, qint64 revision)> done);

    // Ends the operation under way; its callback gets Cancelled.
    void cancel();
    bool busy() const { return bool(m_pending); }

    // What the wiki stores for an editor text: LF line breaks, Unicode NFC.
    static QString textForWiki(const QString &editorText);
    // What the editor holds for a wiki text: CR LF line breaks.
    static QString textForEditor(const QString &wikiText);

private:
    using Params = QList<QPair<QString, QString>>;
    using Handler = std::function<void(const WikiError &, const QJsonObject &)>;

    void call(const Params &params, Handler handler, int attempt = 0);
    void finish(QNetworkReply *reply, const Params &params, int attempt);
    void fail(const WikiError &error);
    void fetchToken(const QString &type, std::function<void(const WikiError &, const QString &)> done);
    void postEdit(const WikiEdit &edit, std::function<void(const WikiError &, qint64)> done);

    QUrl m_api;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_retryTimer;
    Handler m_pending;
    bool m_cancelling = false;
    int m_timeout = 30000;
    int m_retries = 3;
    int m_maxWait = 10000;
    int m_maxLag = 5;
};
