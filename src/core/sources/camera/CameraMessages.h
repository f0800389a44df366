// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraBackend.h"

// Camera failures in words a person can act on. `what` names the attempt
// ("open the camera", "download IMG_0001.JPG").
namespace cameramessages {

QString describe(const CameraResult &result, const QString &what);

} // namespace cameramessages
