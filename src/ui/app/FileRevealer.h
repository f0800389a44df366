// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// Shows a file in the desktop's file manager. The program talks to one instance, which
// tests replace to observe the calls.
class FileRevealer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Selects `path` in a file manager window showing `rootPath` (its folder).
    virtual void selectFile(const QString &path, const QString &rootPath) = 0;

    static FileRevealer *instance();
    // Takes over from the previous instance (not owned); null restores the desktop one.
    static void setInstance(FileRevealer *revealer);
};
