// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionReport.h"

#include "SizeText.h"

QString CompressionReport::finishText() const
{
    return compress::finishText(savedFileSize, allFileSize);
}

JobReport CompressionReport::toJobReport() const
{
    JobReport job;
    job.total = total;
    job.cancelled = cancelled;
    for (const ResultRow &entry : entries) {
        job.photos.append({entry.fileName(), entry.originalPath(), entry.restPath(), PhotoResult::Outcome::Written, {},
                           entry.originalFileSize(), entry.restFileSize()});
    }
    const auto fileName = [](const QString &path) { return path.section(QLatin1Char('/'), -1); };
    for (const CompressionProblem &problem : skipped)
        job.addSkipped(fileName(problem.path), problem.path, problem.reason);
    for (const CompressionProblem &problem : unreadable)
        job.addSkipped(fileName(problem.path), problem.path, problem.reason);
    for (const CompressionProblem &problem : failed)
        job.addFailed(fileName(problem.path), problem.path, problem.path, problem.reason);
    return job;
}
