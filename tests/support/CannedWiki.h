#pragma once

#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <memory>

// An HTTP server in the test's own process that answers each request as the test
// scripts it: the Action API's answers, well or badly formed, late, trickling or
// redirected. It keeps every request it was sent.
class CannedWiki : public QObject
{
public:
    struct Request
    {
        QByteArray head; // request line and headers
        QUrlQuery form;
        QString operator[](const char *key) const
        {
            return form.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
        }
        bool has(const char *key) const { return form.hasQueryItem(QLatin1String(key)); }
    };
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray headers{}; // further header lines, each ending in CR LF
        int delay = 0;        // milliseconds before the answer starts
        int trickle = 0;      // milliseconds between the body's bytes
        bool silent = false;  // never answers
    };
    using Script = std::function<Answer(const Request &)>;

    explicit CannedWiki(Script script = {})
        : m_script(script ? std::move(script) : Script(session))
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    void setScript(Script script) { m_script = std::move(script); }
    QUrl api(const QString &host = QStringLiteral("127.0.0.1")) const
    {
        return QUrl(QStringLiteral("http://%1:%2/api.php").arg(host).arg(m_server.serverPort()));
    }
    const QList<Request> &requests() const { return m_requests; }
    // The requests that carried `key` with `value`, e.g. ("action", "edit").
    QList<Request> requestsWith(const char *key, const QString &value) const
    {
        QList<Request> found;
        for (const Request &r : m_requests)
            if (r[key] == value)
                found << r;
        return found;
    }

    static Answer json(const QByteArray &body, int status = 200) { return Answer{status, body}; }

    // A wiki that gives tokens and takes the login; anything else is an unknown action.
    static Answer session(const Request &r)
    {
        if (r["type"] == QLatin1String("login"))
            return json(R"({"query":{"tokens":{"logintoken":"l+\\"}}})");
        if (r["type"] == QLatin1String("csrf"))
            return json(R"({"query":{"tokens":{"csrftoken":"c+\\"}}})");
        if (r["action"] == QLatin1String("login"))
            return json(R"({"login":{"result":"Success","lgusername":"Editor"}})");
        return json(R"({"error":{"code":"badvalue","info":"unknown"}})");
    }

private:
    void serve(QTcpSocket *socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            const qsizetype headEnd = buffer->indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            const QByteArray head = buffer->left(headEnd);
            qsizetype length = 0;
            for (const QByteArray &line : head.split('\n'))
                if (line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toLongLong();
            if (buffer->size() < headEnd + 4 + length)
                return;
            Request request{head, QUrlQuery(QString::fromLatin1(buffer->mid(headEnd + 4, length)))};
            buffer->clear();
            m_requests << request;
            answer(socket, m_script(request));
        });
    }

    void answer(QTcpSocket *socket, const Answer &a)
    {
        if (a.silent)
            return;
        QTimer::singleShot(a.delay, socket, [socket, a] {
            socket->write(QByteArray("HTTP/1.1 ") + QByteArray::number(a.status)
                          + " Canned\r\nContent-Length: " + QByteArray::number(a.body.size())
                          + "\r\nContent-Type: application/json\r\nConnection: close\r\n" + a.headers + "\r\n");
            if (a.trickle == 0) {
                socket->write(a.body);
                return socket->disconnectFromHost();
            }
            auto *drip = new QTimer(socket);
            auto sent = std::make_shared<qsizetype>(0);
            connect(drip, &QTimer::timeout, socket, [socket, drip, sent, body = a.body] {
                socket->write(body.mid((*sent)++, 1));
                if (*sent == body.size())
                    drip->stop();
            });
            drip->start(a.trickle);
        });
    }

    QTcpServer m_server;
    Script m_script;
    QList<Request> m_requests;
};
