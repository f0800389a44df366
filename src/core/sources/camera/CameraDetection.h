// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraItem.h"

#include <QList>

// The cameras libgphoto2 finds on the machine's ports right now. Blocking (it probes
// USB and mounted cards); call it off the main thread.
namespace cameradetection {

QList<CameraInfo> autodetect(QString *error = nullptr);

} // namespace cameradetection
