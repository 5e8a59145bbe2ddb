#include "dialogs/footnotes/logic/Footnotes.h"

#include "entry/EntryStructure.h"
#include "entry/EntryText.h"
#include "regex/RegEx.h"
#include "wikitext/Cleanup.h"
#include "wikitext/WikiSyntax.h"

namespace Footnotes {

const QString SectionHeading = QStringLiteral("===הערות שוליים===");
const QString InvalidNameMessage = QStringLiteral(
    "שם ההערה או טקסט ההערה אינם תקינים. שם ההערה צריך להיות ייחודי והוא אינו יכול לכלול את רוב סימני "
    "הפיסוק.\u200F");
const QString NoDefinitionLineMessage = QStringLiteral("אין בטקסט שורת הגדרה, ולכן אין בו מקום להערת שוליים.\u200F");

namespace {

const QString kBlankLine = QStringLiteral("\r\n\r\n");
const QString kReferenceStart = QStringLiteral("{{הפניה|");
// Angle brackets too: a name "<ref>" would open a tag the page never closes.
const QString kForbidden = QStringLiteral("|{}[]'\"~!@#$%^&*?+=<>");

const QString &referencePattern()
{
    static const QString p = QStringLiteral("\\Q{{הפניה|\\E[^{}]+\\Q|\\E[^{}]+\\Q}}\\E");
    return p;
}

// Every character that could mean something to the engine is escaped, so a name
// holding "\E" or any other sequence is matched as it is written.
QString literal(const QString &text)
{
    QString quoted;
    quoted.reserve(text.size() * 2);
    for (QChar c : text) {
        if (c.unicode() < 0x80 && !c.isLetterOrNumber())
            quoted += u'\\';
        quoted += c;
    }
    return quoted;
}

QString noteLine(const QString &name, QString note)
{
    // Any line break would end the note line early, not only CR LF.
    note.replace(EntryText::LineBreak, QStringLiteral("<br/>"));
    for (QChar breakChar : {QChar(u'\r'), QChar(u'\n'), QChar(0x2028), QChar(0x2029)})
        note.replace(breakChar, QStringLiteral("<br/>"));
    return QStringLiteral("# {{הערה|") + name + QStringLiteral("}} ") + note;
}

bool isBreakOrControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0x2028 || c.unicode() == 0x2029;
}

bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

// The footnotes part of a section: the heading line and the note lines, each with its
// line break. Without a blank line after it, it holds the lines that begin with "#".
QString footnotesPart(const QString &section, qsizetype heading)
{
    // Blank lines between the heading and the first note line do not end it, nor does
    // one inside a hidden note.
    qsizetype notesFrom = section.indexOf(EntryText::LineBreak, heading);
    qsizetype firstNote = notesFrom;
    while (firstNote >= 0 && QStringView(section).sliced(firstNote + 2).startsWith(EntryText::LineBreak))
        firstNote += 2;
    if (firstNote > notesFrom && QStringView(section).sliced(firstNote + 2).startsWith(u'#'))
        notesFrom = firstNote;
    const qsizetype blank = notesFrom < 0 ? -1 : EntryText::indexOutsideNotes(section, kBlankLine, notesFrom, 2);
    if (blank >= 0)
        return section.mid(heading, blank - heading + 2);
    qsizetype end = section.indexOf(EntryText::LineBreak, heading);
    while (end >= 0 && section.mid(end + 2, 1) == QStringLiteral("#")) {
        const qsizetype next = section.indexOf(EntryText::LineBreak, end + 2);
        if (next < 0) {
            end = section.size();
            break;
        }
        end = next;
    }
    if (end < 0)
        end = section.size();
    return section.mid(heading, end - heading + (end < section.size() ? 2 : 0));
}

// Where a note line with `earlier` note lines before it goes in `part`: before the
// next note line, or after the last one; -1 when `part` has fewer. Only lines that
// open with "#" are notes: a template or tag line among them ("{{הערות שוליים}}",
// "<references/>") is not, nor is a hidden note over several lines, so that nothing
// lands inside it.
qsizetype notePlace(const QString &part, int earlier)
{
    bool inComment = false;
    int notes = 0;
    qsizetype afterLast = -1;
    // A hidden note that the last note line opens ends on a later line: the place is
    // behind that line.
    bool pending = false;
    for (qsizetype at = 0;;) {
        const qsizetype lineBreak = part.indexOf(EntryText::LineBreak, at);
        if (lineBreak < 0)
            break;
        const QStringView line = QStringView(part).sliced(at, lineBreak - at);
        const bool open = EntryText::endsInComment(line, inComment);
        const bool note = at > 0 && !inComment && EntryText::trim(line).startsWith(u'#');
        if (note && notes++ == earlier)
            return at;
        inComment = open && part.indexOf(QStringLiteral("-->"), lineBreak) >= 0;
        pending = pending || at == 0 || note;
        if (pending && !inComment) {
            afterLast = lineBreak + 2;
            pending = false;
        }
        at = lineBreak + 2;
    }
    if (notes < earlier || afterLast < 0)
        return -1;
    // Blank lines under the heading are no note lines: a first note goes below them.
    if (notes == 0) {
        while (QStringView(part).sliced(afterLast).startsWith(EntryText::LineBreak))
            afterLast += 2;
    }
    return afterLast;
}

qsizetype trailingSpaceStart(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() < 33)
        --end;
    return end;
}

} // namespace

EntryRange entryRange(RegEx &regex, const QString &text, int caret)
{
    // Headings where they stand: an earlier entry whose heading reads the same is not
    // the one under the caret.
    using EntryStructure::HeadingPlace;
    const EntryHeading here = EntryStructure::findEntryHeading(regex, text, caret, HeadingPlace::Found);
    EntryRange range{qMax(here.headingStart - 1, 0), here.headingEnd - 1};
    if (regex.failed())
        return range;
    if (range.start > 0 && caret >= range.start) {
        const EntryHeading first = EntryStructure::findEntryHeading(regex, text, 0, HeadingPlace::Found);
        if (first.headingStart != here.headingStart)
            return range;
    }
    range.start = 0;
    return range;
}

QString renumberReferences(RegEx &regex, const QString &section)
{
    if (!regex.setPattern(referencePattern()))
        return section;
    regex.setSubject(section);
    Utf16Cursor position(regex.subjectUtf8());
    QString result;
    qsizetype copied = 0;
    int number = 0;
    // Each reference is renumbered where it stands: two equal references must not
    // both take the number meant for the first.
    for (bool found = regex.first(); found; found = regex.next()) {
        const qsizetype start = position.at(regex.matchByteStart());
        const qsizetype end = position.at(regex.matchByteEnd());
        if (result.isEmpty())
            result.reserve(section.size() + 64);
        const qsizetype oldNumberEnd = section.indexOf(u'|', start + kReferenceStart.size());
        result += QStringView(section).sliced(copied, start - copied);
        result += QStringView(section).sliced(start, kReferenceStart.size());
        result += QString::number(++number);
        result += QStringView(section).sliced(oldNumberEnd, end - oldNumberEnd);
        copied = end;
    }
    if (regex.failed() || number == 0)
        return section;
    result += QStringView(section).sliced(copied);
    return result;
}

// A reference written inside another reference, a link's target or a template's name
// would break it, so it goes after it; in a caption or a template's parameter it is
// at home. One look back over the caret's line finds what the caret is in.
int pastEnclosing(const QString &text, int caret)
{
    // Between the two braces of a pair: past a close, or into what an opening opens.
    qsizetype at = caret - 1;
    if (caret > 0 && caret < text.size() && text.at(caret - 1) == text.at(caret)
        && (caret < 2 || text.at(caret - 2) != text.at(caret))) {
        if (text.at(caret) == u'}' || text.at(caret) == u']')
            return caret + 1;
        if (text.at(caret) == u'{' || text.at(caret) == u'[')
            at = caret;
    }
    bool parameter = false;
    for (; at > 0 && !QStringView(u"{}[]\n").contains(text.at(at)); --at)
        parameter = parameter || text.at(at) == u'|';
    if (at < 1 || (text.at(at) != u'{' && text.at(at) != u'[') || text.at(at - 1) != text.at(at))
        return caret;
    if (text.at(at) == u'[') {
        const qsizetype close = parameter ? -1 : text.indexOf(QStringLiteral("]]"), caret);
        return close < 0 ? caret : int(close) + 2;
    }
    if (parameter) {
        // Within a reference's own fields ("{{הפניה|1|א}}"), and only there.
        const QStringView opened = QStringView(text).sliced(at - 1);
        const qsizetype close = opened.indexOf(u"}}");
        if (!opened.startsWith(kReferenceStart) || close < 0 || at - 1 + close + 2 <= caret)
            return caret;
        const QStringView fields = opened.first(close).sliced(kReferenceStart.size());
        if (fields.contains(u'{') || fields.contains(u'}') || !fields.contains(u'|'))
            return caret;
        return int(at - 1 + close) + 2;
    }
    int depth = 1;
    for (qsizetype i = at + 1; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'{' && text.at(i + 1) == u'{') {
            ++depth;
            ++i;
        } else if (text.at(i) == u'}' && text.at(i + 1) == u'}') {
            ++i;
            if (--depth == 0)
                return int(i) + 1;
        }
    }
    return caret;
}

// A reference on a heading line would unmake the heading, so it goes at the end of
// the text above, past the blank lines.
int outsideHeadingLine(const QString &text, int caret)
{
    const qsizetype lineStart = caret == 0 ? 0 : text.lastIndexOf(u'\n', caret - 1) + 1;
    qsizetype lineEnd = text.indexOf(u'\n', caret);
    if (lineEnd < 0)
        lineEnd = text.size();
    if (lineEnd > lineStart && text.at(lineEnd - 1) == u'\r')
        --lineEnd;
    if (WikiSyntax::headingLine(QStringView(text).sliced(lineStart, lineEnd - lineStart)).level == 0)
        return caret;
    qsizetype above = lineStart;
    while (above > 0 && text.at(above - 1).isSpace())
        --above;
    return above > 0 ? int(above) : caret;
}

int countReferencesBefore(RegEx &regex, const QString &text, int start, int caret)
{
    if (caret <= start || !regex.setPattern(referencePattern()))
        return 0;
    regex.setSubject(text.mid(start, caret - start));
    int count = 0;
    for (bool found = regex.first(); found; found = regex.next())
        ++count;
    return count;
}

QString insertFootnoteLine(const QString &section, const QString &name, const QString &note, int earlier)
{
    const QString line = noteLine(name, note);
    // A section hidden in a note is none.
    const qsizetype heading = EntryText::sectionHeadingAt(section, SectionHeading, 0);
    if (heading < 0) {
        qsizetype at = section.size();
        for (const QString &before : {EntryStructure::RootTemplateStart, EntryStructure::CategoryLinkStart}) {
            // One hidden in a note is passed over.
            const qsizetype found = EntryText::indexOutsideNotes(section, before, 0);
            if (found >= 0 && found < at)
                at = found;
        }
        return QString(section).insert(at, kBlankLine + SectionHeading + EntryText::LineBreak + line + kBlankLine);
    }

    const QString part = footnotesPart(section, heading);
    QString placed = part;
    // A part that runs to the end of the section gets the line break its last line lacks.
    if (!placed.endsWith(EntryText::LineBreak))
        placed += EntryText::LineBreak;
    if (const qsizetype at = notePlace(placed, earlier); at >= 0) {
        placed.insert(at, line + EntryText::LineBreak);
    } else {
        placed = placed.left(trailingSpaceStart(placed)) + EntryText::LineBreak + line + kBlankLine;
    }
    return QString(section).replace(heading, part.size(), placed);
}

bool isValidName(const QString &name)
{
    if (name.isEmpty() || hasLoneSurrogate(name))
        return false;
    for (QChar c : name) {
        if (kForbidden.contains(c) || isBreakOrControl(c))
            return false;
    }
    return true;
}

bool isNameTaken(RegEx &regex, const QString &text, const QString &name)
{
    if (!regex.setPattern(QStringLiteral("\\Q{{הפניה|\\E[^{}]+\\|") + literal(name) + QStringLiteral("\\}\\}")))
        return false;
    regex.setSubject(text);
    return regex.first();
}

AddResult addFootnote(RegEx &regex, const QString &text, int caret, const QString &name, const QString &note)
{
    const AddResult refused{AddResult::Outcome::Refused, {}, InvalidNameMessage};
    const AddResult gaveUp{AddResult::Outcome::EngineGaveUp, {}, EngineGaveUpMessage};
    if (!isValidName(name) || EntryText::trim(note).isEmpty())
        return refused;
    const bool taken = isNameTaken(regex, text, name);
    if (regex.failed())
        return gaveUp;
    if (taken)
        return refused;

    // The caret was recorded earlier; the text may have become shorter since.
    caret = qBound(0, caret, int(text.size()));
    if (caret > 0 && caret < text.size()
        && ((text.at(caret - 1) == u'\r' && text.at(caret) == u'\n')
            || (text.at(caret - 1).isHighSurrogate() && text.at(caret).isLowSurrogate())))
        --caret;
    // Nor between a letter and its points, which would then sit on the reference.
    while (caret > 0 && caret < text.size() && text.at(caret).isMark() && text.at(caret - 1) != u'\n')
        ++caret;
    caret = outsideHeadingLine(text, pastEnclosing(text, caret));

    const EntryRange before = entryRange(regex, text, caret);
    if (regex.failed())
        return gaveUp;
    const int earlier = countReferencesBefore(regex, text, before.start, caret);
    if (regex.failed())
        return gaveUp;
    const QString reference = kReferenceStart + QStringLiteral("0|") + name + QStringLiteral("}}");
    const QString withReference = QString(text).insert(caret, reference);
    // Off a heading line the reference moves no heading, so the entry only grows by
    // it; reading the whole page for its headings again would double the time.
    EntryRange range{before.start, before.end + int(reference.size())};
    if (caret >= before.end && before.end < text.size()) {
        range = entryRange(regex, withReference, caret + int(reference.size()));
        if (regex.failed())
            return gaveUp;
    }
    const QString section = withReference.mid(range.start, range.end - range.start);
    const QString renumbered = renumberReferences(regex, section);
    if (regex.failed())
        return gaveUp;
    const QString placed = insertFootnoteLine(renumbered, name, note, earlier);
    const QString whole = withReference.left(range.start) + placed + withReference.mid(range.end);
    const EditorState tidied = Cleanup::fixSpaces(regex, {whole, 0, 0});
    if (regex.failed())
        return gaveUp;

    const QString written = kReferenceStart + QString::number(earlier + 1) + u'|' + name + QStringLiteral("}}");
    const qsizetype at = tidied.text.indexOf(written);
    return {AddResult::Outcome::Added, {tidied.text, at < 0 ? range.start : int(at) + 2, 0}, {}};
}

EditorState fixReferences(RegEx &regex, const EditorState &state)
{
    const EntryRange range = entryRange(regex, state.text, state.selStart);
    if (regex.failed())
        return state;
    const QString section = state.text.mid(range.start, range.end - range.start);
    const QString renumbered = renumberReferences(regex, section);
    if (regex.failed() || renumbered == section)
        return state;
    return {state.text.left(range.start) + renumbered + state.text.mid(range.end), 0, 0};
}

} // namespace Footnotes
