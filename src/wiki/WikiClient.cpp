#include "wiki/WikiClient.h"

#include "wikitext/DocumentFormat.h"

#include <QCryptographicHash>

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

WikiError error(WikiError::Kind kind, const QString &title = QString(), const QString &detail = QString())
{
    WikiError e;
    e.kind = kind;
    e.title = title;
    e.detail = detail;
    return e;
}

// The wiki turns every title it is sent into NFC; the answer names it so.
QString wikiTitle(const QString &title)
{
    return title.normalized(QString::NormalizationForm_C);
}

} // namespace

WikiClient::WikiClient(const QUrl &api, QObject *parent)
    : QObject(parent)
    , m_api(api)
{
    m_retryTimer.setSingleShot(true);
    m_transport.setSilenceLimit(m_limits.silence);
}

WikiClient::~WikiClient()
{
    m_pending = {};
}

void WikiClient::setLimits(const Limits &limits)
{
    m_limits = limits;
    m_transport.setSilenceLimit(limits.silence);
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

QString WikiClient::storedText(const QString &editorText)
{
    QString text = textForWiki(editorText);
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    return textForEditor(text);
}

bool WikiClient::isBlank(const QString &editorText)
{
    return editorText.trimmed().isEmpty();
}

void WikiClient::call(const Params &params, Handler handler, bool save, int attempt)
{
    Params all = params;
    all << qMakePair(QStringLiteral("format"), QStringLiteral("json"))
        << qMakePair(QStringLiteral("formatversion"), QStringLiteral("2"))
        << qMakePair(QStringLiteral("maxlag"), QString::number(m_maxLag));
    m_pending = std::move(handler);
    m_transport.post(m_api, formEncode(all), save ? m_limits.saveDeadline : m_limits.deadline,
                     [this, params, save, attempt](const WikiResponse &r) { answered(r, params, save, attempt); });
}

void WikiClient::answered(const WikiResponse &response, const Params &params, bool save, int attempt)
{
    QJsonObject answer;
    WikiError e = response.error.ok() ? WikiAnswers::envelope(response.status, response.body, &answer) : response.error;
    if ((e.kind == WikiError::Lagged || e.kind == WikiError::RateLimited) && attempt < m_retries) {
        m_retryTimer.disconnect(this);
        connect(&m_retryTimer, &QTimer::timeout, this,
                [this, params, save, attempt] { call(params, std::exchange(m_pending, {}), save, attempt + 1); });
        m_retryTimer.start(WikiAnswers::retryWait(response.retryAfter, m_maxWait));
        return;
    }
    // The edit went out; whether the wiki took it, nothing believable says.
    e.maybeSaved = save && (e.unreachable() || e.kind == WikiError::Cancelled);
    if (Handler handler = std::exchange(m_pending, {}))
        handler(e, answer);
}

void WikiClient::cancel()
{
    if (m_transport.busy()) {
        m_transport.cancel();
    } else if (m_retryTimer.isActive()) {
        m_retryTimer.stop();
        if (Handler handler = std::exchange(m_pending, {}))
            handler(error(WikiError::Cancelled), QJsonObject());
    }
}

void WikiClient::fetchSiteInfo(std::function<void(const WikiError &, const WikiSiteInfo &)> done)
{
    call({{QStringLiteral("action"), QStringLiteral("query")}, {QStringLiteral("meta"), QStringLiteral("siteinfo")}},
         [done](const WikiError &e, const QJsonObject &answer) {
             WikiSiteInfo info;
             done(e.ok() ? WikiAnswers::siteInfo(answer, &info) : e, info);
         });
}

void WikiClient::fetchToken(const QString &type, std::function<void(const WikiError &, const QString &)> done)
{
    call({{QStringLiteral("action"), QStringLiteral("query")},
          {QStringLiteral("meta"), QStringLiteral("tokens")},
          {QStringLiteral("type"), type}},
         [type, done](const WikiError &e, const QJsonObject &answer) {
             QString token;
             done(e.ok() ? WikiAnswers::token(answer, type, &token) : e, token);
         });
}

void WikiClient::login(const QString &name, const QString &password, std::function<void(const WikiError &)> done)
{
    // The wiki refuses a second login within a bot password's session.
    m_transport.newSession();
    fetchToken(QStringLiteral("login"), [this, name, password, done](const WikiError &e, const QString &token) {
        if (!e.ok())
            return done(e);
        call({{QStringLiteral("action"), QStringLiteral("login")},
              {QStringLiteral("lgname"), name},
              {QStringLiteral("lgpassword"), password},
              {QStringLiteral("lgtoken"), token}},
             [done](const WikiError &e2, const QJsonObject &answer) {
                 done(e2.ok() ? WikiAnswers::login(answer) : e2);
             });
    });
}

void WikiClient::readPage(const QString &title,
                          std::function<void(const WikiError &, const WikiPage &, const QString &)> done)
{
    const QString asked = wikiTitle(title);
    call({{QStringLiteral("action"), QStringLiteral("query")},
          {QStringLiteral("prop"), QStringLiteral("revisions")},
          {QStringLiteral("titles"), asked},
          {QStringLiteral("rvprop"), QStringLiteral("ids|timestamp|content")},
          {QStringLiteral("rvslots"), QStringLiteral("main")},
          {QStringLiteral("curtimestamp"), QStringLiteral("1")}},
         [asked, done](const WikiError &e, const QJsonObject &answer) {
             WikiPage page{asked};
             QString text;
             if (!e.ok())
                 return done(error(e.kind, asked, e.detail), page, text);
             const WikiError read = WikiAnswers::read(answer, asked, &page, &text);
             done(read, page, text);
         });
}

void WikiClient::readRevision(const QString &title, qint64 revision,
                              std::function<void(const WikiError &, const WikiPage &, const QString &)> done)
{
    call({{QStringLiteral("action"), QStringLiteral("query")},
          {QStringLiteral("prop"), QStringLiteral("revisions")},
          {QStringLiteral("revids"), QString::number(revision)},
          {QStringLiteral("rvprop"), QStringLiteral("ids|timestamp|content")},
          {QStringLiteral("rvslots"), QStringLiteral("main")},
          {QStringLiteral("curtimestamp"), QStringLiteral("1")}},
         [title, revision, done](const WikiError &e, const QJsonObject &answer) {
             WikiPage page{title};
             QString text;
             const WikiError read = e.ok() ? WikiAnswers::revision(answer, title, revision, &page, &text)
                                           : error(e.kind, title, e.detail);
             done(read, page, text);
         });
}

void WikiClient::savePage(const WikiEdit &edit, std::function<void(const WikiError &, const WikiPage &)> done)
{
    if (!edit.allowBlank && isBlank(edit.text))
        return done(error(WikiError::Blank, edit.base.title), edit.base);
    // The wiki merges a change made meanwhile into ours when it can, and a new page
    // into one made meanwhile; we want to be stopped instead, so the current revision
    // is compared first. Its answer also gives the title as the wiki writes it.
    const QString asked = wikiTitle(edit.base.title);
    call({{QStringLiteral("action"), QStringLiteral("query")},
          {QStringLiteral("prop"), QStringLiteral("revisions")},
          {QStringLiteral("titles"), asked},
          {QStringLiteral("rvprop"), QStringLiteral("ids")}},
         [this, edit, asked, done](const WikiError &e, const QJsonObject &answer) {
             WikiPage current;
             WikiError checked = e.ok() ? WikiAnswers::currentRevision(answer, asked, &current) : e;
             checked.title = current.title.isEmpty() ? asked : current.title;
             if (checked.ok() && edit.base.revision > 0 && current.revision == 0) {
                 checked.kind = WikiError::PageDeleted;
             } else if (checked.ok() && current.revision != edit.base.revision
                        && (edit.base.revision > 0 || edit.create)) {
                 checked.kind = WikiError::EditConflict;
                 checked.revision = current.revision;
             }
             if (!checked.ok())
                 return done(checked, edit.base);
             WikiPage base = edit.base;
             base.title = current.title;
             postEdit(edit, base, done);
         });
}

void WikiClient::postEdit(const WikiEdit &edit, const WikiPage &base,
                          std::function<void(const WikiError &, const WikiPage &)> done)
{
    fetchToken(QStringLiteral("csrf"), [this, edit, base, done](const WikiError &e, const QString &token) {
        if (!e.ok())
            return done(error(e.kind, base.title, e.detail), edit.base);
        const QString text = textForWiki(edit.text);
        Params params{{QStringLiteral("action"), QStringLiteral("edit")},
                      {QStringLiteral("title"), base.title},
                      {QStringLiteral("text"), text},
                      {QStringLiteral("summary"), edit.summary},
                      {QStringLiteral("md5"),
                       QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex())},
                      {QStringLiteral("assert"), QStringLiteral("user")},
                      {QStringLiteral("token"), token}};
        if (base.revision > 0) {
            params << qMakePair(QStringLiteral("baserevid"), QString::number(base.revision))
                   << qMakePair(QStringLiteral("nocreate"), QStringLiteral("1"));
            if (!base.revisionTimestamp.isEmpty())
                params << qMakePair(QStringLiteral("basetimestamp"), base.revisionTimestamp);
        } else if (edit.create) {
            params << qMakePair(QStringLiteral("createonly"), QStringLiteral("1"));
        }
        if (!base.startTimestamp.isEmpty())
            params << qMakePair(QStringLiteral("starttimestamp"), base.startTimestamp);
        call(
            params,
            [edit, base, done](const WikiError &e2, const QJsonObject &answer) {
                WikiPage saved = edit.base;
                WikiError result = e2.ok() ? WikiAnswers::edit(answer, base, &saved) : e2;
                result.title = base.title;
                result.maybeSaved = result.maybeSaved || (e2.ok() && result.unreachable());
                // Gone since it was read: the page existed when the edit began.
                if (result.kind == WikiError::PageMissing)
                    result.kind = WikiError::PageDeleted;
                done(result, result.ok() ? saved : edit.base);
            },
            true);
    });
}
