// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryFixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace libraryfixture {

namespace {

QByteArray encoded(const char *format)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(40, 110, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

QString makeLibrary(const QString &parent, const QStringList &entries)
{
    const QString package = parent + QStringLiteral("/Photos Library.photoslibrary");
    QDir().mkpath(package);
    for (const QString &entry : entries) {
        const QString path = package + QLatin1Char('/') + entry;
        if (entry.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(path);
            continue;
        }
        QDir().mkpath(QFileInfo(path).path());
        const QString name = QFileInfo(path).fileName();
        const QString suffix = QFileInfo(path).suffix().toLower();
        QByteArray bytes = "not a photo: " + name.toUtf8() + '\n';
        if (!name.startsWith(QLatin1String("fake"))) {
            if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
                bytes = encoded("JPEG");
            else if (suffix == QLatin1String("png"))
                bytes = encoded("PNG");
        }
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    return package;
}

} // namespace libraryfixture
