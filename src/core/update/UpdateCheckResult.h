// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What a version check found. The window and the command line only display it.
struct UpdateCheckResult {
    enum Outcome { UpdateAvailable, UpToDate, Failed };

    Outcome outcome = Failed;
    // latestVersion, whatsNew and error come from the server, without control characters
    // (a terminal would obey them).
    QString latestVersion;
    QString currentVersion;
    QString whatsNew;  // as listed, stars and all
    QString error;     // for Failed: why, in words

    // Reads a fetched version list and compares it with the running version.
    static UpdateCheckResult evaluate(const QByteArray &versionList, const QString &currentVersion);
    static UpdateCheckResult failure(const QString &error, const QString &currentVersion);

    // The texts the update window and the command line show.
    QString newVersionText() const;     // "Vantoric Glimmerset 1.3 is available."
    QString currentVersionText() const; // "You are using 1.2 version. Would you like to download it now?"
    QString whatsNewText() const;       // one line per "*"
    QString upToDateText() const;
    QString failureText() const;        // "Could not check for updates: ..."
};
