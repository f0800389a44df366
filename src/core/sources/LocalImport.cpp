// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace localimport {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(LocalImport)
};

} // namespace

PhotoItem localImageItem(const QString &path)
{
    PhotoItem item;
    item.fileType = QStringLiteral("Image");
    item.fileName = QFileInfo(path).fileName();
    item.filePath = path;
    return item;
}

QList<PhotoItem> itemsFromPaths(const QStringList &paths)
{
    QList<PhotoItem> items;
    items.reserve(paths.size());
    for (const QString &path : paths)
        items.append(localImageItem(path));
    return items;
}

QString pathOfUrl(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.path();
}

QList<PhotoItem> itemsFromUrls(const QList<QUrl> &urls)
{
    QList<PhotoItem> items;
    items.reserve(urls.size());
    for (const QUrl &url : urls)
        items.append(localImageItem(pathOfUrl(url)));
    return items;
}

bool editorAcceptsDrag(const QList<QUrl> &urls)
{
    if (urls.isEmpty())
        return false;
    const QString path = pathOfUrl(urls.first());
    // Only regular files: opening a FIFO would freeze the window until something writes to it.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    // Reading the header is enough to know the file is an image; decoding it would
    // stall the drag on large photos.
    QImageReader reader(path);
    return reader.canRead();
}

QString importPanelMessage()
{
    return Text::tr("Please select photos to import.");
}

} // namespace localimport
