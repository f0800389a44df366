#include "EditReport.h"

QStringList EditReport::problemLines() const
{
    QStringList lines;
    for (const Problem &p : failed)
        lines << QStringLiteral("%1: %2").arg(p.fileName, p.reason);
    for (const Problem &p : skipped)
        lines << QStringLiteral("%1: %2").arg(p.fileName, p.reason);
    return lines;
}
