// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoType.h"

#include "ExivImage.h"

#include <QFile>

namespace imageio {

namespace {

// Enough for every signature Exiv2 looks at (the longest, BMFF's brand list, sits in
// the first box).
constexpr qint64 kHeaderBytes = 4096;

} // namespace

QString photoTypeOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(kHeaderBytes);
    if (header.isEmpty())
        return {};
    initializeExiv2();
    int type = Exiv2::ImageType::none;
    QString error;
    const bool ok = guarded(
        [&] {
            type = Exiv2::ImageFactory::getType(reinterpret_cast<const Exiv2::byte *>(header.constData()),
                                                long(header.size()));
        },
        &error);
    return ok ? typeIdentifierForExivType(type) : QString();
}

} // namespace imageio
