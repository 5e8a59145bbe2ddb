#include "dialogs/lookups/logic/LookupAddresses.h"

#include "wikitext/WebAddresses.h"

#include <QStringList>

namespace {

// Where each service lives: its host and path before the query, and what follows it.
struct Endpoint
{
    QString prefix;
    QString suffix;
};

QString address(const Endpoint &endpoint, const QString &query)
{
    if (query.isEmpty())
        return QString();
    return endpoint.prefix + WebAddresses::escapeInAddress(query) + endpoint.suffix;
}

Endpoint endpointOf(Lookups::Dictionary dictionary)
{
    using Lookups::Dictionary;
    switch (dictionary) {
    case Dictionary::Wiktionary:
        return {QStringLiteral("https://en.wiktionary.org/wiki/"), {}};
    case Dictionary::Logos:
        return {QStringLiteral("https://www.logos.it/pls/dictionary/new_dictionary.gdic.main?word="), {}};
    case Dictionary::Morfix:
        return {QStringLiteral("https://www.morfix.co.il/default.aspx?q="), {}};
    case Dictionary::Ayalon:
        return {QStringLiteral("https://arabdictionary.huji.ac.il/cgi-bin/hebrew_results.pl?String="),
                QStringLiteral("&act=dohebSearch")};
    }
    return {};
}

Endpoint endpointOf(Lookups::EtymologySource source)
{
    using Lookups::EtymologySource;
    switch (source) {
    case EtymologySource::EO:
        return {QStringLiteral("https://www.etymonline.com/index.php?search="), QStringLiteral("&searchmode=none")};
    case EtymologySource::OED:
        return {QStringLiteral("https://www.oed.com/cgi/findword?query_type=word&queryword="), {}};
    case EtymologySource::MW:
        return {QStringLiteral("https://www.merriam-webster.com/dictionary/"), {}};
    case EtymologySource::AHD:
        return {QStringLiteral("https://www.bartleby.com/cgi-bin/texis/webinator/ahdsearch?search_type=enty&query="),
                QStringLiteral("&db=ahd")};
    case EtymologySource::PnF:
        return {QStringLiteral("https://www.bartleby.com/cgi-bin/texis/webinator/sitesearch?query="),
                QStringLiteral("&filter=col81")};
    }
    return {};
}

} // namespace

namespace Lookups {

QString dictionaryAddress(Dictionary dictionary, const QString &query)
{
    return address(endpointOf(dictionary), query);
}

bool readsRightToLeft(Dictionary dictionary)
{
    return dictionary == Dictionary::Morfix || dictionary == Dictionary::Ayalon;
}

QString etymologyAddress(EtymologySource source, const QString &query)
{
    return address(endpointOf(source), query);
}

QString bookList(Collections chosen)
{
    static const struct
    {
        Collection collection;
        const char *code;
    } codes[] = {
        {Collection::Bible, "tanah"}, {Collection::Mishna, "mishna"},        {Collection::Tosefta, "tosefta"},
        {Collection::Bavli, "bavli"}, {Collection::Yerushalmi, "jerusalem"}, {Collection::MishneTorah, "rambam"},
    };
    QStringList list;
    for (const auto &row : codes) {
        if (chosen.testFlag(row.collection))
            list << QLatin1String(row.code);
    }
    return list.join(u',');
}

QString sourcesSearchAddress(const QString &query, Collections chosen)
{
    const QString books = bookList(chosen);
    if (books.isEmpty())
        return QString();
    return address({QStringLiteral("https://kodesh.snunit.k12.il/cgi-bin/kodesh/search_adv.pl?search="),
                    QStringLiteral("&page=0&type=0&book=") + books},
                   query);
}

} // namespace Lookups
