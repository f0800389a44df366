#include "IKImageItem.h"

QString IKImageItem::IKImageBrowserPathRepresentationType()
{
    return QStringLiteral("IKImageBrowserPathRepresentationType");
}
