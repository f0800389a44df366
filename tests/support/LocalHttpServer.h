// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

// A real HTTP server on 127.0.0.1 inside the test process, answering every GET with
// the response set last. Serves while the test runs an event loop (QTRY_*, spy.wait()).
class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Response {
        int status = 200;
        QByteArray body;
        int delayMs = 0;          // before anything is sent
        bool silent = false;      // accept the request, never answer
        bool sendLength = true;   // without it the body ends when the connection closes
    };

    explicit LocalHttpServer(QObject *parent = nullptr);

    void setResponse(const Response &response) { m_response = response; }
    QUrl url(const QString &path = QStringLiteral("/product/glimmersetVersion.plist")) const;
    int requestCount() const { return m_requests; }

    // A version list as the vendor writes it (XML property list).
    static QByteArray versionList(const QString &latest, const QString &whatsNew);

private:
    void serve(class QTcpSocket *socket);

    QTcpServer m_server;
    Response m_response;
    int m_requests = 0;
};
