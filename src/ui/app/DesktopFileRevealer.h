// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileRevealer.h"

#include <QDBusConnection>

// Asks the file manager over the session bus (org.freedesktop.FileManager1, ShowItems)
// to select the file; when there is no session bus, no such service or the call fails,
// it opens the folder with the desktop's default handler instead, and when that cannot
// start either it tells the user which folder holds the file. Never blocks: the call's
// answer is awaited asynchronously.
class DesktopFileRevealer : public FileRevealer
{
    Q_OBJECT
public:
    explicit DesktopFileRevealer(QObject *parent = nullptr);
    // With a given bus (tests use a private one).
    DesktopFileRevealer(const QDBusConnection &bus, QObject *parent = nullptr);

    void selectFile(const QString &path, const QString &rootPath) override;

Q_SIGNALS:
    // For tests: which way a request went.
    void revealedWithFileManager(const QString &path);
    void openedFolder(const QString &rootPath);

private:
    void openFolder(const QString &rootPath);

    QDBusConnection m_bus;
};
