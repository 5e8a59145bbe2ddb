#include "dialogs/semitic/logic/SemiticLetters.h"

namespace SemiticLetters {

QList<QList<Letter>> padRows()
{
    const QString dalet = QStringLiteral("\u05D3");
    const QString tsadi = QStringLiteral("\u05E6");
    const QString shin = QStringLiteral("\u05E9\u05C1");
    const QString het = QStringLiteral("\u05D7");
    return {
        {
            {QStringLiteral("\u1E0F"), dalet},
            {QStringLiteral("\u1E0D"), tsadi},
            {QStringLiteral("\u1E6F"), shin},
            {QStringLiteral("\u1E71"), tsadi},
            {QStringLiteral("\u1E6D"), QStringLiteral("\u05D8")},
            {QStringLiteral("\u0161"), shin},
            {QStringLiteral("\u1E63"), tsadi},
            {QStringLiteral("\u015B"), QStringLiteral("\u05E9\u05C2")},
            {QStringLiteral("\u1E63\u0301"), tsadi},
            {QStringLiteral("\u1E33"), QStringLiteral("\u05E7")},
            {QStringLiteral("\u0121"), QStringLiteral("\u05E2")},
            {QStringLiteral("\u1E2B"), het},
            {QStringLiteral("\u1E25"), het},
            {QStringLiteral("\u017E"), QStringLiteral("\u05D6")},
            {QStringLiteral("\u1E93"), tsadi},
        },
        {
            {QStringLiteral("\u0101"), QStringLiteral("\u05B8")},       // qamats
            {QStringLiteral("\u0113"), QStringLiteral("\u05B6")},       // segol
            {QStringLiteral("\u012B"), QStringLiteral("\u05B4\u05D9")}, // hiriq and yod
            {QStringLiteral("\u014D"), QStringLiteral("\u05D5\u05B9")}, // vav with holam
            {QStringLiteral("\u016B"), QStringLiteral("\u05D5\u05BC")}, // shuruq
        },
    };
}

QString buildTemplate(const QString &text)
{
    return QStringLiteral("{{יוניקוד|") + text + QStringLiteral("}}");
}

std::optional<EditorState> insertion(const EditorState &state, const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    return replaceSelection(state, buildTemplate(text));
}

} // namespace SemiticLetters
