#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct pcre2_real_code_8;
struct pcre2_real_match_data_8;
struct pcre2_real_match_context_8;
struct pcre2_real_jit_stack_8;

// The one Perl-compatible regular expression object the commands share. Options are
// always caseless and UTF, never multi-line or dot-all. The object keeps subject,
// pattern and position between uses, so a repeated search goes on where the last
// user left it. Match positions are never taken from byte offsets by the commands:
// a match is located in the editor text by its decoded text (locate()).
//
// UTF-8 cannot carry half of a surrogate pair. The subject holds U+FFFF in its place,
// a noncharacter that, like the half, takes one UTF-16 code unit, so positions stay
// exact; matched and captured texts give the half back as it was.
// What a command says when the engine gave up on the text and it changed nothing.
inline const QString EngineGaveUpMessage = QStringLiteral(
    "הפעולה לא בוצעה: הטקסט ארוך או מסובך מדי לביטוי הרגולרי.\u200F");

class RegEx
{
public:
    enum class Status { Ok, NoPattern, CompileError, MatchLimit, MatchError };

    RegEx();
    ~RegEx();
    RegEx(const RegEx &) = delete;
    RegEx &operator=(const RegEx &) = delete;

    // Compiles the pattern; on failure status() is CompileError and
    // errorMessage() says why. The position is reset. A pattern holding half of a
    // surrogate pair is refused: no pattern can name it.
    bool setPattern(const QString &pattern);
    void setSubject(const QString &subject);
    QString pattern() const { return m_pattern; }

    // The first match in the subject (an empty match counts here). A search starts
    // here: it and the next() calls after it share one SearchBudget.
    bool first();
    // The next match behind the previous one; never an empty match.
    bool next();

    bool hasMatch() const { return m_hasMatch; }
    QString matchedText() const { return captured(0); }
    // Capture group n of the current match; empty when it did not take part.
    QString captured(int n) const;
    int captureCount() const;
    // Byte offsets in the UTF-8 subject, for callers that map many matches at once.
    qsizetype matchByteStart() const { return m_matchStart; }
    qsizetype matchByteEnd() const { return m_matchEnd; }
    const QByteArray &subjectUtf8() const { return m_subject; }

    Status status() const { return m_status; }
    bool failed() const { return m_status != Status::Ok; }
    // The engine's reason, in English, for a compile or match failure.
    QString errorMessage() const { return m_error; }
    // For a compile error: the offset in the pattern, in UTF-16 code units.
    int errorOffset() const { return m_errorOffset; }

    // Where `matched` stands in `text` at or after `from` (case-sensitive), or -1.
    static int locate(const QString &text, const QString &matched, int from = 0);

    // How many steps a single match may take before it is given up.
    static constexpr unsigned MatchLimit = 10'000'000;
    // How many steps a whole search may take, over all the places where a match is
    // tried and all its next() calls: well under a second. Without it a pattern that
    // stays just under MatchLimit at every place runs for minutes on a long page.
    static constexpr quint64 SearchBudget = 40'000'000;

private:
    struct HalfPair
    {
        qsizetype byte = 0; // where its stand-in starts in the UTF-8 subject
        char16_t unit = 0;
    };

    bool match(qsizetype offset, bool notEmpty);
    void freePattern();
    void restoreHalves(QString &text, qsizetype byteStart) const;

    QString m_pattern;
    QByteArray m_subject;
    QList<HalfPair> m_halves; // in subject order
    quint64 m_steps = 0;
    pcre2_real_code_8 *m_code = nullptr;
    pcre2_real_match_data_8 *m_data = nullptr;
    pcre2_real_match_context_8 *m_context = nullptr;
    pcre2_real_jit_stack_8 *m_jitStack = nullptr;
    bool m_jit = false;
    bool m_hasMatch = false;
    qsizetype m_matchStart = 0;
    qsizetype m_matchEnd = 0;
    Status m_status = Status::NoPattern;
    QString m_error;
    int m_errorOffset = -1;
};

// Turns the byte offsets of successive matches in a UTF-8 subject into UTF-16
// positions, walking the subject once for all of them.
class Utf16Cursor
{
public:
    explicit Utf16Cursor(const QByteArray &utf8)
        : m_utf8(utf8)
    {
    }

    // The UTF-16 position of a byte offset at or behind the last one asked for.
    qsizetype at(qsizetype byteOffset)
    {
        for (; m_byte < byteOffset; ++m_byte) {
            const uchar b = uchar(m_utf8.at(m_byte));
            if ((b & 0xC0) != 0x80)
                m_unit += b >= 0xF0 ? 2 : 1;
        }
        return m_unit;
    }

private:
    const QByteArray &m_utf8;
    qsizetype m_byte = 0;
    qsizetype m_unit = 0;
};
