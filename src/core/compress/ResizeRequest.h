// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace compress {

// What the resize sheet (or --resize) asked for, copied into a resize job.
struct ResizeRequest {
    QString title;       // a preset title or "Custom"
    int customWidth = 0; // fieldIntValue of the fields, used for "Custom"
    int customHeight = 0;
    // "Custom" only: fit the photo inside customWidth × customHeight keeping its
    // proportions; false stretches it to that size. Presets always keep proportions.
    bool keepProportions = true;
};

} // namespace compress
