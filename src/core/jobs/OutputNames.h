// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Where each photo of one job writes its output, settled in list order before the photos
// run: compressed results and editor copies alike. An output never lands on a file the
// job reads and two photos never share one; unless the caller allows replacing it (an
// earlier result in the Output folder), a file already there keeps its name too: beside
// the user's photos, and an earlier command's copy is the user's work ("NewDate_",
// "After_" and "NewGPS_" are shared by two commands each). Any of these gets the next
// free " (2)", " (3)"… name before the extension instead. Used on one thread only.
class OutputNames
{
public:
    explicit OutputNames(const QStringList &sourcePaths);

    // The output for a photo, given the path the job wants for it.
    QString claim(const QString &wanted, bool mayReplaceExisting = false);

    // The form paths are compared in: absolute, cleaned, links and "." / ".." resolved
    // where the file exists, so a link to a photo of the job is that photo.
    static QString samePath(const QString &path);

private:
    QSet<QString> m_sources;
    QSet<QString> m_claimed;
};
