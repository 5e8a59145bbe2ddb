#include "cli/CliCommand.h"

#include "dialogs/lookups/logic/LookupAddresses.h"
#include "dialogs/quotes/logic/QuotesSearch.h"

namespace {

using namespace Lookups;

struct Service
{
    QString name; // the radio button's or check box's name in its window
    std::function<QString(const QString &query)> address;
};

const QList<Service> &services()
{
    static const QList<Service> list{
        {QStringLiteral("Wiktionary"), [](const QString &q) { return dictionaryAddress(Dictionary::Wiktionary, q); }},
        {QStringLiteral("Logos"), [](const QString &q) { return dictionaryAddress(Dictionary::Logos, q); }},
        {QStringLiteral("Ayalon"), [](const QString &q) { return dictionaryAddress(Dictionary::Ayalon, q); }},
        {QStringLiteral("Morfix"), [](const QString &q) { return dictionaryAddress(Dictionary::Morfix, q); }},
        {QStringLiteral("EO"), [](const QString &q) { return etymologyAddress(EtymologySource::EO, q); }},
        {QStringLiteral("OED"), [](const QString &q) { return etymologyAddress(EtymologySource::OED, q); }},
        {QStringLiteral("AHD"), [](const QString &q) { return etymologyAddress(EtymologySource::AHD, q); }},
        {QStringLiteral("PnF"), [](const QString &q) { return etymologyAddress(EtymologySource::PnF, q); }},
        {QStringLiteral("MW"), [](const QString &q) { return etymologyAddress(EtymologySource::MW, q); }},
        {QStringLiteral("Sources"), [](const QString &q) { return sourcesSearchAddress(q, AllCollections); }},
        {QStringLiteral("Quotes"), [](const QString &q) { return q.isEmpty() ? QString() : QuotesSearch::address(q); }},
    };
    return list;
}

QString serviceNames()
{
    QStringList names;
    for (const Service &s : services())
        names << s.name;
    return names.join(QStringLiteral(", "));
}

int lookupAddress(CliContext &ctx)
{
    const QString &name = ctx.args.at(0);
    for (const Service &s : services()) {
        if (s.name != name)
            continue;
        const QString address = s.address(ctx.args.at(1));
        // The window's search button is disabled while its query is empty.
        if (address.isEmpty())
            return ctx.refuse(QStringLiteral("אין מה לחפש: תיבת החיפוש ריקה"));
        ctx.print(address);
        return 0;
    }
    return ctx.usage(QStringLiteral("unknown service %1 (one of %2)").arg(name, serviceNames()));
}

const CliRegistration lookupAddressCommand({
    .name = QStringLiteral("lookup-address"),
    .synopsis = QStringLiteral("SERVICE QUERY"),
    .summary = QStringLiteral("print the address a lookup window opens for QUERY"),
    .details = QStringLiteral("SERVICE is a radio button's or check box's name (Sources: the sources search with "
                              "all collections): ")
        + serviceNames(),
    .kind = CliCommand::Kind::Standalone,
    .argCount = 2,
    .run = lookupAddress,
});

} // namespace
