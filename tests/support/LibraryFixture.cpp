// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryFixture.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace libraryfixture {

QString makeLibrary(const QString &parent, const QStringList &entries)
{
    const QString package = parent + "/Photos Library.photoslibrary";
    QDir().mkpath(package);
    QImage photo(8, 6, QImage::Format_RGB32);
    photo.fill(QColor(40, 110, 200));
    for (const QString &entry : entries) {
        const QFileInfo file(package + '/' + entry);
        QDir().mkpath(entry.endsWith('/') ? file.filePath() : file.path());
        if (entry.endsWith('/'))
            continue;
        // The writer picks the format by the suffix, whatever its case.
        const bool isPhoto = QStringList{"jpg", "jpeg", "png"}.contains(file.suffix().toLower());
        if (isPhoto && !file.fileName().startsWith("fake"))
            photo.save(file.filePath());
        else
            testsupport::writeFile(file.filePath(), "not a photo: " + file.fileName().toUtf8() + '\n');
    }
    return package;
}

} // namespace libraryfixture
