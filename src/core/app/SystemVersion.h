// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <functional>

// The operating-system version probe. The algorithm asks a selector-based query
// ("sysv", then "sys1".."sys3"); on Linux the query answers from the running kernel.
namespace systemversion {

struct Version {
    quint32 major = 10;
    quint32 minor = 0;
    quint32 bugFix = 0;
};

// Returns 0 on success and fills *value, else a negative error code.
using Query = std::function<qint16(quint32 selector, qint32 *value)>;

constexpr quint32 selector(const char (&s)[5])
{
    return (quint32(quint8(s[0])) << 24) | (quint32(quint8(s[1])) << 16) | (quint32(quint8(s[2])) << 8)
        | quint32(quint8(s[3]));
}

// Packed decimal digits below 0x1040: 0x1039 gives 10.3.9.
Version decodePacked(quint32 packed);

// The probe with an injected query; failures log "Unable to obtain system version: %ld" and give 10.0.0.
Version probe(const Query &query);

// The query of the running system.
qint16 linuxQuery(quint32 selector, qint32 *value);

} // namespace systemversion

// Fills each out-value whose pointer is given.
void getSystemVersionMajor(quint32 *major, quint32 *minor, quint32 *bugFix);
