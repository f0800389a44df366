// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The vendor's version list: a property list (XML or binary) whose root dictionary
// names the newest version under "lastestVersion" and its changes under "WhatsNew".
// Parsed from bytes in memory; fetching is someone else's business.
struct VersionList {
    // Anything larger is not a version list; the fetcher stops reading there.
    static constexpr qint64 MaximumSize = 1024 * 1024;

    QString latestVersion;
    QString whatsNew;

    // Empty with a reason in *error when the bytes are not a property list, its root is
    // no dictionary, "lastestVersion" is missing or not a string, or the bytes are too many.
    static std::optional<VersionList> parse(const QByteArray &bytes, QString *error = nullptr);

    // The change list as shown: each "*" starts a new line.
    QString whatsNewText() const;
};
