// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePhotoSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

FakePhotoSource::FakePhotoSource(const QHash<QString, QString> &backing, QObject *parent)
    : PhotoSource(parent)
    , m_backing(backing)
{
    QStringList names = backing.keys();
    names.sort();
    for (const QString &name : names) {
        PhotoItem item;
        item.fileName = name;
        item.filePath = QStringLiteral("device:/DCIM/") + name; // no local file
        m_items.append(item);
    }
}

void FakePhotoSource::requestThumbnail(int index)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QMetaObject::invokeMethod(this, [this, index, image] { Q_EMIT thumbnailReady(index, image); },
                              Qt::QueuedConnection);
}

void FakePhotoSource::materialise(int index, const QString &folder)
{
    QString path;
    QString error;
    const QString name = index >= 0 && index < m_items.size() ? m_items.at(index).fileName : QString();
    if (name.isEmpty()) {
        error = QStringLiteral("no such item");
    } else if (failing.contains(name)) {
        error = QStringLiteral("the camera was disconnected");
    } else {
        QDir().mkpath(folder);
        path = folder + QLatin1Char('/') + name;
        QFile::remove(path);
        if (!QFile::copy(m_backing.value(name), path)) {
            error = QStringLiteral("copy failed");
            path.clear();
        }
    }
    QMetaObject::invokeMethod(this, [this, index, path, error] { Q_EMIT materialised(index, path, error); },
                              Qt::QueuedConnection);
}

LocalFileResolver FakePhotoSource::resolver(const QString &folder) const
{
    return [folder](const PhotoItem &item, QString *why) {
        const QString copy = folder + QLatin1Char('/') + item.fileName;
        if (QFileInfo::exists(copy))
            return copy;
        *why = QStringLiteral("not yet copied from the camera into the Working folder");
        return QString();
    };
}
