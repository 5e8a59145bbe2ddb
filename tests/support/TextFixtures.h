#pragma once

#include <QString>
#include <QStringList>

// Small pieces of entries the text tests build their cases from.
namespace TextFixtures {

// Lines joined with CR LF, as the editor holds them.
inline QString page(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

// Two pointed entry headings.
inline const QString kShalom = QStringLiteral("==שָׁלוֹם==");
inline const QString kBayit = QStringLiteral("==בַּיִת==");

} // namespace TextFixtures
