// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace compress {

// Chooses where each photo of one job is written, in list order, so that no two photos
// of the job share an output and no result replaces another photo of the job, or its own
// source unless the photo is compressed in place. A clash gets " (2)", " (3)" … before
// the extension. Used on one thread only.
class OutputPlanner
{
public:
    // `sources`: every photo of the job; none of them is ever chosen as another's output.
    explicit OutputPlanner(const QStringList &sources);

    // The output for `sourcePath`.
    // - `outputFolder` empty: in place. The source itself, unless `newJpeg`, when a new
    //   "<name>.jpg" beside it is chosen that replaces no existing file.
    // - otherwise `outputFolder`/`relativeFolder`/name ("<name>.jpg" when `newJpeg`). An
    //   earlier result there is replaced, but never a file in the source's own folder.
    QString plan(const QString &sourcePath, const QString &outputFolder, const QString &relativeFolder,
                 bool newJpeg);

    // The form paths are compared in: absolute, cleaned, links resolved where they exist.
    static QString normalised(const QString &path);

private:
    bool taken(const QString &candidate, bool mustBeNew) const;
    QSet<QString> m_sources;
    QSet<QString> m_claimed;
};

} // namespace compress
