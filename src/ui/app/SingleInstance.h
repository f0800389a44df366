// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// Keeps the program to one process per user. The first process listens on a local
// socket named after the user; a later one hands its files to it and ends, so two
// processes never write the same settings. Photos opened with the program while it
// runs reach the running window, which treats them as a drop.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `name`: the socket's name; empty gives the user's own ("glimmerset-<uid>", with the
    // value of GLIMMERSET_INSTANCE appended when set, so test runs keep to themselves).
    explicit SingleInstance(const QString &name = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    static QString defaultName();
    QString name() const { return m_name; }

    // Either hands `files` (made absolute here) to a running process and answers true, or
    // becomes the running process itself and answers false. Safe against two processes
    // starting at the same moment.
    bool handOffOrListen(const QStringList &files);
    bool isListening() const;

Q_SIGNALS:
    // Another process was started, with these absolute paths (possibly none: show the window).
    void filesReceived(const QStringList &files);

private:
    bool sendTo(const QStringList &files);
    bool listen();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
