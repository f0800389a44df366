// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

// Long enough for a busy machine, short enough that a hung first process does not keep
// the second waiting for long.
static constexpr int kTimeoutMs = 3000;

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name.isEmpty() ? defaultName() : name)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName()
{
    QString name = QStringLiteral("glimmerset-%1").arg(::getuid());
    const QString suffix = qEnvironmentVariable("GLIMMERSET_INSTANCE");
    if (!suffix.isEmpty())
        name += QLatin1Char('-') + suffix;
    return name;
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::handOffOrListen(const QStringList &files)
{
    QStringList absolute;
    for (const QString &f : files)
        absolute << QFileInfo(f).absoluteFilePath();

    // Two processes started together must not both decide they are the first: the lock
    // makes "is anyone listening? then I will" one step.
    QLockFile lock(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    lock.setStaleLockTime(10000);
    const bool locked = lock.tryLock(kTimeoutMs);
    if (sendTo(absolute))
        return true;
    listen();
    if (locked)
        lock.unlock();
    return false;
}

bool SingleInstance::sendTo(const QStringList &files)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << files;
    socket.write(message);
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return false;
    // The answer says the files were taken; a process that dies first leaves us to run.
    if (!socket.waitForReadyRead(kTimeoutMs))
        return false;
    return socket.read(1) == "1";
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket file left by a process that crashed: nobody answered on it, so it is ours.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            qWarning("single instance: cannot listen on %s: %s", qPrintable(m_name),
                     qPrintable(m_server->errorString()));
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                client->setProperty("buffer", client->property("buffer").toByteArray() + client->readAll());
                QByteArray buffer = client->property("buffer").toByteArray();
                QDataStream in(&buffer, QIODevice::ReadOnly);
                in.startTransaction();
                QStringList files;
                in >> files;
                if (!in.commitTransaction())
                    return; // more to come
                client->write("1");
                client->flush();
                client->disconnectFromServer();
                Q_EMIT filesReceived(files);
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}
