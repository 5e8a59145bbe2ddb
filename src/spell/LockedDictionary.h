#pragma once

#include "spell/SpellDictionary.h"

#include <QMutex>

#include <memory>

// One dictionary for several threads: Hunspell keeps state while it looks a word up,
// so one lookup runs at a time. Each thread's SpellChecker remembers its answers,
// so the lock is seldom taken twice for a word.
class LockedDictionary : public SpellDictionary
{
public:
    explicit LockedDictionary(std::shared_ptr<SpellDictionary> dictionary)
        : m_dictionary(std::move(dictionary))
    {
    }

    bool spell(const QString &word) override
    {
        QMutexLocker lock(&m_mutex);
        return m_dictionary->spell(word);
    }

    QStringList suggest(const QString &word) override
    {
        QMutexLocker lock(&m_mutex);
        return m_dictionary->suggest(word);
    }

private:
    QMutex m_mutex;
    std::shared_ptr<SpellDictionary> m_dictionary;
};
