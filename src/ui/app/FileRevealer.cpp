// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileRevealer.h"

#include "DesktopFileRevealer.h"

#include <QCoreApplication>
#include <QPointer>

static QPointer<FileRevealer> s_override;
static QPointer<FileRevealer> s_desktop;

FileRevealer *FileRevealer::instance()
{
    if (s_override)
        return s_override;
    if (!s_desktop)
        s_desktop = new DesktopFileRevealer(QCoreApplication::instance());
    return s_desktop;
}

void FileRevealer::setInstance(FileRevealer *revealer)
{
    s_override = revealer;
}
