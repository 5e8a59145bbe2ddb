#pragma once

#include <QFlags>
#include <QString>

// The addresses the dictionary, etymology and sources lookups open in the browser.
// A query goes in as typed (not trimmed); only what would cut it short or change
// its meaning in an address ("&", "#", "%" ...) is escaped. An empty query has no
// address: the windows never search for nothing.
namespace Lookups {

// The translation dictionaries, in the order the search button tests them.
enum class Dictionary { Wiktionary, Logos, Morfix, Ayalon };

// The etymology and reference sources, in the order the search button tests them.
enum class EtymologySource { EO, OED, MW, AHD, PnF };

// The collections of the classical sources corpus, in the order their codes are
// listed in the address.
enum class Collection {
    Bible = 0x01,
    Mishna = 0x02,
    Tosefta = 0x04,
    Bavli = 0x08,
    Yerushalmi = 0x10,
    MishneTorah = 0x20,
};
Q_DECLARE_FLAGS(Collections, Collection)

inline constexpr Collections AllCollections = Collections(0x3F);

// Why a search in no collection opens nothing.
inline const QString NoCollectionMessage = QStringLiteral("לא נבחר מאגר לחיפוש: יש לסמן לפחות אחד.\u200F");

QString dictionaryAddress(Dictionary dictionary, const QString &query);

// Hebrew dictionaries take their query right to left, the others left to right.
bool readsRightToLeft(Dictionary dictionary);

QString etymologyAddress(EtymologySource source, const QString &query);

// The corpus's codes of the chosen collections, comma-separated ("tanah,mishna").
QString bookList(Collections chosen);

// Nothing when no collection is chosen.
QString sourcesSearchAddress(const QString &query, Collections chosen);

} // namespace Lookups

Q_DECLARE_OPERATORS_FOR_FLAGS(Lookups::Collections)
