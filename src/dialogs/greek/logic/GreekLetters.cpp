#include "dialogs/greek/logic/GreekLetters.h"

#include "entry/EntryText.h"

#include <QHash>

namespace GreekLetters {

namespace {

const QList<QList<Letter>> &rows()
{
    static const QList<QList<Letter>> table = {
        {{u'α', "a"},
         {u'β', "b"},
         {u'γ', "g"},
         {u'δ', "d"},
         {u'ε', "e"},
         {u'ζ', "z"},
         {u'η', "e"},
         {u'θ', "th"},
         {u'ι', "i"},
         {u'κ', "k"},
         {u'λ', "l"},
         {u'μ', "m"}},
        {{u'ν', "n"},
         {u'ξ', "x"},
         {u'ο', "o"},
         {u'π', "p"},
         {u'ρ', "r"},
         {u'σ', "s"},
         {u'ς', "s"},
         {u'τ', "t"},
         {u'υ', "u"},
         {u'φ', "ph"},
         {u'χ', "ch"},
         {u'ψ', "ps"},
         {u'ω', "o"}},
        // With tonos.
        {{u'\u03AC', "a"},
         {u'\u03AD', "e"},
         {u'\u03AE', "e"},
         {u'\u03AF', "i"},
         {u'\u03CC', "o"},
         {u'\u03CD', "u"},
         {u'\u03CE', "o"}},
        // With macron, then with breve.
        {{u'\u1FB1', "a"}, {u'\u1FD1', "i"}, {u'\u1FE1', "u"}, {u'\u1FB0', "a"}, {u'\u1FD0', "i"}, {u'\u1FE0', "u"}},
        // With iota subscript.
        {{u'\u1FB3', "a"}, {u'\u1FC3', "e"}, {u'\u1FF3', "o"}},
    };
    return table;
}

const QList<Letter> &capitalTable()
{
    // A two-letter sound keeps only its first letter capital: Θ gives Th.
    static const QList<Letter> table = {
        {u'Α', "A"}, {u'Β', "B"}, {u'Γ', "G"}, {u'Δ', "D"}, {u'Ε', "E"},  {u'Ζ', "Z"},  {u'Η', "E"},  {u'Θ', "Th"},
        {u'Ι', "I"}, {u'Κ', "K"}, {u'Λ', "L"}, {u'Μ', "M"}, {u'Ν', "N"},  {u'Ξ', "X"},  {u'Ο', "O"},  {u'Π', "P"},
        {u'Ρ', "R"}, {u'Σ', "S"}, {u'Τ', "T"}, {u'Υ', "U"}, {u'Φ', "Ph"}, {u'Χ', "Ch"}, {u'Ψ', "Ps"}, {u'Ω', "O"},
    };
    return table;
}

const QHash<QChar, QString> &lookup()
{
    static const QHash<QChar, QString> table = [] {
        QHash<QChar, QString> all;
        for (const QList<Letter> &row : rows()) {
            for (const Letter &l : row)
                all.insert(l.letter, l.transliteration);
        }
        for (const Letter &l : capitalTable())
            all.insert(l.letter, l.transliteration);
        return all;
    }();
    return table;
}

} // namespace

QList<QList<Letter>> padRows()
{
    return rows();
}

QList<Letter> capitals()
{
    return capitalTable();
}

QString transliterate(const QString &greek)
{
    const QHash<QChar, QString> &table = lookup();
    QString latin;
    latin.reserve(greek.size());
    for (QChar c : greek) {
        const auto found = table.constFind(c);
        if (found != table.constEnd())
            latin += *found;
        else
            latin += c;
    }
    return latin;
}

QString buildTemplate(const QString &word)
{
    return QStringLiteral("{{יוונית|") + word + u'|' + transliterate(word) + QStringLiteral("}}");
}

QString trimWord(const QString &word)
{
    return EntryText::trim(word);
}

std::optional<EditorState> insertion(const EditorState &state, const QString &word)
{
    const QString trimmed = trimWord(word);
    if (trimmed.isEmpty())
        return std::nullopt;
    return replaceSelection(state, buildTemplate(trimmed));
}

} // namespace GreekLetters
