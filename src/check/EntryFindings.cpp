#include "check/EntryFindings.h"

#include "check/SectionNames.h"
#include "dialogs/footnotes/logic/Footnotes.h"
#include "regex/RegEx.h"

#include <QSet>

#include <algorithm>

namespace EntryCheck {

namespace {

const QString kReferenceStart = QStringLiteral("{{הפניה|");

QString quoted(const QString &name)
{
    return u'"' + name + u'"';
}

} // namespace

void Entry::openTemplate(int at)
{
    if (!templates.isEmpty())
        templates.last().nested = true;
    templates.append(Template{at});
}

void Entry::pipe(int at, int openLink)
{
    if (templates.isEmpty() || openLink > templates.last().at)
        return;
    Template &t = templates.last();
    if (t.pipeCount < int(t.pipes.size()))
        t.pipes[t.pipeCount] = at;
    ++t.pipeCount;
    t.lastPipe = at;
}

void Entry::addSection(int level, int at, int length, const QString &name)
{
    sections.append(Section{level, at, length, name});
}

void Entry::markContent()
{
    if (!sections.isEmpty())
        sections.last().content = true;
}

void Entry::markDefinition()
{
    // Numbered lines under a section (notes, a numbered source) are no definitions.
    if (sections.isEmpty())
        hasDefinition = true;
}

EntryFindings::EntryFindings(RegEx &regex, const QString &text)
    : m_regex(regex)
    , m_text(text)
{
}

void EntryFindings::startEntry(int at, int lineEnd, const QString &name)
{
    if (m_entry.headingAt >= 0) {
        endEntry(at);
        m_entry = Entry{};
        m_entry.start = at;
    } else {
        // Sections above the first heading end at it; all else goes on into its entry.
        checkSections();
        m_entry.sections.clear();
        m_entry.hasDefinition = false;
    }
    m_entry.headingAt = at;
    m_entry.headingLength = lineEnd - at;
    m_entry.headingName = name;
}

void EntryFindings::closeTemplate(int at)
{
    if (m_entry.templates.isEmpty()) {
        report(Code::TemplateUnopened, at, 2, QStringLiteral("\"}}\" בלי \"{{\" לפניו"));
        return;
    }
    readTemplate(m_entry.templates.takeLast(), at);
}

// The templates the checker reads the parameters of: a translation, and the two
// halves of a footnote, as the footnotes commands read them.
void EntryFindings::readTemplate(const Entry::Template &t, int close)
{
    const int nameEnd = t.pipeCount > 0 ? t.pipes[0] : close;
    if (nameEnd - t.at > 16)
        return;
    const QStringView name = view(t.at + 2, nameEnd).trimmed();
    const auto parameter = [&](int n) {
        if (n > t.pipeCount)
            return QStringView();
        return view(t.pipes[n - 1] + 1, n < t.pipeCount ? t.pipes[n] : close).trimmed();
    };
    const int length = close + 2 - t.at;
    if (name == u"ת") {
        const QStringView language = parameter(1);
        if (language.isEmpty())
            report(Code::TranslationEmpty, t.at, length, QStringLiteral("בתבנית התרגום חסרה השפה"));
        else if (parameter(2).isEmpty())
            report(Code::TranslationEmpty, t.at, length,
                   QStringLiteral("בתרגום ל%1 חסרה המילה").arg(shortName(language)));
    } else if (name == u"הפניה" && t.pipeCount >= 2 && !t.nested) {
        const QStringView noteName = view(t.lastPipe + 1, close).trimmed();
        const bool numbered = view(t.pipes[0] + 1, t.pipes[1]) == QString::number(m_entry.references.size() + 1);
        if (!noteName.isEmpty())
            m_entry.references.append({t.at, length, noteName.toString(), numbered});
    } else if (name == u"הערה" && t.pipeCount >= 1) {
        if (const QStringView noteName = parameter(1); !noteName.isEmpty())
            m_entry.notes.append({t.at, length, noteName.toString()});
    }
}

void EntryFindings::endEntry(int end)
{
    for (const Entry::Template &t : std::as_const(m_entry.templates)) {
        int e = t.at + 2;
        while (e < end && e - t.at < 42 && !QStringView(u"|{}[]<\r\n").contains(m_text[e]))
            ++e;
        const QString name = shortName(view(t.at + 2, e));
        report(Code::TemplateUnclosed, t.at, 2,
               name.isEmpty() ? QStringLiteral("\"{{\" בלי \"}}\" אחריו")
                              : QStringLiteral("התבנית %1 לא נסגרה").arg(quoted(name)));
    }
    for (std::size_t tag = 0; tag < m_entry.tags.size(); ++tag) {
        for (const Entry::OpenTag &open : std::as_const(m_entry.tags[tag]))
            report(Code::TagUnclosed, open.at, open.length,
                   QStringLiteral("התג <%1> לא נסגר בערך").arg(TrackedTags[tag].toString()));
    }
    pairFootnotes();
    checkReferenceNumbers(end);
    checkSections();
    if (m_entry.headingAt >= 0 && !m_entry.hasDefinition)
        report(Code::DefinitionMissing, m_entry.headingAt, m_entry.headingLength,
               QStringLiteral("בערך %1 אין שורת הגדרה").arg(quoted(shortName(m_entry.headingName))));
}

void EntryFindings::pairFootnotes()
{
    QSet<QString> noted, referred, told;
    for (const Entry::Named &n : std::as_const(m_entry.notes))
        noted.insert(n.name);
    for (const Entry::Named &r : std::as_const(m_entry.references)) {
        referred.insert(r.name);
        if (!noted.contains(r.name) && !told.contains(r.name)) {
            told.insert(r.name);
            report(Code::ReferenceWithoutNote, r.at, r.length,
                   QStringLiteral("להפניה %1 אין הערה בערך").arg(quoted(shortName(r.name))));
        }
    }
    told.clear();
    for (const Entry::Named &n : std::as_const(m_entry.notes)) {
        if (!referred.contains(n.name) && !told.contains(n.name)) {
            told.insert(n.name);
            report(Code::NoteWithoutReference, n.at, n.length,
                   QStringLiteral("להערה %1 אין הפניה בערך").arg(quoted(shortName(n.name))));
        }
    }
}

// Out of number exactly when the renumbering command would change the entry, so
// that running it mends what is reported; the first reference it changes is shown.
// The command's pattern runs only where the references read in the pass leave a
// doubt: when they are not all numbered in order, or are not all there are.
void EntryFindings::checkReferenceNumbers(int end)
{
    const QStringView whole = view(m_entry.start, end);
    const QList<Entry::Named> &references = m_entry.references;
    if (std::all_of(references.cbegin(), references.cend(), [](const Entry::Named &r) { return r.numbered; })
        && whole.count(kReferenceStart) == references.size())
        return;
    const QString entry = whole.toString();
    const QString renumbered = Footnotes::renumberReferences(m_regex, entry);
    if (m_regex.failed()) {
        m_gaveUp = true;
        return;
    }
    const auto differ = std::mismatch(entry.cbegin(), entry.cend(), renumbered.cbegin(), renumbered.cend());
    if (differ.first == entry.cend() && differ.second == renumbered.cend())
        return;
    const qsizetype at = entry.lastIndexOf(kReferenceStart, differ.first - entry.cbegin());
    if (at < 0)
        return;
    const qsizetype numberAt = at + kReferenceStart.size();
    const qsizetype close = entry.indexOf(QStringLiteral("}}"), numberAt);
    const qsizetype nameAt = entry.lastIndexOf(u'|', close) + 1;
    const QString was = entry.mid(numberAt, entry.indexOf(u'|', numberAt) - numberAt);
    const QString should = renumbered.mid(numberAt, renumbered.indexOf(u'|', numberAt) - numberAt);
    report(Code::ReferenceOrder, m_entry.start + int(at), int(close + 2 - at),
           QStringLiteral("ההפניה %1 ממוספרת %2 במקום %3")
               .arg(quoted(shortName(QStringView(entry).sliced(nameAt, close - nameAt))), shortName(was), should));
}

void EntryFindings::checkSections()
{
    const QList<Entry::Section> &sections = m_entry.sections;
    QSet<QString> seen;
    QList<qsizetype> ranked;
    QList<int> ranks;
    for (qsizetype k = 0; k < sections.size(); ++k) {
        const Entry::Section &s = sections.at(k);
        const QString shown = quoted(shortName(s.name));
        if (!s.content && (k + 1 == sections.size() || sections.at(k + 1).level <= s.level))
            report(Code::SectionEmpty, s.at, s.length, QStringLiteral("הסעיף %1 ריק").arg(shown));
        const QString key = SectionNames::normalized(s.name);
        if (s.level != 3 || key.isEmpty()
            || std::any_of(key.cbegin(), key.cend(), [](QChar c) { return QStringView(u"{}[]<|").contains(c); }))
            continue;
        if (seen.contains(key)) {
            report(Code::SectionDuplicate, s.at, s.length, QStringLiteral("הסעיף %1 מופיע בערך פעמיים").arg(shown));
            continue;
        }
        seen.insert(key);
        if (!SectionNames::isKnown(key)) {
            const QString near = SectionNames::nearest(key);
            report(Code::SectionUnknown, s.at, s.length,
                   near.isEmpty() ? QStringLiteral("הסעיף %1 אינו מוכר").arg(shown)
                                  : QStringLiteral("הסעיף %1 אינו מוכר, אולי %2").arg(shown, quoted(near)),
                   near);
        } else if (const int rank = SectionNames::guideRank(key); rank >= 0) {
            ranked.append(k);
            ranks.append(rank);
        }
    }
    checkSectionOrder(ranked, ranks);
}

// The sections that keep their places are the longest run in the guide's order,
// the earliest of equals; each other one is reported with a neighbour it should
// come before or after.
void EntryFindings::checkSectionOrder(const QList<qsizetype> &ranked, const QList<int> &ranks)
{
    const qsizetype n = ranks.size();
    QList<int> longest(n, 1);
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            if (ranks.at(j) >= ranks.at(i))
                longest[i] = std::max(longest.at(i), longest.at(j) + 1);
        }
    }
    int need = n > 0 ? *std::max_element(longest.cbegin(), longest.cend()) : 0;
    QList<bool> kept(n, false);
    int last = -1;
    for (qsizetype i = 0; i < n && need > 0; ++i) {
        if (longest.at(i) == need && ranks.at(i) >= last) {
            kept[i] = true;
            last = ranks.at(i);
            --need;
        }
    }
    const QList<Entry::Section> &sections = m_entry.sections;
    for (qsizetype i = 0; i < n; ++i) {
        if (kept.at(i))
            continue;
        const Entry::Section &s = sections.at(ranked.at(i));
        QString message;
        for (qsizetype j = 0; j < i && message.isEmpty(); ++j) {
            if (kept.at(j) && ranks.at(j) > ranks.at(i))
                message = QStringLiteral("הסעיף %1 צריך לבוא לפני %2 ולא אחריו")
                              .arg(quoted(s.name), quoted(sections.at(ranked.at(j)).name));
        }
        for (qsizetype j = n - 1; j > i && message.isEmpty(); --j) {
            if (kept.at(j) && ranks.at(j) < ranks.at(i))
                message = QStringLiteral("הסעיף %1 צריך לבוא אחרי %2 ולא לפניו")
                              .arg(quoted(s.name), quoted(sections.at(ranked.at(j)).name));
        }
        report(Code::SectionOrder, s.at, s.length, message);
    }
}

void EntryFindings::report(Code code, int at, int length, const QString &message, const QString &suggestion)
{
    m_problems.append(Problem{code, at, length, 0, 0, message, suggestion});
}

Result EntryFindings::result(const QList<int> &lineStarts)
{
    std::stable_sort(m_problems.begin(), m_problems.end(), [](const Problem &a, const Problem &b) {
        return a.position != b.position ? a.position < b.position : a.code < b.code;
    });
    for (Problem &p : m_problems) {
        const auto after = std::upper_bound(lineStarts.cbegin(), lineStarts.cend(), p.position);
        p.line = int(after - lineStarts.cbegin());
        p.column = p.position - (p.line > 0 ? lineStarts.at(p.line - 1) : 0) + 1;
    }
    return {std::move(m_problems), m_gaveUp};
}

QString EntryFindings::shortName(QStringView text)
{
    constexpr qsizetype Longest = 30;
    const QStringView t = text.trimmed();
    return t.size() <= Longest ? t.toString() : t.first(Longest).toString() + u'…';
}

QString EntryFindings::linkUnclosed(const QString &target)
{
    return target.isEmpty() ? QStringLiteral("\"[[\" בלי \"]]\" אחריו")
                            : QStringLiteral("הקישור %1 לא נסגר").arg(quoted(target));
}

QString EntryFindings::linkUnopened()
{
    return QStringLiteral("\"]]\" בלי \"[[\" לפניו");
}

QString EntryFindings::commentUnclosed()
{
    return QStringLiteral("ההערה הנסתרת \"<!--\" לא נסגרה");
}

} // namespace EntryCheck
