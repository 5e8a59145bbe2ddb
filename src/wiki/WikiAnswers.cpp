#include "wiki/WikiAnswers.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

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

WikiError failure(WikiError::Kind kind, const QString &detail = QString(), const QString &title = QString())
{
    WikiError e;
    e.kind = kind;
    e.detail = detail;
    e.title = title;
    return e;
}

WikiError bad(const char *what)
{
    return failure(WikiError::BadAnswer, QString::fromLatin1(what));
}

// A revision id is a JSON number, whole and positive; anything else is no id.
qint64 positiveId(const QJsonValue &value)
{
    return value.isDouble() ? std::max<qint64>(0, value.toInteger(0)) : 0;
}

// The one page of a query by title, after the wiki's normalisation of the title.
WikiError queriedPage(const QJsonObject &answer, const QString &title, QJsonObject *page)
{
    const QJsonObject query = answer[QLatin1String("query")].toObject();
    QString expected = title;
    for (const QJsonValue &n : query[QLatin1String("normalized")].toArray()) {
        if (n[QLatin1String("from")].toString() == title)
            expected = n[QLatin1String("to")].toString();
    }
    const QJsonArray pages = query[QLatin1String("pages")].toArray();
    if (pages.size() != 1 || !pages.first().isObject())
        return bad("no single page");
    *page = pages.first().toObject();
    const QString answered = (*page)[QLatin1String("title")].toString();
    if (answered.isEmpty() || answered != expected)
        return bad("another title");
    if ((*page)[QLatin1String("invalid")].toBool() || (*page)[QLatin1String("special")].toBool())
        return failure(WikiError::BadTitle, (*page)[QLatin1String("invalidreason")].toString(), title);
    return WikiError();
}

} // namespace

namespace WikiAnswers {

WikiError envelope(int status, const QByteArray &body, QJsonObject *answer)
{
    const QJsonDocument json = QJsonDocument::fromJson(body);
    *answer = json.object();
    const QJsonObject apiError = (*answer)[QLatin1String("error")].toObject();
    const bool failed = status < 200 || status > 299;
    if (!apiError.isEmpty()) {
        const QString code = apiError[QLatin1String("code")].toString();
        WikiError e = failure(kindOfCode(code),
                              code + QStringLiteral(": ") + apiError[QLatin1String("info")].toString());
        // An error the API does not name is the server's, when the status says so.
        if (failed && e.kind == WikiError::Refused)
            e = failure(WikiError::ServerError, QStringLiteral("HTTP %1").arg(status));
        return e;
    }
    if (failed)
        return failure(WikiError::ServerError, QStringLiteral("HTTP %1").arg(status));
    if (!json.isObject())
        return failure(WikiError::NotMediaWiki, QStringLiteral("HTTP %1").arg(status));
    return WikiError();
}

int retryWait(const QByteArray &retryAfter, int maxWait)
{
    bool ok = false;
    const qint64 seconds = retryAfter.trimmed().toLongLong(&ok);
    // Seconds past the cap are compared as seconds, before anything is multiplied.
    if (!ok || seconds < 0 || seconds > maxWait / 1000)
        return maxWait;
    return int(seconds * 1000);
}

WikiError siteInfo(const QJsonObject &answer, WikiSiteInfo *info)
{
    const QJsonObject general = answer[QLatin1String("query")][QLatin1String("general")].toObject();
    *info = WikiSiteInfo{general[QLatin1String("sitename")].toString(), general[QLatin1String("generator")].toString()};
    if (!info->generator.startsWith(QLatin1String("MediaWiki")))
        return failure(WikiError::NotMediaWiki);
    return WikiError();
}

WikiError token(const QJsonObject &answer, const QString &type, QString *token)
{
    *token = answer[QLatin1String("query")][QLatin1String("tokens")][type + QStringLiteral("token")].toString();
    if (token->isEmpty())
        return bad("no token");
    // The token of a session nobody is logged into.
    if (type == QLatin1String("csrf") && *token == QLatin1String("+\\"))
        return failure(WikiError::LoggedOut);
    return WikiError();
}

WikiError login(const QJsonObject &answer)
{
    const QJsonObject login = answer[QLatin1String("login")].toObject();
    const QString result = login[QLatin1String("result")].toString();
    if (result == QLatin1String("Success"))
        return WikiError();
    if (result.isEmpty())
        return bad("no login result");
    return failure(WikiError::WrongPassword, result + QStringLiteral(": ") + login[QLatin1String("reason")].toString());
}

WikiError read(const QJsonObject &answer, const QString &title, WikiPage *page, QString *text)
{
    *page = WikiPage{title};
    text->clear();
    QJsonObject p;
    if (WikiError e = queriedPage(answer, title, &p); !e.ok())
        return e;
    page->title = p[QLatin1String("title")].toString();
    page->startTimestamp = answer[QLatin1String("curtimestamp")].toString();
    if (p[QLatin1String("missing")].toBool())
        return failure(WikiError::PageMissing, QString(), page->title);
    const QJsonObject revision = p[QLatin1String("revisions")][0].toObject();
    const qint64 id = positiveId(revision[QLatin1String("revid")]);
    if (id == 0)
        return bad("no revision");
    const QJsonValue content = revision[QLatin1String("slots")][QLatin1String("main")][QLatin1String("content")];
    if (!content.isString())
        return bad("no content");
    page->revision = id;
    page->revisionTimestamp = revision[QLatin1String("timestamp")].toString();
    *text = content.toString();
    return WikiError();
}

WikiError revision(const QJsonObject &answer, const QString &title, qint64 revision, WikiPage *page, QString *text)
{
    *page = WikiPage{title};
    text->clear();
    const QJsonObject query = answer[QLatin1String("query")].toObject();
    if (query[QLatin1String("badrevids")].toObject().contains(QString::number(revision)))
        return failure(WikiError::PageDeleted, QString(), title);
    QJsonObject p;
    if (WikiError e = queriedPage(answer, title, &p); !e.ok())
        return e;
    const QJsonArray revisions = p[QLatin1String("revisions")].toArray();
    if (revisions.size() != 1 || positiveId(revisions.first()[QLatin1String("revid")]) != revision)
        return bad("another revision");
    const QJsonValue content = revisions
                                   .first()[QLatin1String("slots")][QLatin1String("main")][QLatin1String("content")];
    if (!content.isString())
        return bad("no content");
    *page = WikiPage{p[QLatin1String("title")].toString(), revision,
                     revisions.first()[QLatin1String("timestamp")].toString(),
                     answer[QLatin1String("curtimestamp")].toString()};
    *text = content.toString();
    return WikiError();
}

WikiError currentRevision(const QJsonObject &answer, const QString &title, WikiPage *current)
{
    *current = WikiPage{title};
    QJsonObject p;
    if (WikiError e = queriedPage(answer, title, &p); !e.ok())
        return e;
    current->title = p[QLatin1String("title")].toString();
    if (p[QLatin1String("missing")].toBool())
        return WikiError();
    current->revision = positiveId(p[QLatin1String("revisions")][0][QLatin1String("revid")]);
    return current->revision > 0 ? WikiError() : bad("no revision");
}

WikiError edit(const QJsonObject &answer, const WikiPage &base, WikiPage *saved)
{
    *saved = base;
    const QJsonObject result = answer[QLatin1String("edit")].toObject();
    const QString outcome = result[QLatin1String("result")].toString();
    if (outcome.isEmpty())
        return bad("no edit result");
    if (outcome != QLatin1String("Success"))
        return failure(WikiError::Refused, QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Compact)),
                       base.title);
    if (result[QLatin1String("title")].toString() != base.title)
        return bad("another title");
    const QJsonValue nochange = result[QLatin1String("nochange")];
    if (!nochange.isUndefined() && nochange != QJsonValue(false))
        return failure(WikiError::NoChange, QString(), base.title);
    const qint64 id = positiveId(result[QLatin1String("newrevid")]);
    // Revision ids only grow: a new one at or below the base is not a new revision.
    if (id == 0 || id <= base.revision)
        return bad("no new revision");
    const QString time = result[QLatin1String("newtimestamp")].toString();
    *saved = WikiPage{base.title, id, time, time};
    return WikiError();
}

} // namespace WikiAnswers
