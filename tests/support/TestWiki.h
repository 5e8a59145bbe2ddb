#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// A real MediaWiki of the test's own on loopback, through scripts/test-wiki. The
// users and their bot passwords are the script's.
class TestWiki
{
public:
    static inline const QString Editor = QStringLiteral("Editor@dalvana");
    static inline const QString EditorPassword = QStringLiteral("editorbotpassword0123456789abcde");
    static inline const QString Other = QStringLiteral("Other@dalvana");
    static inline const QString OtherPassword = QStringLiteral("otherbotpassword0123456789abcdef");
    static inline const QString Blocked = QStringLiteral("Blocked@dalvana");
    static inline const QString BlockedPassword = QStringLiteral("blockedbotpassword0123456789abcd");
    static inline const QString Limited = QStringLiteral("Limited@dalvana");
    static inline const QString LimitedPassword = QStringLiteral("limitedbotpassword0123456789abcd");

    ~TestWiki() { stop(); }

    // Installs and starts the wiki. False with `skipReason` set when MediaWiki is not
    // installed here; a failure otherwise fails the test.
    bool start(QString *skipReason)
    {
        QProcess p;
        p.start(QStringLiteral(DALVANA_TEST_WIKI), {QStringLiteral("start"), m_dir.path()});
        p.waitForFinished(120000);
        if (p.exitCode() == 77) {
            *skipReason = QStringLiteral("MediaWiki is not installed (apt-get install mediawiki php-sqlite3 php-cli)");
            return false;
        }
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            qFatal("the test wiki did not start: %s", p.readAllStandardError().constData());
        m_api = QUrl(QString::fromUtf8(p.readAllStandardOutput().trimmed()));
        m_running = true;
        return true;
    }

    void stop()
    {
        if (!m_running)
            return;
        QProcess::execute(QStringLiteral(DALVANA_TEST_WIKI), {QStringLiteral("stop"), m_dir.path()});
        m_running = false;
    }

    QUrl api() const { return m_api; }
    QString dir() const { return m_dir.path(); }

    // Runs a maintenance script; its standard output, or a failed test.
    QByteArray maintenance(const QStringList &args, const QByteArray &input = QByteArray())
    {
        QProcess p;
        p.start(QStringLiteral(DALVANA_TEST_WIKI), QStringList{QStringLiteral("php"), m_dir.path()} + args);
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(60000);
        if (p.exitCode() != 0)
            qWarning("%s failed: %s", qPrintable(args.join(u' ')), p.readAllStandardError().constData());
        return p.readAllStandardOutput();
    }

    // An edit by another user, behind the client's back.
    void editAs(const QString &user, const QString &title, const QString &text)
    {
        maintenance({QStringLiteral("edit"), QStringLiteral("--user"), user, QStringLiteral("--summary"),
                     QStringLiteral("behind the back"), title},
                    text.toUtf8());
    }

private:
    QTemporaryDir m_dir;
    QUrl m_api;
    bool m_running = false;
};
