#pragma once

#include "wiki/WikiError.h"
#include "wiki/WikiPage.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

struct WikiSiteInfo
{
    QString siteName;
    QString generator; // "MediaWiki 1.39.5" and the like
};

// The reading of the Action API's answers: each a plain function from what came back
// to a result or the reason it is not to be believed. Nothing here is taken on trust;
// an answer that does not hold what it must is a BadAnswer.
namespace WikiAnswers {

// The JSON object of an answer with HTTP status `status`, or its refusal: the API's
// own error, a status of failure, or a body that is not an API answer.
WikiError envelope(int status, const QByteArray &body, QJsonObject *answer);

// How long to wait before asking a lagging or rate-limiting wiki again, in
// milliseconds: the Retry-After header's seconds, never more than `maxWait`.
int retryWait(const QByteArray &retryAfter, int maxWait);

WikiError siteInfo(const QJsonObject &answer, WikiSiteInfo *info);
// A token of `type` ("login", "csrf"); a session that is not logged in has none to edit with.
WikiError token(const QJsonObject &answer, const QString &type, QString *token);
WikiError login(const QJsonObject &answer);

// A page read with its current revision's content. The page must be the one asked
// for, after the wiki's normalisation of `title`; `page` gets its title even when
// it does not exist.
WikiError read(const QJsonObject &answer, const QString &title, WikiPage *page, QString *text);
// Revision `revision` of `title` with its content, read by its id. A revision the wiki
// no longer has (deleted since) is PageDeleted; one of another page or another id is
// not believed.
WikiError revision(const QJsonObject &answer, const QString &title, qint64 revision, WikiPage *page, QString *text);
// The current revision of `title` (0 when there is no such page), with its title as
// the wiki writes it.
WikiError currentRevision(const QJsonObject &answer, const QString &title, WikiPage *current);
// A save of `base.title` on top of `base.revision`: the new revision, or NoChange.
WikiError edit(const QJsonObject &answer, const WikiPage &base, WikiPage *saved);

} // namespace WikiAnswers
