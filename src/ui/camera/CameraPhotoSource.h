// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sources/PhotoSource.h"

class CameraController;

// The current camera's items as a photo source of the editor: an item materialises
// by being downloaded (a copy of the same name and size already in the folder is
// used as it is), and jobs read those copies.
class CameraPhotoSource : public PhotoSource
{
    Q_OBJECT
public:
    explicit CameraPhotoSource(CameraController &camera, QObject *parent = nullptr);

    QList<IKImageItem> items() const override;
    void requestThumbnail(int index) override;
    void materialise(int index, const QString &folder) override;
    LocalFileResolver resolver(const QString &folder) const override;

private:
    CameraController &m_camera;
};
