#pragma once

#include <QList>
#include <QString>

// The guide to the sections of an entry, in the order they stand in the edit box.
namespace EntryGuide {

enum class Importance { Basic = 1, VeryDesirable = 2, Desirable = 3 };

struct Section
{
    QString name; // as the guide's list shows it
    Importance importance;
    QString guideline; // paragraphs separated by line feeds
};

const QList<Section> &sections();

// The guideline of the section listed as `name`; empty for any other text.
QString guidelineFor(const QString &name);

// What the explanation shows while no section is chosen.
inline const QString Prompt = QStringLiteral("\n\n(בחר סעיף)");

} // namespace EntryGuide
