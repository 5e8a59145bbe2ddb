#pragma once

#include "check/EntryCheck.h"

#include <QList>
#include <QString>

#include <array>

// What the checker's pass gathers about the entry it is in, and the judgments made
// when the entry ends. Positions are 0-based UTF-16 indexes into the whole text.
namespace EntryCheck {

// Tags that must be closed in their entry.
inline constexpr std::array<QStringView, 6> TrackedTags{u"ref", u"small", u"sup", u"sub", u"b", u"i"};

struct Entry
{
    struct Template
    {
        int at = 0;
        std::array<int, 3> pipes{}; // the first three "|" of the template itself
        int pipeCount = 0;
        int lastPipe = -1;
        bool nested = false; // holds a template
    };
    struct OpenTag
    {
        int at = 0;
        int length = 0;
    };
    struct Named
    {
        int at = 0;
        int length = 0;
        QString name;
        bool numbered = false; // a reference whose number is its place in the entry, as written
    };
    struct Section
    {
        int level = 0;
        int at = 0;
        int length = 0; // the heading line's
        QString name;
        bool content = false;
    };

    int start = 0;
    int headingAt = -1; // -1: the text above the first heading
    int headingLength = 0;
    QString headingName;
    bool hasDefinition = false;
    int tables = 0;
    QList<Template> templates;
    std::array<QList<OpenTag>, TrackedTags.size()> tags;
    QList<Named> references;
    QList<Named> notes;
    QList<Section> sections;

    void openTemplate(int at);
    // A "|" belongs to the innermost template unless a link opened inside it holds it.
    void pipe(int at, int openLink);
    void addSection(int level, int at, int length, const QString &name);
    void markContent();
    void markDefinition();
};

class EntryFindings
{
public:
    EntryFindings(RegEx &regex, const QString &text);

    Entry &entry() { return m_entry; }
    // A second-level heading: the entry before it ends, unless it is the text above
    // the first heading, which joins the first entry.
    void startEntry(int at, int lineEnd, const QString &name);
    void closeTemplate(int at);
    void endEntry(int end);
    void report(Code code, int at, int length, const QString &message, const QString &suggestion = {});
    // The problems in text order, with their lines and columns.
    Result result(const QList<int> &lineStarts);

    static QString shortName(QStringView text);
    static QString linkUnclosed(const QString &target);
    static QString linkUnopened();
    static QString commentUnclosed();

private:
    QStringView view(int from, int to) const { return QStringView(m_text).sliced(from, to - from); }
    void readTemplate(const Entry::Template &t, int close);
    void pairFootnotes();
    void checkReferenceNumbers(int end);
    void checkSections();
    void checkSectionOrder(const QList<qsizetype> &ranked, const QList<int> &ranks);

    RegEx &m_regex;
    const QString &m_text;
    Entry m_entry;
    QList<Problem> m_problems;
    bool m_gaveUp = false;
};

} // namespace EntryCheck
