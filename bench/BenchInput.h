#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QStringList>
#include <QWidget>

// What the benchmarks feed the editor: a long page of entries, and keys as a user types them.
namespace BenchInput {

// Entries with points, templates, links, notes and a misspelling, `units` UTF-16 units
// long: 20 MB in the document format for ten million.
inline QString entries(qsizetype units)
{
    static const QStringList words = {"סֵפֶר", "מִכְתָּב", "שֻׁלְחָן", "שָׁלוֹם", "סִפּוּר"};
    QString text;
    for (int i = 0; text.size() < units; ++i) {
        const QString &w = words.at(i % words.size());
        text += QStringLiteral("==") + w
            + QStringLiteral(
                    "==\r\n{{ניתוח דקדוקי|כתיב מלא=|הגייה=|חלק דיבר=שם עצם}}\r\n"
                    "# חיבור כתוב, [[ספר|ספרים]] ו[[מכתב]] מספר ")
            + QString::number(i) + QStringLiteral(" שנשלחח בדואר.<!-- הערה -->\r\n#:* {{הדגשה|") + w
            + QStringLiteral("}} שכתב הסופר בשנה ההיא, ראו https://he.wiktionary.org/wiki/") + w
            + QStringLiteral("\r\n\r\n===תרגום===\r\n* אנגלית: {{ת|אנגלית|book}}\r\n\r\n");
    }
    return text;
}

// A key pressed and released, as the window system delivers it.
inline void key(QWidget *w, int code, const QString &typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers, typed);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, typed);
    QApplication::sendEvent(w, &release);
}

} // namespace BenchInput
