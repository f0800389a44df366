// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Version strings such as "1.2.10": numbers separated by full stops, compared one
// component at a time as numbers, so 1.10 is newer than 1.9 and 2.0 newer than 1.9.9.
// A missing component counts as 0 (1.2 equals 1.2.0). Within a component only the
// leading digits count ("3b1" is 3); a component without digits is 0.
namespace versionnumber {

// Negative, zero or positive as `a` is older than, the same as or newer than `b`.
int compare(const QString &a, const QString &b);

// True when `candidate` is newer than `running`.
inline bool isNewer(const QString &candidate, const QString &running) { return compare(candidate, running) > 0; }

} // namespace versionnumber
