#include "wikitext/Unify.h"

#include "entry/EntryText.h"
#include "entry/HeadingMatches.h"
#include "regex/RegEx.h"

#include <QList>
#include <QSet>

#include <algorithm>

namespace Unify {

namespace {

const QString kBlank = QStringLiteral("\r\n\r\n");
const QString kSection = QStringLiteral("===משפטים לדוגמה===");

// One change of the starting text: `length` characters at `at` give way to `insert`.
struct Edit
{
    qsizetype at = 0;
    qsizetype length = 0;
    QString insert;
};

// The definition lines a sentence names: every "(n)" with n written plainly in
// decimal and 1 <= n <= lines, each once, in increasing order.
QList<int> markersIn(QStringView line, int lines)
{
    QList<int> found;
    for (qsizetype open = line.indexOf(u'('); open >= 0; open = line.indexOf(u'(', open + 1)) {
        qsizetype close = open + 1;
        while (close < line.size() && line.at(close).unicode() >= u'0' && line.at(close).unicode() <= u'9')
            ++close;
        if (close == open + 1 || close >= line.size() || line.at(close) != u')' || line.at(open + 1) == u'0')
            continue;
        if (close - open - 1 > 9)
            continue;
        const int n = line.sliced(open + 1, close - open - 1).toInt();
        if (n >= 1 && n <= lines)
            found.append(n);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

// The edits for one entry whose heading starts at `heading` and which runs up to
// `entryEnd` (the start of the next heading's line, or the end of the text).
void unifyEntry(const QString &text, qsizetype heading, qsizetype entryEnd, bool lastEntry, QList<Edit> &edits)
{
    // Every search stays inside the entry, so a page of many entries is read once.
    const QStringView t = QStringView(text).first(entryEnd);
    const qsizetype headingBreak = t.indexOf(EntryText::LineBreak, heading);
    if (headingBreak < 0)
        return;
    // The definition block: from the line break before the first "#" line up to the
    // first blank line, which must lie inside the entry.
    const qsizetype dStart = t.indexOf(u"\r\n#", headingBreak);
    if (dStart < 0)
        return;
    const qsizetype dEnd = t.indexOf(kBlank, dStart);
    if (dEnd < 0)
        return;

    // The sentence section after it, and its bullet lines before the section's first
    // blank line.
    const qsizetype section = t.indexOf(kSection, dEnd);
    if (section < 0)
        return;
    const qsizetype sectionBreak = t.indexOf(EntryText::LineBreak, section);
    if (sectionBreak < 0)
        return;
    const qsizetype bodyEnd = lastEntry ? t.size() : entryEnd - 2;
    qsizetype sEnd = t.indexOf(kBlank, sectionBreak);
    if (sEnd < 0 || sEnd > bodyEnd)
        sEnd = bodyEnd;
    const qsizetype sStart = t.first(sEnd).indexOf(u"\r\n*", sectionBreak);
    if (sStart < 0)
        return;

    QList<QString> sentences;
    for (QStringView line : t.sliced(sStart + 2, sEnd - sStart - 2).split(EntryText::LineBreak)) {
        if (line.trimmed().isEmpty())
            continue; // the page's last line break, or spaces only
        sentences.append(line.startsWith(u'*') ? QStringLiteral("#:") + line.toString() : line.toString());
    }

    // The numbered lines of the block and where each ends.
    QList<qsizetype> lineEnds;
    for (qsizetype at = t.indexOf(EntryText::LineBreak, dStart + 2); at >= 0 && at < dEnd;
         at = t.indexOf(EntryText::LineBreak, at + 2))
        lineEnds.append(at);
    lineEnds.append(dEnd);
    const int lines = int(lineEnds.size());

    QList<QString> under(lines);
    if (lines == 1) {
        for (const QString &s : sentences)
            under[0] += EntryText::LineBreak + s;
    } else {
        for (const QString &s : sentences) {
            const QList<int> marks = markersIn(s, lines);
            if (marks.isEmpty())
                under[0] += EntryText::LineBreak + s; // kept, under the first definition
            for (int j : marks) {
                QString copy = s;
                copy.remove(QStringLiteral(" (%1)").arg(j));
                under[j - 1] += EntryText::LineBreak + copy;
            }
        }
    }
    for (int j = 0; j < lines; ++j) {
        if (!under.at(j).isEmpty())
            edits.append({lineEnds.at(j), 0, under.at(j)});
    }

    // The section goes, heading, blank line and all, when it is only the heading and
    // the bullets; otherwise only the bullet lines go and the rest stays.
    const bool onlyBullets = sectionBreak == section + kSection.size() && sStart == sectionBreak
        && (section == 0 || t.mid(section - 2, 2) == EntryText::LineBreak);
    if (!onlyBullets)
        edits.append({sStart, sEnd - sStart, {}});
    else if (t.mid(sEnd, 4) == kBlank)
        edits.append({section, sEnd + 4 - section, {}});
    else if (sEnd < t.size())
        edits.append({section, sEnd + 2 - section, {}});
    else if (section >= 2 && t.mid(section - 4, 4) == kBlank)
        edits.append({section - 2, sEnd - section + 2, {}}); // the page ends with the entry
    else
        edits.append({section, sEnd - section, {}});
}

} // namespace

EditorState unify(RegEx &regex, const EditorState &state)
{
    const QString &t = state.text;
    const QList<HeadingMatch> headings = HeadingMatches::find(regex, HeadingMatches::headwordPattern(), t);
    if (regex.failed())
        return state;
    QList<Edit> edits;
    for (qsizetype e = 0; e < headings.size(); ++e) {
        const bool last = e + 1 == headings.size();
        qsizetype entryEnd = t.size();
        if (!last) {
            const qsizetype next = headings.at(e + 1).foundAt;
            entryEnd = t.lastIndexOf(EntryText::LineBreak, next) + 2;
        }
        unifyEntry(t, headings.at(e).foundAt, entryEnd, last, edits);
    }
    if (edits.isEmpty())
        return state;

    QString result;
    result.reserve(t.size() + t.size() / 8);
    qsizetype copied = 0;
    for (const Edit &edit : edits) {
        result.append(QStringView(t).sliced(copied, edit.at - copied));
        result.append(edit.insert);
        copied = edit.at + edit.length;
    }
    result.append(QStringView(t).sliced(copied));
    return EditorState{result, 0, 0};
}

} // namespace Unify
