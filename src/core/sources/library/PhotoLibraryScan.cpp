// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoLibraryScan.h"

#include "PhotoLibraryWalker.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>

PhotoLibraryScan::PhotoLibraryScan(QObject *parent)
    : QObject(parent)
{
}

// The pool stops the walk and waits for it.
PhotoLibraryScan::~PhotoLibraryScan() = default;

QString PhotoLibraryScan::busyMessage()
{
    return tr("A photo library scan is still running. Stop it or wait until it is done.");
}

bool PhotoLibraryScan::start(const QString &libraryPath)
{
    if (m_running)
        return false;
    m_running = true;
    Q_EMIT started(libraryPath);

    // The worker talks back only through queued calls on this object, so every list
    // change happens on the owner's thread; QPointer drops the calls if the scan is gone.
    QPointer<PhotoLibraryScan> self(this);
    m_pool.run([self, libraryPath](const jobs::CancelToken &stop) {
        QStringList batch;
        int sent = 0;
        QElapsedTimer sinceSent;
        sinceSent.start();
        auto send = [&] {
            if (batch.isEmpty())
                return;
            sent += int(batch.size());
            QMetaObject::invokeMethod(
                self.data(), [self, paths = std::move(batch)] {
                    if (self)
                        Q_EMIT self->photosFound(paths);
                },
                Qt::QueuedConnection);
            batch = QStringList();
            sinceSent.restart();
        };
        PhotoLibraryWalker walker(stop.flag());
        const LibraryScanReport report = walker.walk(libraryPath, [&](const QString &path) {
            batch.append(path);
            const int wanted = sent == 0 ? FirstBatchSize : BatchSize;
            if (batch.size() >= wanted || sinceSent.elapsed() >= BatchIntervalMs)
                send();
        });
        send();
        QMetaObject::invokeMethod(
            self.data(), [self, report] {
                if (!self)
                    return;
                self->m_running = false;
                Q_EMIT self->finished(report);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void PhotoLibraryScan::stop()
{
    if (m_running)
        m_pool.cancel();
}
