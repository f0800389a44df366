// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopFileRevealer.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

static const QString kService = QStringLiteral("org.freedesktop.FileManager1");
static const QString kObjectPath = QStringLiteral("/org/freedesktop/FileManager1");

DesktopFileRevealer::DesktopFileRevealer(QObject *parent)
    : DesktopFileRevealer(QDBusConnection::sessionBus(), parent)
{
}

DesktopFileRevealer::DesktopFileRevealer(const QDBusConnection &bus, QObject *parent)
    : FileRevealer(parent)
    , m_bus(bus)
{
}

void DesktopFileRevealer::selectFile(const QString &path, const QString &rootPath)
{
    const QString folder = rootPath.isEmpty() ? QFileInfo(path).absolutePath() : rootPath;
    if (!m_bus.isConnected()) {
        openFolder(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObjectPath, kService, QStringLiteral("ShowItems"));
    // URIs go percent-encoded: file managers take them as URIs, not as paths.
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, path, folder] {
        watcher->deleteLater();
        const QDBusPendingReply<> reply = *watcher;
        if (reply.isError()) {
            qInfo() << "file manager did not answer:" << reply.error().message();
            openFolder(folder);
            return;
        }
        Q_EMIT revealedWithFileManager(path);
    });
}

void DesktopFileRevealer::openFolder(const QString &rootPath)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(rootPath))) {
        Q_EMIT openedFolder(rootPath);
        return;
    }
    // Nothing on this desktop opens folders: a log line alone would leave the user waiting
    // for a window, so say where the file is.
    auto *box = new QMessageBox(QMessageBox::Information, tr("No file manager could show the file"),
                                tr("It is in this folder:\n%1").arg(QDir::toNativeSeparators(rootPath)),
                                QMessageBox::Ok, QApplication::activeWindow());
    box->setObjectName(QStringLiteral("noFileManagerAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->open();
}
