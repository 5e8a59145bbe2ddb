#include "compare/TextLines.h"

int TextLines::Ids::idOf(QStringView line, bool hasBreak)
{
    const int id = int(m_ids.size());
    const auto it = m_ids.constFind(line);
    return 2 * (it == m_ids.constEnd() ? *m_ids.insert(line, id) : *it) + (hasBreak ? 1 : 0);
}

TextLines::TextLines(const QString &text, Ids &ids)
    : m_text(text)
{
    const qsizetype size = text.size();
    const QChar *data = text.constData();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != u'\n' && data[end] != u'\r')
            ++end;
        qsizetype next = end;
        if (next < size)
            next += (data[next] == u'\r' && next + 1 < size && data[next + 1] == u'\n') ? 2 : 1;
        m_starts.push_back(start);
        m_ids.push_back(ids.idOf(QStringView(data + start, end - start), next > end));
        start = next;
    }
    m_starts.push_back(size);
}

QStringView TextLines::content(qsizetype i) const
{
    qsizetype end = start(i + 1);
    if (hasBreak(i))
        end -= (end - start(i) >= 2 && m_text.at(end - 2) == u'\r' && m_text.at(end - 1) == u'\n') ? 2 : 1;
    return QStringView(m_text).mid(start(i), end - start(i));
}

QString TextLines::text(qsizetype first, qsizetype n) const
{
    return m_text.mid(start(first), start(first + n) - start(first));
}
