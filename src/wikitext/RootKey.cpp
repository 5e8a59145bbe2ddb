#include "wikitext/RootKey.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"

namespace Roots {

std::optional<RootKey> readKey(const QString &typed)
{
    // Trimmed only once the separators are gone, so that the blanks beside them
    // never count as letters.
    QString key = typed;
    key.remove(QLatin1Char('-'));
    key.remove(QChar(Hebrew::Maqaf));
    key = EntryText::trim(key);
    for (QChar &c : key)
        c = Hebrew::finalToBase(c);
    if (key.size() < 3 || key.size() > 9)
        return std::nullopt;
    const qsizetype space = key.indexOf(QLatin1Char(' '));
    if (space < 0)
        return RootKey{key, QString()};
    // Nor is a second blank the distinguishing character; the key ends in a letter.
    qsizetype mark = space + 1;
    while (key.at(mark).unicode() <= 0x20)
        ++mark;
    return RootKey{key.left(space + 1), key.mid(mark, 1)};
}

QString joinLetters(QString letters, QChar joiner)
{
    // Stand-ins keep each dotted letter in one place while the joiners go in.
    const QString shin = QStringLiteral("ש") + QChar(Hebrew::ShinDot);
    const QString sin = QStringLiteral("ש") + QChar(Hebrew::SinDot);
    const QString heWithMappiq = QStringLiteral("ה") + QChar(Hebrew::Dagesh);
    letters.replace(shin, QStringLiteral("!"));
    letters.replace(sin, QStringLiteral("#"));
    letters.replace(heWithMappiq, QStringLiteral("^"));
    for (qsizetype position = 2; position <= letters.size(); position += 2)
        letters.insert(position - 1, joiner);
    letters.replace(QLatin1Char('!'), shin);
    letters.replace(QLatin1Char('#'), sin);
    letters.replace(QLatin1Char('^'), heWithMappiq);
    return letters;
}

} // namespace Roots
