#pragma once

#include "app/RecoveryStore.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class DocumentCommands;
class DocumentModel;
class EditorAdapter;
class RecoveryWriter;

// A copy of the unsaved text in the recovery folder, written a moment after typing
// pauses and now and then while it goes on, removed once the text is saved, given up
// or the program ends normally; and, at start, the copies of instances that no longer
// run, offered one question each.
class RecoveryCommands : public QObject
{
    Q_OBJECT

public:
    RecoveryCommands(EditorAdapter &editor, DocumentModel &document, DocumentCommands &documents,
                     const QString &folder = Recovery::defaultFolder());
    // The program ends normally: the copy goes.
    ~RecoveryCommands() override;

    // From the event loop once it runs, so that the questions come over the window.
    void offerLeftCopiesSoon();
    // Stops at the first copy while the editor holds unsaved text: the rest wait for
    // a later start rather than push it out.
    void offerLeftCopies();
    // Takes the text in short steps on this thread, then compares it with the saved
    // copy on the writer's thread, which writes or removes the recovery copy.
    void checkNow();

    QString folder() const { return m_folder; }
    // Where this instance's copy goes.
    QString copyPath() const;
    // Tests shorten the pause after typing and the longest wait while it goes on.
    void setIntervalsForTesting(int pause, int longest);

    static constexpr int Pause = 2000;
    static constexpr int Longest = 30000;

    static const QString Question;
    static const QString UnnamedText;
    static const QString CannotWriteMessage;
    static const QString CannotReadMessage;
    static const QString CannotDiscardMessage;

signals:
    // A check ended; `kept` says whether a copy is on disk now.
    void checked(bool kept);

private:
    void textChanged();
    void checkSoon();
    void copyStep();
    void contentsChanged(int position, int removed);
    void written(bool kept, const QString &error);
    void restore(std::unique_ptr<Recovery::LeftCopy> copy);
    QString question(const Recovery::LeftCopy &copy) const;

    EditorAdapter &m_editor;
    DocumentModel &m_document;
    DocumentCommands &m_documents;
    QString m_folder;
    std::unique_ptr<RecoveryWriter> m_writer;
    QTimer m_pause;
    QTimer m_longest;
    QTimer m_soon;
    QTimer m_step;
    // The text taken so far, each line's end in it, and the position in the document
    // that the next step starts from; -1 while no text is being taken.
    QString m_copied;
    std::vector<qsizetype> m_lineEnds;
    int m_copiedUpTo = -1;
    bool m_again = false;
    // The editor holds the saved text, unedited since it was set: no copy is needed,
    // and none is taken, which spares a long text's opening the work.
    bool m_unchanged = false;
    // Whether a copy may be on disk after the last write.
    bool m_kept = false;
    bool m_failureShown = false;
    // A restored copy, held until this instance's own copy has taken its place.
    std::unique_ptr<Recovery::LeftCopy> m_restored;
};
