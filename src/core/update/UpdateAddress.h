// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

class AppSettings;

// Where the version list and the download page are. The list's address is, first to
// last: the environment variable GLIMMERSET_UPDATE_URL, the setting "VersionListURL",
// the project's own address. Read once on the thread that starts a check.
namespace updateaddress {

QUrl defaultVersionListUrl();
QUrl versionListUrl(const AppSettings &settings);
// The page the update window's Download button opens.
QUrl productPageUrl();

} // namespace updateaddress
