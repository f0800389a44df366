// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionController.h"

#include "update/UpdateController.h"

#include "update/UpdateAddress.h"

void CompressionController::CheckforUpdateAction()
{
    // The address is read here, on the main thread, once per check: a changed setting or
    // environment takes effect at the next check.
    m_updateController->setVersionListUrl(updateaddress::versionListUrl(*m_settings));
    m_updateController->setCheckUpdate(true);
    m_updateController->checkServerVersion();
}
