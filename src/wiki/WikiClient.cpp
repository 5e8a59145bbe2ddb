#include "wiki/WikiClient.h"

#include "wikitext/DocumentFormat.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <utility>

namespace {

QByteArray formEncode(const QList<QPair<QString, QString>> &params)
{
    QByteArray body;
    for (const auto &p : params) {
        if (!body.isEmpty())
            body += '&';
        // Everything but the unreserved characters is escaped: a "+" left alone
        // would reach the wiki as a space.
        body += QUrl::toPercentEncoding(p.first) + '=' + QUrl::toPercentEncoding(p.second);
    }
    return body;
}

WikiError::Kind kindOfCode(const QString &code)
{
    static const QHash<QString, WikiError::Kind> kinds = {
        {QStringLiteral("editconflict"), WikiError::EditConflict},
        {QStringLiteral("articleexists"), WikiError::EditConflict},
        {QStringLiteral("pagedeleted"), WikiError::PageDeleted},
        {QStringLiteral("missingtitle"), WikiError::PageMissing},
        {QStringLiteral("invalidtitle"), WikiError::BadTitle},
        {QStringLiteral("protectedpage"), WikiError::Protected},
        {QStringLiteral("cascadeprotected"), WikiError::Protected},
        {QStringLiteral("protectedtitle"), WikiError::Protected},
        {QStringLiteral("protectednamespace"), WikiError::Protected},
        {QStringLiteral("protectednamespace-interface"), WikiError::Protected},
        {QStringLiteral("blocked"), WikiError::Blocked},
        {QStringLiteral("autoblocked"), WikiError::Blocked},
        {QStringLiteral("badmd5"), WikiError::Damaged},
        {QStringLiteral("assertuserfailed"), WikiError::LoggedOut},
        {QStringLiteral("assertnameduserfailed"), WikiError::LoggedOut},
        {QStringLiteral("notloggedin"), WikiError::LoggedOut},
        {QStringLiteral("badtoken"), WikiError::LoggedOut},
        {QStringLiteral("maxlag"), WikiError::Lagged},
        {QStringLiteral("ratelimited"), WikiError::RateLimited},
    };
    return kinds.value(code, WikiError::Refused);
}

WikiError error(WikiError::Kind kind, const QString &title = QString(), const QString &detail = QString())
{
    WikiError e;
    e.kind = kind;
    e.title = title;
    e.detail = detail;
    return e;
}

} // namespace

WikiClient::WikiClient(const QUrl &api, QObject *parent)
    : QObject(parent)
    , m_api(api)
{
    m_retryTimer.setSingleShot(true);
}

WikiClient::~WikiClient()
{
    m_pending = {};
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void WikiClient::setRetryPolicy(int retries, int maxWait)
{
    m_retries = retries;
    m_maxWait = maxWait;
}

QString WikiClient::textForWiki(const QString &editorText)
{
    QString text = editorText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.normalized(QString::NormalizationForm_C);
}

QString WikiClient::textForEditor(const QString &wikiText)
{
    return DocumentFormat::normaliseLineBreaks(wikiText);
}

void WikiClient::call(const Params &params, Handler handler, int attempt)
{
    Params all = params;
    all << qMakePair(QStringLiteral("format"), QStringLiteral("json"))
        << qMakePair(QStringLiteral("formatversion"), QStringLiteral("2"))
        << qMakePair(QStringLiteral("maxlag"), QString::number(m_maxLag));
    QNetworkRequest request(m_api);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Dalvana/0.1 (Hebrew Wiktionary editor)"));
    request.setTransferTimeout(m_timeout);
    m_pending = std::move(handler);
    m_cancelling = false;
    QNetworkReply *reply = m_network.post(request, formEncode(all));
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply, params, attempt] { finish(reply, params, attempt); });
}

void WikiClient::finish(QNetworkReply *reply, const Params &params, int attempt)
{
    reply->deleteLater();
    m_reply = nullptr;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (m_cancelling)
        return fail(error(WikiError::Cancelled));
    if (!status.isValid()) {
        const auto code = reply->error();
        if (code == QNetworkReply::OperationCanceledError || code == QNetworkReply::TimeoutError)
            return fail(error(WikiError::TimedOut));
        return fail(error(WikiError::NoNetwork, QString(), reply->errorString()));
    }
    const QJsonDocument json = QJsonDocument::fromJson(reply->readAll());
    if (!json.isObject())
        return fail(error(WikiError::NotMediaWiki, QString(), QStringLiteral("HTTP %1").arg(status.toInt())));
    const QJsonObject object = json.object();
    const QJsonObject apiError = object.value(QLatin1String("error")).toObject();
    if (!apiError.isEmpty()) {
        const QString code = apiError.value(QLatin1String("code")).toString();
        const WikiError::Kind kind = kindOfCode(code);
        if ((kind == WikiError::Lagged || kind == WikiError::RateLimited) && attempt < m_retries) {
            // The wiki says how long to wait when it lags; a rate limit does not.
            int wait = m_maxWait;
            const QByteArray after = reply->rawHeader("Retry-After");
            if (!after.isEmpty())
                wait = std::min(m_maxWait, after.toInt() * 1000);
            m_retryTimer.disconnect(this);
            connect(&m_retryTimer, &QTimer::timeout, this,
                    [this, params, attempt] { call(params, std::exchange(m_pending, {}), attempt + 1); });
            m_retryTimer.start(std::max(0, wait));
            return;
        }
        return fail(
            error(kind, QString(), code + QStringLiteral(": ") + apiError.value(QLatin1String("info")).toString()));
    }
    std::exchange(m_pending, {})(WikiError(), object);
}

void WikiClient::fail(const WikiError &e)
{
    if (Handler handler = std::exchange(m_pending, {}))
        handler(e, QJsonObject());
}

void WikiClient::cancel()
{
    if (m_reply) {
        m_cancelling = true;
        m_reply->abort();
    } else if (m_retryTimer.isActive()) {
        m_retryTimer.stop();
        fail(error(WikiError::Cancelled));
    }
}

void WikiClient::fetchSiteInfo(std::function<void(const WikiError &, const WikiSiteInfo &)> done)
{
    call({{QStringLiteral("action"), QStringLiteral("query")}, {QStringLiteral("meta"), QStringLiteral("siteinfo")}},
         [done](const WikiError &e, const QJsonObject &reply) {
             const QJsonObject general = reply[QLatin1String("query")][QLatin1String("general")].toObject();
             WikiSiteInfo info{general[QLatin1String("sitename")].toString(),
                               general[QLatin1String("generator")].toString()};
             if (e.ok() && !info.generator.startsWith(QLatin1String("MediaWiki")))
                 return done(error(WikiError::NotMediaWiki), info);
             done(e, info);
         });
}

void WikiClient::fetchToken(const QString &type, std::function<void(const WikiError &, const QString &)> done)
{
    call(
        {{QStringLiteral("action"), QStringLiteral("query")},
         {QStringLiteral("meta"), QStringLiteral("tokens")},
         {QStringLiteral("type"), type}},
        [type, done](const WikiError &e, const QJsonObject &reply) {
            const QString token = reply[QLatin1String("query")][QLatin1String("tokens")][type + QStringLiteral("token")]
                                      .toString();
            if (e.ok() && token.isEmpty())
                return done(error(WikiError::NotMediaWiki), QString());
            done(e, token);
        });
}

void WikiClient::login(const QString &name, const QString &password, std::function<void(const WikiError &)> done)
{
    fetchToken(QStringLiteral("login"), [this, name, password, done](const WikiError &e, const QString &token) {
        if (!e.ok())
            return done(e);
        call({{QStringLiteral("action"), QStringLiteral("login")},
              {QStringLiteral("lgname"), name},
              {QStringLiteral("lgpassword"), password},
              {QStringLiteral("lgtoken"), token}},
             [done](const WikiError &e2, const QJsonObject &reply) {
                 if (!e2.ok())
                     return done(e2);
                 const QJsonObject login = reply[QLatin1String("login")].toObject();
                 const QString result = login[QLatin1String("result")].toString();
                 if (result == QLatin1String("Success"))
                     return done(WikiError());
                 if (result.isEmpty())
                     return done(error(WikiError::NotMediaWiki));
                 done(error(WikiError::WrongPassword, QString(),
                            result + QStringLiteral(": ") + login[QLatin1String("reason")].toString()));
             });
    });
}

void WikiClient::readPage(const QString &title, std::function<void(const WikiError &, const WikiPage &)> done)
{
    call({{QStringLiteral("action"), QStringLiteral("query")},
          {QStringLiteral("prop"), QStringLiteral("revisions")},
          {QStringLiteral("titles"), title},
          {QStringLiteral("rvprop"), QStringLiteral("ids|timestamp|content")},
          {QStringLiteral("rvslots"), QStringLiteral("main")},
          {QStringLiteral("curtimestamp"), QStringLiteral("1")}},
         [title, done](const WikiError &e, const QJsonObject &reply) {
             WikiPage page;
             page.title = title;
             if (!e.ok())
                 return done(e, page);
             const QJsonArray pages = reply[QLatin1String("query")][QLatin1String("pages")].toArray();
             if (pages.size() != 1)
                 return done(error(WikiError::NotMediaWiki), page);
             const QJsonObject p = pages.first().toObject();
             page.title = p[QLatin1String("title")].toString(title);
             page.startTimestamp = reply[QLatin1String("curtimestamp")].toString();
             if (p[QLatin1String("invalid")].toBool())
                 return done(error(WikiError::BadTitle, title, p[QLatin1String("invalidreason")].toString()), page);
             if (p[QLatin1String("missing")].toBool())
                 return done(error(WikiError::PageMissing, page.title), page);
             const QJsonObject revision = p[QLatin1String("revisions")][0].toObject();
             page.exists = true;
             page.revision = revision[QLatin1String("revid")].toInteger();
             page.revisionTimestamp = revision[QLatin1String("timestamp")].toString();
             page.text = revision[QLatin1String("slots")][QLatin1String("main")][QLatin1String("content")].toString();
             done(WikiError(), page);
         });
}

void WikiClient::savePage(const WikiEdit &edit, std::function<void(const WikiError &, qint64)> done)
{
    if (edit.baseRevision <= 0)
        return postEdit(edit, done);
    // The wiki merges a change made meanwhile into ours when it can; we want to be
    // stopped instead, so the current revision is compared first.
    call({{QStringLiteral("action"), QStringLiteral("query")},
          {QStringLiteral("prop"), QStringLiteral("revisions")},
          {QStringLiteral("titles"), edit.title},
          {QStringLiteral("rvprop"), QStringLiteral("ids")}},
         [this, edit, done](const WikiError &e, const QJsonObject &reply) {
             if (!e.ok())
                 return done(e, 0);
             const QJsonObject p = reply[QLatin1String("query")][QLatin1String("pages")][0].toObject();
             if (p.isEmpty())
                 return done(error(WikiError::NotMediaWiki), 0);
             if (p[QLatin1String("missing")].toBool())
                 return done(error(WikiError::PageDeleted, edit.title), 0);
             const qint64 current = p[QLatin1String("revisions")][0][QLatin1String("revid")].toInteger();
             if (current != edit.baseRevision) {
                 WikiError conflict = error(WikiError::EditConflict, edit.title);
                 conflict.revision = current;
                 return done(conflict, 0);
             }
             postEdit(edit, done);
         });
}

void WikiClient::postEdit(const WikiEdit &edit, std::function<void(const WikiError &, qint64)> done)
{
    fetchToken(QStringLiteral("csrf"), [this, edit, done](const WikiError &e, const QString &token) {
        if (!e.ok())
            return done(error(e.kind, edit.title, e.detail), 0);
        const QString text = textForWiki(edit.text);
        Params params{{QStringLiteral("action"), QStringLiteral("edit")},
                      {QStringLiteral("title"), edit.title},
                      {QStringLiteral("text"), text},
                      {QStringLiteral("summary"), edit.summary},
                      {QStringLiteral("md5"),
                       QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex())},
                      {QStringLiteral("assert"), QStringLiteral("user")},
                      {QStringLiteral("token"), token}};
        if (edit.baseRevision > 0) {
            params << qMakePair(QStringLiteral("baserevid"), QString::number(edit.baseRevision))
                   << qMakePair(QStringLiteral("nocreate"), QStringLiteral("1"));
            if (!edit.baseTimestamp.isEmpty())
                params << qMakePair(QStringLiteral("basetimestamp"), edit.baseTimestamp);
        } else if (edit.create) {
            params << qMakePair(QStringLiteral("createonly"), QStringLiteral("1"));
        }
        if (!edit.startTimestamp.isEmpty())
            params << qMakePair(QStringLiteral("starttimestamp"), edit.startTimestamp);
        call(params, [edit, done](const WikiError &e2, const QJsonObject &reply) {
            if (!e2.ok()) {
                WikiError failure = error(e2.kind, edit.title, e2.detail);
                // Gone since it was read: the page existed when the edit began.
                if (failure.kind == WikiError::PageMissing)
                    failure.kind = WikiError::PageDeleted;
                return done(failure, 0);
            }
            const QJsonObject result = reply[QLatin1String("edit")].toObject();
            if (result[QLatin1String("result")].toString() != QLatin1String("Success"))
                return done(error(result.isEmpty() ? WikiError::NotMediaWiki : WikiError::Refused, edit.title,
                                  QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Compact))),
                            0);
            if (result[QLatin1String("nochange")].toBool())
                return done(error(WikiError::NoChange, edit.title), edit.baseRevision);
            done(WikiError(), result[QLatin1String("newrevid")].toInteger());
        });
    });
}
