#include "wiki/WikiTransport.h"

#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace {

int effectivePort(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && effectivePort(a) == effectivePort(b);
}

// Errors of the connection itself; HTTP statuses of failure are left to the answer's reading.
bool connectionFailed(QNetworkReply::NetworkError code)
{
    return code != QNetworkReply::NoError && (code < QNetworkReply::ContentAccessDenied || code >= 300)
        && (code < QNetworkReply::InternalServerError || code > QNetworkReply::UnknownServerError);
}

} // namespace

WikiTransport::WikiTransport(QObject *parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { stop(WikiError::TimedOut); });
}

WikiTransport::~WikiTransport()
{
    m_done = {};
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void WikiTransport::newSession()
{
    m_network.setCookieJar(new QNetworkCookieJar(&m_network));
}

void WikiTransport::post(const QUrl &url, const QByteArray &form, int deadline,
                         std::function<void(const WikiResponse &)> done)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Dalvana/0.1 (Hebrew Wiktionary editor)"));
    request.setTransferTimeout(m_silence);
    // Each redirect is asked about, so that one to another origin is refused before it is sent.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    m_done = std::move(done);
    m_stopped = WikiError();
    QNetworkReply *reply = m_network.post(request, form);
    m_reply = reply;
    connect(reply, &QNetworkReply::redirected, this, [this, reply, url](const QUrl &target) {
        const QUrl resolved = url.resolved(target);
        if (sameOrigin(url, resolved))
            emit reply->redirectAllowed();
        else
            stop(WikiError::Redirected, resolved.toString(QUrl::RemoveUserInfo));
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > MaxAnswerBytes)
            stop(WikiError::BadAnswer, QStringLiteral("over %1 MB").arg(MaxAnswerBytes >> 20));
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    m_deadline.start(deadline);
}

void WikiTransport::cancel()
{
    stop(WikiError::Cancelled);
}

void WikiTransport::stop(WikiError::Kind kind, const QString &detail)
{
    if (!m_reply || !m_stopped.ok())
        return;
    m_stopped.kind = kind;
    m_stopped.detail = detail;
    m_reply->abort();
}

void WikiTransport::finish(QNetworkReply *reply)
{
    reply->deleteLater();
    m_reply = nullptr;
    m_deadline.stop();
    WikiResponse response;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!m_stopped.ok()) {
        response.error = m_stopped;
    } else if (reply->error() == QNetworkReply::OperationCanceledError
               || reply->error() == QNetworkReply::TimeoutError) {
        response.error.kind = WikiError::TimedOut; // the silence limit
    } else if (!status.isValid() || connectionFailed(reply->error())) {
        response.error.kind = WikiError::NoNetwork;
        response.error.detail = reply->errorString();
    } else {
        response.status = status.toInt();
        response.body = reply->readAll();
        response.retryAfter = reply->rawHeader("Retry-After");
    }
    if (auto done = std::exchange(m_done, {}))
        done(response);
}
