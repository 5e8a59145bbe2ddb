#include "dialogs/quotes/logic/QuotesSearch.h"

#include "wikitext/WebAddresses.h"

namespace QuotesSearch {

QString address(const QString &query)
{
    return QStringLiteral("https://www.google.com/search?hl=en&q=") + WebAddresses::percentEncodeHebrew(query)
        + QStringLiteral("+site%3Abenyehuda.org");
}

} // namespace QuotesSearch
