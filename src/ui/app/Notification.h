// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

class QObject;

// What a view announces: a name from NotificationNames.h and the view that posted it.
struct Notification {
    QString name;
    QPointer<QObject> object;
};
