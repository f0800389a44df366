// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraMessages.h"

#include <QCoreApplication>

namespace cameramessages {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CameraMessages)
};

} // namespace

QString describe(const CameraResult &result, const QString &what)
{
    QString reason;
    switch (result.error) {
    case CameraError::None:
        return {};
    case CameraError::Held:
        // Desktops mount cameras as they are plugged in (gvfs's gphoto2 volume monitor),
        // and a mounted camera cannot be opened a second time.
        reason = Text::tr("Another program is using the camera, usually the desktop's file manager, which mounts "
                          "cameras when they are plugged in. Unmount or eject the camera there (or stop "
                          "gvfs-gphoto2-volume-monitor) and try again.");
        break;
    case CameraError::Gone:
        reason = Text::tr("The camera or the file is no longer there. Check that the camera is still connected "
                          "and switched on.");
        break;
    case CameraError::NotSupported:
        reason = Text::tr("This camera does not allow it.");
        break;
    case CameraError::Cancelled:
        reason = Text::tr("Stopped before it finished.");
        break;
    case CameraError::Other:
        reason = Text::tr("The camera reported an error.");
        break;
    }
    //: %1 is the attempt ("open the camera", "download IMG_0001.JPG"), %2 why it failed.
    QString text = Text::tr("Could not %1. %2").arg(what, reason);
    if (!result.detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(result.detail);
    return text;
}

} // namespace cameramessages
