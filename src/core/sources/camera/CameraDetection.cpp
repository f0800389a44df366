// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraDetection.h"

#include <gphoto2/gphoto2.h>

namespace cameradetection {

QList<CameraInfo> autodetect(QString *error)
{
    QList<CameraInfo> cameras;
    GPContext *context = gp_context_new();
    CameraList *list = nullptr;
    gp_list_new(&list);
    const int r = gp_camera_autodetect(list, context);
    if (r < GP_OK) {
        if (error)
            *error = QString::fromUtf8(gp_result_as_string(r));
    } else {
        for (int i = 0; i < gp_list_count(list); ++i) {
            const char *model = nullptr;
            const char *port = nullptr;
            gp_list_get_name(list, i, &model);
            gp_list_get_value(list, i, &port);
            cameras.append({QString::fromUtf8(model), QString::fromUtf8(port)});
        }
    }
    gp_list_free(list);
    gp_context_unref(context);
    return cameras;
}

} // namespace cameradetection
