#include "spell/SpellChecker.h"

SpellChecker::SpellChecker(std::shared_ptr<SpellDictionary> dictionary)
    : m_dictionary(std::move(dictionary))
{
}

void SpellChecker::setDictionary(std::shared_ptr<SpellDictionary> dictionary)
{
    m_dictionary = std::move(dictionary);
    m_known.clear();
}

void SpellChecker::setPersonalWords(const QStringList &words)
{
    m_personal = QSet<QString>(words.begin(), words.end());
    m_known.clear();
}

void SpellChecker::addPersonalWord(const QString &word)
{
    m_personal.insert(SpellWords::plainForm(word));
    m_known.clear();
}

bool SpellChecker::isCorrect(QStringView word)
{
    if (!m_dictionary)
        return true;
    const QString key = word.toString();
    const auto known = m_known.constFind(key);
    if (known != m_known.constEnd())
        return known.value();
    bool correct = false;
    const QStringList forms = SpellWords::spellings(word);
    if (SpellWords::needsNoCheck(forms.first()))
        correct = true;
    for (qsizetype i = 0; i < forms.size() && !correct; ++i)
        correct = m_personal.contains(forms[i]) || m_dictionary->spell(forms[i]);
    m_known.insert(key, correct);
    return correct;
}

QStringList SpellChecker::suggestions(QStringView word)
{
    if (!m_dictionary)
        return {};
    QStringList out;
    for (const QString &s : m_dictionary->suggest(SpellWords::plainForm(word)))
        out.append(SpellWords::withPointsOf(word, s));
    return out;
}

QList<SpellWords::Word> SpellChecker::misspelt(QStringView line, const QList<WikiSyntax::Span> &spans)
{
    QList<SpellWords::Word> out;
    if (!m_dictionary)
        return out;
    for (const SpellWords::Word &w : SpellWords::findWords(line, spans)) {
        if (!isCorrect(line.mid(w.start, w.length)))
            out.append(w);
    }
    return out;
}

QList<SpellChecker::Misspelling> SpellChecker::check(const QString &text)
{
    QList<Misspelling> out;
    QList<WikiSyntax::Span> spans;
    int state = WikiSyntax::StartState;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(u'\n', from);
        qsizetype end = at < 0 ? text.size() : at;
        // A CR before the LF ends the line; a lone CR is no line break in the editor's text.
        if (at > from && text[at - 1] == u'\r')
            --end;
        const QStringView line = QStringView(text).mid(from, end - from);
        state = WikiSyntax::scanLine(line, state, &spans);
        for (const SpellWords::Word &w : misspelt(line, spans))
            out.append({int(from + w.start), w.length, line.mid(w.start, w.length).toString()});
        if (at < 0)
            break;
        from = at + 1;
    }
    return out;
}
