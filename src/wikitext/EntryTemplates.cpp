#include "wikitext/EntryTemplates.h"

#include "entry/HeadingMatches.h"
#include "regex/RegEx.h"

#include <QStringList>

#include <optional>

namespace Templates {

namespace {

// From the image line to the category: shared by both skeletons.
const QString SkeletonBody = QStringLiteral(
    "[[תמונה:PictureFileName.jpg|שמאל|ממוזער|184px|כיתוב תמונה]]\r\n"
    "# כאן יש לכתוב את ההגדרה המילונית לערך.\r\n"
    "#:* משפט מדגים.\r\n"
    "\r\n"
    "===מקור===\r\n"
    "# כאן יש לכתוב אטימולוגיה.\r\n"
    "\r\n"
    "===מובאות נוספות===\r\n"
    "* כאן תבוא מובאה.\r\n"
    "\r\n"
    "===צירופים===\r\n"
    "* [[צירוף מילים]]\r\n"
    "\r\n"
    "===מילים נרדפות===\r\n"
    "* [[מילה נרדפת]]\r\n"
    "\r\n"
    "===ניגודים===\r\n"
    "* [[ניגוד]]\r\n"
    "\r\n"
    "===תרגום===\r\n"
    "{{תרגומים|\r\n"
    "* אנגלית: {{ת|אנגלית|word}}\r\n"
    "* גרמנית: {{ת|גרמנית|Wort}}\r\n"
    "* ספרדית: {{ת|ספרדית|palabra}}\r\n"
    "|\r\n"
    "* ערבית: {{ת|ערבית|מילה ערבית}}\r\n"
    "* צרפתית: {{ת|צרפתית|mot}}\r\n"
    "* רוסית: {{ת|רוסית|מילה רוסית}}\r\n"
    "}}\r\n"
    "\r\n"
    "===ראו גם===\r\n"
    "* הוסיפו לכאן קישורים למונחים קרובים בוויקימילון.\r\n"
    "\r\n"
    "===קישורים חיצוניים===\r\n"
    "{{מיזמים|ויקיפדיה=ערך בוויקיפדיה|ויקישיתוף=ערך בוויקישיתוף}}\r\n"
    "\r\n"
    "{{שורש|פעל}}\r\n"
    "\r\n"
    "[[קטגוריה:נושא]]");

const QString BlankLine = QStringLiteral("\r\n\r\n");

} // namespace

const QString Article = QStringLiteral(
                            "==שֵׁם עֵרֶךְ מְנֻקָּד==\r\n"
                            "{{ניתוח דקדוקי|\r\n"
                            "|כתיב מלא=\r\n"
                            "|הגייה=\r\n"
                            "|חלק דיבר=\r\n"
                            "|מין=\r\n"
                            "|שורש=\r\n"
                            "|דרך תצורה=\r\n"
                            "|נטיות=\r\n"
                            "}}\r\n")
    + SkeletonBody;

const QString Verb = QStringLiteral(
                         "==פֹּעַל מְנֻקָּד==\r\n"
                         "{{ניתוח דקדוקי לפועל|\r\n"
                         "|כתיב מלא=\r\n"
                         "|שורש וגזרה=\r\n"
                         "|בניין=\r\n"
                         "}}\r\n")
    + SkeletonBody;

const QString AnotherMeaningNote = QStringLiteral(
    "{{פירוש נוסף|\r\nנוכחי=שם הערך הנוכחי, הסבר קצר על הפירוש|\r\nאחר=שם הערך האחר, הסבר קצר על הפירוש "
    "האחר|\r\nראו=[[קישור לערך האחר]]}}\r\n\r\n");

const QString ArabPlaceholder = QStringLiteral("מילה ערבית");
const QString RussianPlaceholder = QStringLiteral("מילה רוסית");
const QString ArabSampleWord = QStringLiteral("كلمة");
const QString RussianSampleWord = QStringLiteral("слово");

QString withSampleWords(const QString &skeleton, const QString &arabWord, const QString &russianWord)
{
    QString text = skeleton;
    text.replace(ArabPlaceholder, arabWord);
    text.replace(RussianPlaceholder, russianWord);
    return text;
}

EditorState newArticle(const QString &arabWord, const QString &russianWord)
{
    return {withSampleWords(Article, arabWord, russianWord), 2, 0};
}

EditorState newVerb(const QString &arabWord, const QString &russianWord)
{
    return {withSampleWords(Verb, arabWord, russianWord), 2, 0};
}

EditorState newRoot()
{
    return {};
}

namespace {

EditorState append(const EditorState &state, const QString &skeleton)
{
    const int n = int(state.text.size());
    return {state.text + BlankLine + skeleton, n + 6, 0};
}

} // namespace

EditorState addArticle(const EditorState &state)
{
    return append(state, Article);
}

EditorState addVerb(const EditorState &state)
{
    return append(state, Verb);
}

EditorState anotherMeaning(const EditorState &state)
{
    return {AnotherMeaningNote + state.text, 21, 0};
}

namespace {

std::optional<QString> tableOfContents(RegEx &regex, const QString &text)
{
    regex.setPattern(HeadingMatches::headwordPattern());
    regex.setSubject(text);
    QStringList headings;
    for (bool found = regex.first(); found; found = regex.next()) {
        QString heading = regex.matchedText();
        heading.remove(QStringLiteral("{{משני|"));
        heading.remove(QStringLiteral("}}"));
        headings << heading;
    }
    // A list that lacks the headings after the place where the engine gave up would
    // pass for a whole one.
    if (headings.isEmpty() || regex.failed())
        return std::nullopt;

    QString contents = QStringLiteral("{{תוכן|") + headings.join(QLatin1Char('|')) + QStringLiteral("}}");
    contents.remove(QLatin1Char('='));

    QString body = text;
    const qsizetype a = body.indexOf(QStringLiteral("{{תוכן|"));
    if (a >= 0) {
        // An earlier template that never closes is left alone rather than cut to the end.
        const qsizetype b = body.indexOf(QStringLiteral("}}"), a);
        if (b >= 0)
            body.remove(body.mid(a, b + 2 - a) + BlankLine);
    }
    return contents + BlankLine + body;
}

} // namespace

QString buildTableOfContents(RegEx &regex, const QString &text)
{
    return tableOfContents(regex, text).value_or(text);
}

EditorState buildTableOfContents(RegEx &regex, const EditorState &state)
{
    const std::optional<QString> text = tableOfContents(regex, state.text);
    if (!text)
        return state;
    return {*text, 0, 0};
}

} // namespace Templates
