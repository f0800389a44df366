// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraItem.h"

#include <QMetaType>
#include <QString>

// One requested download and, once finished, its outcome. Each request carries
// its own purpose, so a plain download started while imports to the editor are
// pending never changes what those imports do.
struct CameraDownload {
    quint64 id = 0;
    CameraItem item;
    QString folder;
    bool importToEdit = false;
    QString path;  // the file written, set on success
    QString error; // a message for the person, empty on success

    bool ok() const { return error.isEmpty(); }
};

Q_DECLARE_METATYPE(CameraDownload)
