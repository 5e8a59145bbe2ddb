#pragma once

#include "wiki/WikiError.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkReply;

// What came back for one request: the status and body, or why there was nothing to read.
struct WikiResponse
{
    WikiError error; // Cancelled, TimedOut, NoNetwork, Redirected or BadAnswer
    int status = 0;
    QByteArray body;
    QByteArray retryAfter; // the Retry-After header, as sent
};

// The requests of one client over one QNetworkAccessManager (its connections and the
// wiki's session cookie). A redirect is followed only to the same scheme, host and
// port: the bot password must never reach another server. A request ends when the
// server falls silent for the silence limit, or at its deadline however it trickles.
class WikiTransport : public QObject
{
    Q_OBJECT

public:
    // More than any page the wiki holds; a server sending more is not a wiki.
    static constexpr qint64 MaxAnswerBytes = 64 * 1024 * 1024;

    explicit WikiTransport(QObject *parent = nullptr);
    ~WikiTransport() override;

    void setSilenceLimit(int milliseconds) { m_silence = milliseconds; }
    // Forgets the session cookies: the next request starts a new session.
    void newSession();

    // Posts the form; `done` is called once, later, also when cancelled.
    void post(const QUrl &url, const QByteArray &form, int deadline, std::function<void(const WikiResponse &)> done);
    void cancel();
    bool busy() const { return bool(m_done); }

private:
    void stop(WikiError::Kind kind, const QString &detail = QString());
    void finish(QNetworkReply *reply);

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    std::function<void(const WikiResponse &)> m_done;
    WikiError m_stopped; // why the request was ended from this side
    int m_silence = 30000;
};
