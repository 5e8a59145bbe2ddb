#include "dialogs/sentences/logic/SentenceLines.h"

#include "entry/EntryStructure.h"
#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"

namespace Sentences {

namespace {

const QChar Quote(u'"');

bool isBenYehudaAddress(const QString &text)
{
    // Their site moved to https, which the older test for "ttp://" missed.
    return (text.contains(QStringLiteral("ttp://")) || text.contains(QStringLiteral("ttps://")))
        && text.contains(QStringLiteral("benyehuda.org"));
}

} // namespace

QString buildLine(const NewSentence &s, const QString &clipboard)
{
    const QString text = EntryText::trim(s.text);
    if (text.isEmpty())
        return {};
    const QString marker = s.placement == EntryStructure::BesideDefinition ? QStringLiteral("#:* ")
                                                                           : QStringLiteral("* ");
    switch (s.kind) {
    case NewSentence::Kind::Plain:
        return marker + text;
    case NewSentence::Kind::Sources: {
        const QString source = EntryText::trim(s.source);
        if (source.isEmpty())
            return {};
        return marker + QStringLiteral("{{הדגשה|") + Quote + text + Quote + QStringLiteral("|(") + source
            + QStringLiteral(")}}");
    }
    case NewSentence::Kind::Literature: {
        const QString title = EntryText::trim(s.work);
        const QString author = EntryText::trim(s.author);
        if (title.isEmpty() || author.isEmpty())
            return {};
        const QString address = EntryText::trim(clipboard);
        const QString work = isBenYehudaAddress(clipboard) ? u'[' + address + u' ' + Quote + title + Quote + u']'
                                                           : Quote + title + Quote;
        const QString writer = s.wikipediaLink ? QStringLiteral("[[w:") + author + u'|' + author + QStringLiteral("]]")
                                               : author;
        return marker + Quote + text + Quote + QStringLiteral(" (") + work + QStringLiteral(", ") + writer + u')';
    }
    }
    return {};
}

QString pastedSentence(const QString &clipboard)
{
    // Other programs put LF or a lone CR on the clipboard as often as CR LF.
    QString text = clipboard;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n\n"), QStringLiteral(" / "));
    text.replace(u'\n', QStringLiteral(" / "));
    if (text.endsWith(QStringLiteral(" / ")))
        text.chop(3);
    return text;
}

QString authorAddress(const QString &author)
{
    QString name = Hebrew::stripVowelPoints(EntryText::trim(author));
    name.replace(Quote, QStringLiteral("%22"));
    if (name.isEmpty())
        return {};
    return QStringLiteral("https://he.wikipedia.org/wiki/") + name;
}

QString kindName(NewSentence::Kind kind)
{
    switch (kind) {
    case NewSentence::Kind::Plain:
        return QStringLiteral("רגיל");
    case NewSentence::Kind::Sources:
        return QStringLiteral("מן המקורות");
    case NewSentence::Kind::Literature:
        return QStringLiteral("מן הספרות");
    }
    return {};
}

} // namespace Sentences
