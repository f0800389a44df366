// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobReport.h"

void JobReport::addWritten(const QString &fileName, const QString &source, const QString &output)
{
    photos.append({fileName, source, output, PhotoResult::Outcome::Written, {}});
}

void JobReport::addSkipped(const QString &fileName, const QString &source, const QString &reason)
{
    photos.append({fileName, source, {}, PhotoResult::Outcome::Skipped, reason});
}

void JobReport::addFailed(const QString &fileName, const QString &source, const QString &output,
                          const QString &reason)
{
    photos.append({fileName, source, output, PhotoResult::Outcome::Failed, reason});
}

int JobReport::count(PhotoResult::Outcome outcome) const
{
    return static_cast<int>(std::count_if(photos.cbegin(), photos.cend(),
                                          [outcome](const PhotoResult &p) { return p.outcome == outcome; }));
}

QStringList JobReport::written() const
{
    QStringList paths;
    for (const PhotoResult &p : photos) {
        if (p.outcome == PhotoResult::Outcome::Written)
            paths.append(p.output);
    }
    return paths;
}

static QList<PhotoResult> withOutcome(const QList<PhotoResult> &photos, PhotoResult::Outcome outcome)
{
    QList<PhotoResult> list;
    for (const PhotoResult &p : photos) {
        if (p.outcome == outcome)
            list.append(p);
    }
    return list;
}

QList<PhotoResult> JobReport::skipped() const { return withOutcome(photos, PhotoResult::Outcome::Skipped); }

QList<PhotoResult> JobReport::failed() const { return withOutcome(photos, PhotoResult::Outcome::Failed); }

bool JobReport::hasProblems() const
{
    return std::any_of(photos.cbegin(), photos.cend(),
                       [](const PhotoResult &p) { return p.outcome != PhotoResult::Outcome::Written; });
}

QStringList JobReport::problemLines() const
{
    QStringList lines;
    for (const PhotoResult &p : failed())
        lines << QStringLiteral("%1: %2").arg(p.fileName, p.reason);
    for (const PhotoResult &p : skipped())
        lines << QStringLiteral("%1: %2").arg(p.fileName, p.reason);
    return lines;
}
