// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PhotoItem.h"

#include <QList>
#include <QString>
#include <QUrl>

// Turning local files into editor items. Every path or URL becomes an item: there is
// no type test, no folder expansion and no duplicate test, so a file that is not an
// image still shows in the list (and is skipped by the commands).
namespace localimport {

// An editor item for a local file; its picture comes later from the thumbnail loader.
PhotoItem localImageItem(const QString &path);

QList<PhotoItem> itemsFromPaths(const QStringList &paths);
QList<PhotoItem> itemsFromUrls(const QList<QUrl> &urls);

// A local URL's file path; other URLs give their path component.
QString pathOfUrl(const QUrl &url);

// Whether a drag over the editor list is accepted: only the first URL is tested,
// and it must name an existing file that reads as an image.
bool editorAcceptsDrag(const QList<QUrl> &urls);

// Message of the editor's import panel.
QString importPanelMessage();

} // namespace localimport
