#include "dialogs/find/logic/FindSearch.h"

#include "entry/EntryText.h"
#include "hebrew/Hebrew.h"
#include "regex/RegEx.h"

#include <QStringList>

namespace {

// Built on first use: the letters live in another unit, and statics of different
// units are not initialised in a known order. The two fillers list the final letters
// in different orders; both are kept as they are.
const QString &firstFiller()
{
    static const QString f = QLatin1Char('[') + Hebrew::Letters + QStringLiteral("םףךץן") + Hebrew::Points
        + QStringLiteral("]{0,10}");
    return f;
}

const QString &filler()
{
    static const QString f = QLatin1Char('[') + Hebrew::Letters + QStringLiteral("םךףץן") + Hebrew::Points
        + QStringLiteral("]{0,10}");
    return f;
}

// The characters of a text, a surrogate pair kept whole so that its UTF-8 stays valid.
QStringList characters(const QString &text)
{
    QStringList list;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            list << text.mid(i, 2);
            ++i;
        } else {
            list << QString(text.at(i));
        }
    }
    return list;
}

QString quoted(const QString &c)
{
    return QStringLiteral("\\Q") + c + QStringLiteral("\\E");
}

QString finalForm(const QString &c)
{
    static const QString base = QStringLiteral("נמכפצ");
    static const QString finals = QStringLiteral("ןםךףץ");
    const qsizetype i = c.size() == 1 ? base.indexOf(c.at(0)) : -1;
    return i < 0 ? QString() : QString(finals.at(i));
}

QString rootLetters(const QString &stripped)
{
    QString r;
    r.reserve(stripped.size());
    for (QChar c : stripped) {
        if (c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('"'))
            continue;
        r += Hebrew::finalToBase(c);
    }
    return EntryText::trim(r);
}

bool hasFailed(const RegEx &regEx)
{
    return regEx.status() != RegEx::Status::Ok;
}

} // namespace

namespace FindMessages {
const QString EmptyText = QStringLiteral("לא נמצא!\u200F");
const QString NotFound = QStringLiteral("לא נמצא.\u200F");
} // namespace FindMessages

namespace FindSearch {

QString buildPattern(const QString &query, FindMode mode)
{
    if (mode == FindMode::Regex)
        return query;
    const QString stripped = Hebrew::stripVowelPoints(query);
    QString pattern;
    if (mode == FindMode::Plain) {
        for (const QString &c : characters(stripped))
            pattern += quoted(c) + Hebrew::pointClass() + QLatin1Char('*');
        return pattern;
    }
    const QStringList root = characters(rootLetters(stripped));
    pattern = firstFiller();
    for (qsizetype i = 0; i < root.size(); ++i) {
        const QString &c = root.at(i);
        pattern += i + 1 < root.size() ? quoted(c) : QLatin1Char('[') + quoted(c + finalForm(c)) + QLatin1Char(']');
        pattern += filler();
    }
    return pattern;
}

QString failureMessage(const RegEx &regEx)
{
    switch (regEx.status()) {
    case RegEx::Status::Ok:
        return {};
    case RegEx::Status::NoPattern:
        return QStringLiteral("אין ביטוי לחיפוש.\u200F");
    case RegEx::Status::CompileError:
        return QStringLiteral("הביטוי הרגולרי אינו תקין (בתו %1): %2")
            .arg(regEx.errorOffset() + 1)
            .arg(regEx.errorMessage());
    case RegEx::Status::MatchLimit:
        return QStringLiteral("החיפוש הופסק: הביטוי הרגולרי דורש יותר מדי צעדים. נסו ביטוי פשוט יותר.\u200F");
    case RegEx::Status::MatchError:
        break;
    }
    return QStringLiteral("החיפוש נכשל: %1").arg(regEx.errorMessage());
}

FindResult findFirst(RegEx &regEx, const EditorState &state, const QString &query, FindMode mode,
                     QString &lastFindQuery)
{
    FindResult result;
    result.state = state;
    if (state.text.isEmpty()) {
        // A pattern that cannot compile says so on any text. It is tried on an object
        // of its own: the shared one keeps what the repeats need.
        RegEx probe;
        if (!probe.setPattern(buildPattern(query, mode))) {
            result.outcome = FindResult::Outcome::BadPattern;
            result.message = failureMessage(probe);
            return result;
        }
        result.outcome = FindResult::Outcome::EmptyText;
        result.message = FindMessages::EmptyText;
        return result;
    }
    lastFindQuery = query;
    regEx.setSubject(state.text);
    const bool compiled = regEx.setPattern(buildPattern(query, mode));
    const bool matched = compiled && regEx.first();
    if (!compiled || hasFailed(regEx)) {
        result.outcome = FindResult::Outcome::BadPattern;
        result.message = failureMessage(regEx);
        return result;
    }
    // An empty match has no text to select and counts as none.
    const QString text = matched ? regEx.matchedText() : QString();
    const int at = text.isEmpty() ? -1 : RegEx::locate(state.text, text);
    if (at < 0) {
        result.outcome = FindResult::Outcome::NotFound;
        result.message = FindMessages::NotFound;
        return result;
    }
    result.outcome = FindResult::Outcome::Found;
    result.state.selStart = at;
    result.state.selLength = int(text.size());
    return result;
}

RepeatResult findNext(RegEx &regEx, const EditorState &state, const QString &lastFindQuery)
{
    RepeatResult result;
    result.state = state;
    if (state.selLength <= 0 || lastFindQuery.isEmpty()) {
        result.outcome = RepeatResult::Outcome::ShowDialog;
        return result;
    }
    // A pattern that never compiled has nothing to repeat; that stays silent.
    if (regEx.status() == RegEx::Status::CompileError || regEx.status() == RegEx::Status::NoPattern)
        return result;
    if (!regEx.next()) {
        if (hasFailed(regEx)) {
            result.outcome = RepeatResult::Outcome::BadPattern;
            result.message = failureMessage(regEx);
        }
        return result;
    }
    const QString text = regEx.matchedText();
    const int at = RegEx::locate(state.text, text, state.selEnd());
    if (at < 0)
        return result;
    result.outcome = RepeatResult::Outcome::Found;
    result.state.selStart = at;
    result.state.selLength = int(text.size());
    return result;
}

} // namespace FindSearch
