// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// The window's alert: modal to `parent`'s window only, one " Ok " button, deleted when
// closed. Returns the open alert.
QMessageBox *openAlertSheet(QWidget *parent, const QString &objectName, const QString &message,
                            const QString &informative, bool warning = false);
