// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionController.h"

#include "MainInterface.h"
#include "update/UpdateController.h"

#include "update/UpdateAddress.h"

#include <QAction>
#include <QMenu>

void CompressionController::CheckforUpdateAction()
{
    // The address is read here, on the main thread, once per check: a changed setting or
    // environment takes effect at the next check.
    const QUrl url = updateaddress::versionListUrl(*m_settings);
    if (url.isEmpty())
        return;
    m_updateController->setVersionListUrl(url);
    m_updateController->setCheckUpdate(true);
    m_updateController->checkServerVersion();
}

void CompressionController::wireUpdateCommand()
{
    // A build without an update address (a distribution's) has no check to offer; the
    // setting may gain one later, so the menu looks again each time it opens.
    const auto refresh = [this] {
        m_ui->checkForUpdateAction->setVisible(!updateaddress::versionListUrl(*m_settings).isEmpty());
    };
    refresh();
    connect(m_ui->helpMenu, &QMenu::aboutToShow, this, refresh);
}
