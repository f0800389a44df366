// SPDX-License-Identifier: GPL-3.0-or-later
#include "IKImageItem.h"

QString IKImageItem::IKImageBrowserPathRepresentationType()
{
    return QStringLiteral("IKImageBrowserPathRepresentationType");
}
