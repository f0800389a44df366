// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// One photo of the editor list or of the camera list. Lists hold their items by
// value, so an item is never shared between lists.
class PhotoItem
{
public:
    // The picture shown for the item: a thumbnail of the file for local items (filled
    // on the main thread once the thumbnail loader delivers it), the device's
    // thumbnail for camera items. Empty when the file is not an image.
    QImage fileImage;
    QString filePath;
    QString fileType = QStringLiteral("Image"); // "Image" or "Movie"
    // Identity and caption: two items with the same name count as the same image.
    QString fileName;
};
