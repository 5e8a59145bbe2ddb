#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// Pages for comparing a command with a plain reference and for benchmarks: pages of
// entries as the wiki holds them, with the untidiness the clean-up commands meet
// (trailing spaces, runs of empty lines, missing spaces, hyphens, old sentence
// sections), and pages of random pieces that go where no real page goes.
namespace SamplePages {

inline QString entry(QRandomGenerator &random, int index)
{
    static const QStringList words{"שָׁלוֹם", "סֵפֶר", "מִכְתָּב", "בַּיִת", "כָּתַב", "סִפּוּר"};
    const QString word = words.at(index % words.size());
    const QString n = QString::number(index);
    auto trailing = [&random]() -> QString {
        static const QStringList tails{"", "", "", "", " ", "  ", "\t", " \t "};
        return tails.at(random.bounded(int(tails.size())));
    };
    auto blanks = [&random]() -> QString {
        const int extra = random.bounded(10) == 0 ? random.bounded(6) : 0;
        return QStringLiteral("\r\n").repeated(2 + extra);
    };
    const int definitions = 1 + random.bounded(4);
    QString text = QStringLiteral("==") + word + QStringLiteral("==") + trailing() + QStringLiteral("\r\n");
    text += QStringLiteral("{{ניתוח דקדוקי|כתיב מלא=") + n + QStringLiteral("|חלק דיבר=שם עצם|מין=זכר}}\r\n");
    for (int d = 1; d <= definitions; ++d) {
        text += (random.bounded(3) ? QStringLiteral("# ") : QStringLiteral("#")) + QStringLiteral("הגדרה ") + n
            + QStringLiteral(".מובן-נוסף ") + QString::number(d) + trailing() + QStringLiteral("\r\n");
        if (random.bounded(3) == 0)
            text += QStringLiteral("#:* משפט קיים,ליד ההגדרה!") + trailing() + QStringLiteral("\r\n");
    }
    text += blanks();
    if (random.bounded(2)) {
        text += QStringLiteral("===משפטים לדוגמה===\r\n");
        const int sentences = 1 + random.bounded(4);
        for (int s = 0; s < sentences; ++s) {
            text += QStringLiteral("* ") + word + QStringLiteral(" במשפט ") + QString::number(s) + QStringLiteral(" (")
                + QString::number(1 + random.bounded(definitions + 1)) + QStringLiteral(")") + trailing()
                + QStringLiteral("\r\n");
        }
        text += blanks();
    }
    text += QStringLiteral("===מקור===\r\n*[http://example.org/") + n + QStringLiteral(" מקור]--ראו שם.\r\n");
    text += blanks();
    text += QStringLiteral("===תרגום===\r\n*{{ת|אנגלית|word}}") + trailing() + QStringLiteral("\r\n");
    text += blanks() + QStringLiteral("[[קטגוריה:בית-ספר]]\r\n") + blanks();
    return text;
}

// Entries one after the other up to at least `size` characters.
inline QString realPage(qsizetype size, quint32 seed = 1)
{
    QRandomGenerator random(seed);
    QString text;
    for (int i = 0; text.size() < size; ++i)
        text += entry(random, i);
    return text;
}

// Random pieces, control characters included; unless `tidy`, lone CR and LF too.
inline QString randomPage(QRandomGenerator &random, int pieces, bool tidy = false)
{
    static const QStringList kPieces{"a",
                                     "b",
                                     " ",
                                     "  ",
                                     "\t",
                                     "\r\n",
                                     "\r\n",
                                     "\r\n",
                                     "\r",
                                     "\n",
                                     QString(QChar(1)),
                                     "\x0B",
                                     "\x0C",
                                     QStringLiteral("\u00A0"),
                                     "#",
                                     ";",
                                     "*",
                                     ".",
                                     ",",
                                     "!",
                                     "?",
                                     ":",
                                     "\"",
                                     "{",
                                     "<",
                                     "-",
                                     "--",
                                     QStringLiteral("\u05BE"),
                                     QStringLiteral("א"),
                                     QStringLiteral("ב"),
                                     QStringLiteral("ן"),
                                     QStringLiteral("ם"),
                                     QStringLiteral("\u05B8"),
                                     QStringLiteral("\u05C1"),
                                     QStringLiteral("𝄞"),
                                     QStringLiteral("==שָׁלוֹם=="),
                                     QStringLiteral("# הגדרה"),
                                     QStringLiteral("* משפט (1)"),
                                     QStringLiteral("===משפטים לדוגמה===")};
    QString text;
    for (int i = 0; i < pieces; ++i) {
        if (random.bounded(40) == 0) {
            text += QStringLiteral("\r\n").repeated(random.bounded(320));
            continue;
        }
        const QString &piece = kPieces.at(random.bounded(int(kPieces.size())));
        const bool untidy = piece == u"\r" || piece == u"\n";
        if (!(tidy && untidy))
            text += piece;
    }
    return text;
}

// The page with `edits` lines changed, put in (empty ones too) or taken out at random
// places, as an editor leaves a page; the lines keep their CR LF.
inline QString edited(const QString &page, QRandomGenerator &random, int edits)
{
    QStringList lines = page.split(QStringLiteral("\r\n"));
    for (int e = 0; e < edits && !lines.isEmpty(); ++e) {
        const int at = random.bounded(int(lines.size()));
        switch (random.bounded(4)) {
        case 0:
            lines[at] += QStringLiteral(" עריכה ") + QString::number(random.bounded(1000));
            break;
        case 1:
            lines.insert(at, QStringLiteral("# שורה חדשה ") + QString::number(random.bounded(1000)));
            break;
        case 2:
            lines.insert(at, QString());
            break;
        default:
            lines.removeAt(at);
        }
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace SamplePages
