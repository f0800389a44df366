// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

class AppSettings;

// Where the version list and the download page are. The list's address is, first to
// last: the environment variable GLIMMERSET_UPDATE_URL, the setting "VersionListURL",
// the address the build was configured with. All three may be empty (a distribution
// build): then there is no update check to offer. Read once on the thread that starts
// a check.
namespace updateaddress {

// The build's own address; empty unless configured.
QUrl defaultVersionListUrl();
// Empty when nothing names an address.
QUrl versionListUrl(const AppSettings &settings);
// The page the update window's Download button opens: the configured download page, else
// the folder the version list came from.
QUrl productPageUrl(const QUrl &versionList);

} // namespace updateaddress
