#pragma once

#include <QString>

namespace QuotesSearch {

// The web search for the query, kept to the pages of Project Ben-Yehuda.
QString address(const QString &query);

} // namespace QuotesSearch
