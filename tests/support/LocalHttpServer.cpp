// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                if (socket->property("answered").toBool())
                    return;
                QByteArray request = socket->property("request").toByteArray() + socket->readAll();
                socket->setProperty("request", request);
                if (!request.contains("\r\n\r\n"))
                    return;
                socket->setProperty("answered", true);
                ++m_requests;
                serve(socket);
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(QString("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    const Response response = m_response;
    if (response.silent)
        return;
    QTimer::singleShot(response.delayMs, socket, [socket, response] {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status)
                          + (response.status == 200 ? " OK" : response.status == 404 ? " Not Found" : " Error")
                          + "\r\nContent-Type: application/xml\r\nConnection: close\r\n";
        if (response.sendLength)
            head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        socket->write(head + "\r\n" + response.body);
        socket->disconnectFromHost();
    });
}

QByteArray LocalHttpServer::versionList(const QString &latest, const QString &whatsNew)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n<dict>\n"
           "\t<key>lastestVersion</key>\n\t<string>" + latest.toHtmlEscaped().toUtf8() + "</string>\n"
           "\t<key>WhatsNew</key>\n\t<string>" + whatsNew.toHtmlEscaped().toUtf8()
           + "</string>\n</dict>\n</plist>\n";
}
