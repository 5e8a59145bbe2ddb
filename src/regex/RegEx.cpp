#include "regex/RegEx.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>

namespace {

constexpr char16_t kHalfStandIn = 0xFFFF;

bool isLoneHalf(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    return c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

// Every item the engine tries calls this (the pattern is compiled with automatic
// callouts), so the count is the work of the whole search.
int countStep(pcre2_callout_block *, void *steps)
{
    return ++*static_cast<quint64 *>(steps) > RegEx::SearchBudget ? PCRE2_ERROR_CALLOUT : 0;
}

QString pcreMessage(int code)
{
    PCRE2_UCHAR buffer[256];
    const int n = pcre2_get_error_message(code, buffer, sizeof buffer);
    return n < 0 ? QStringLiteral("error %1").arg(code) : QString::fromUtf8(reinterpret_cast<const char *>(buffer), n);
}

} // namespace

RegEx::RegEx()
{
    m_context = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(m_context, MatchLimit);
    pcre2_set_depth_limit(m_context, 100'000);
    pcre2_set_callout(m_context, countStep, &m_steps);
    // A deep pattern on a long page needs more than the default 32 KB stack.
    m_jitStack = pcre2_jit_stack_create(32 * 1024, 4 * 1024 * 1024, nullptr);
    if (m_jitStack)
        pcre2_jit_stack_assign(m_context, nullptr, m_jitStack);
}

RegEx::~RegEx()
{
    freePattern();
    if (m_jitStack)
        pcre2_jit_stack_free(m_jitStack);
    pcre2_match_context_free(m_context);
}

void RegEx::freePattern()
{
    pcre2_match_data_free(m_data);
    pcre2_code_free(m_code);
    m_data = nullptr;
    m_code = nullptr;
    m_jit = false;
}

bool RegEx::setPattern(const QString &pattern)
{
    freePattern();
    m_pattern = pattern;
    m_hasMatch = false;
    m_matchStart = m_matchEnd = 0;
    m_error.clear();
    m_errorOffset = -1;
    m_steps = 0;

    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (isLoneHalf(pattern, i)) {
            m_status = Status::CompileError;
            m_error = QStringLiteral("half of a surrogate pair (U+%1) cannot be searched for")
                          .arg(QString::number(pattern.at(i).unicode(), 16).toUpper());
            m_errorOffset = int(i);
            return false;
        }
    }
    const QByteArray utf8 = pattern.toUtf8();
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    // \C matches half a character; the next search would then start inside one.
    m_code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.constData()), utf8.size(),
                           PCRE2_CASELESS | PCRE2_UTF | PCRE2_NEVER_BACKSLASH_C | PCRE2_AUTO_CALLOUT, &errorCode,
                           &errorOffset, nullptr);
    if (!m_code) {
        m_status = Status::CompileError;
        m_error = pcreMessage(errorCode);
        m_errorOffset = int(QString::fromUtf8(utf8.left(qsizetype(errorOffset))).size());
        return false;
    }
    m_jit = pcre2_jit_compile(m_code, PCRE2_JIT_COMPLETE) == 0;
    m_data = pcre2_match_data_create_from_pattern(m_code, nullptr);
    m_status = Status::Ok;
    return true;
}

void RegEx::setSubject(const QString &subject)
{
    m_hasMatch = false;
    m_matchStart = m_matchEnd = 0;
    m_steps = 0;
    m_halves.clear();
    QString standIns;
    qsizetype byte = 0;
    for (qsizetype i = 0; i < subject.size(); ++i) {
        const char16_t u = subject.at(i).unicode();
        if (u < 0x80) {
            byte += 1;
        } else if (u < 0x800) {
            byte += 2;
        } else if (!isLoneHalf(subject, i)) {
            const bool pair = QChar::isHighSurrogate(u);
            byte += pair ? 4 : 3;
            i += pair ? 1 : 0;
        } else {
            if (standIns.isEmpty())
                standIns = subject;
            standIns[i] = QChar(kHalfStandIn);
            m_halves.append({byte, u});
            byte += 3;
        }
    }
    m_subject = m_halves.isEmpty() ? subject.toUtf8() : standIns.toUtf8();
}

bool RegEx::first()
{
    m_steps = 0;
    return match(0, false);
}

bool RegEx::next()
{
    return match(m_matchEnd, true);
}

bool RegEx::match(qsizetype offset, bool notEmpty)
{
    m_hasMatch = false;
    if (!m_code) {
        if (m_status == Status::Ok)
            m_status = Status::NoPattern;
        return false;
    }
    if (offset > m_subject.size())
        return false;
    // The subject comes from QString::toUtf8 and is always valid UTF-8; checking it
    // again on every call would make a run over all matches quadratic.
    uint32_t options = PCRE2_NO_UTF_CHECK;
    if (notEmpty)
        options |= PCRE2_NOTEMPTY;
    const int rc = pcre2_match(m_code, reinterpret_cast<PCRE2_SPTR>(m_subject.constData()), m_subject.size(),
                               PCRE2_SIZE(offset), options, m_data, m_context);
    if (rc == PCRE2_ERROR_NOMATCH) {
        // A plain miss clears a runaway reported by an earlier call.
        m_status = Status::Ok;
        return false;
    }
    if (rc < 0) {
        m_status = (rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT || rc == PCRE2_ERROR_HEAPLIMIT
                    || rc == PCRE2_ERROR_JIT_STACKLIMIT || rc == PCRE2_ERROR_CALLOUT)
            ? Status::MatchLimit
            : Status::MatchError;
        m_error = pcreMessage(rc);
        return false;
    }
    m_status = Status::Ok;
    const PCRE2_SIZE *ov = pcre2_get_ovector_pointer(m_data);
    m_matchStart = qsizetype(ov[0]);
    m_matchEnd = qsizetype(ov[1]);
    m_hasMatch = true;
    return true;
}

QString RegEx::captured(int n) const
{
    if (!m_hasMatch || n < 0 || n >= int(pcre2_get_ovector_count(m_data)))
        return {};
    const PCRE2_SIZE *ov = pcre2_get_ovector_pointer(m_data);
    if (ov[2 * n] == PCRE2_UNSET)
        return {};
    QString text = QString::fromUtf8(m_subject.constData() + ov[2 * n], qsizetype(ov[2 * n + 1] - ov[2 * n]));
    restoreHalves(text, qsizetype(ov[2 * n]));
    return text;
}

void RegEx::restoreHalves(QString &text, qsizetype byteStart) const
{
    auto half = std::lower_bound(m_halves.cbegin(), m_halves.cend(), byteStart,
                                 [](const HalfPair &h, qsizetype byte) { return h.byte < byte; });
    qsizetype byte = byteStart;
    for (qsizetype i = 0; i < text.size() && half != m_halves.cend(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (byte == half->byte) {
            text[i] = QChar(half->unit);
            ++half;
        }
        byte += u < 0x80 ? 1 : u < 0x800 ? 2 : QChar::isSurrogate(u) ? 2 : 3;
    }
}

int RegEx::captureCount() const
{
    if (!m_code)
        return 0;
    uint32_t count = 0;
    pcre2_pattern_info(m_code, PCRE2_INFO_CAPTURECOUNT, &count);
    return int(count);
}

int RegEx::locate(const QString &text, const QString &matched, int from)
{
    return int(text.indexOf(matched, from, Qt::CaseSensitive));
}
