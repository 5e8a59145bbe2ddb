#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

// A text cut into lines, each with its line break (CR LF, LF or a lone CR); the last
// line may have none. Lines are compared by their text and by whether a break ends
// them, not by which break it is.
class TextLines
{
public:
    // Gives equal lines equal ids across every text cut with it; it reads the lines
    // where they are, so it must not outlive them.
    class Ids
    {
    public:
        int idOf(QStringView line, bool hasBreak);

    private:
        QHash<QStringView, int> m_ids;
    };

    TextLines(const QString &text, Ids &ids);

    qsizetype count() const { return qsizetype(m_ids.size()); }
    const std::vector<int> &ids() const { return m_ids; }
    // Where line `i` starts; `start(count())` is the text's end.
    qsizetype start(qsizetype i) const { return m_starts[size_t(i)]; }
    // The line without its break.
    QStringView content(qsizetype i) const;
    bool hasBreak(qsizetype i) const { return m_ids[size_t(i)] & 1; }
    // Lines [first, first + n) with their breaks.
    QString text(qsizetype first, qsizetype n) const;

private:
    QString m_text; // shares the caller's text, so the ids' views stay valid
    std::vector<qsizetype> m_starts;
    std::vector<int> m_ids;
};
