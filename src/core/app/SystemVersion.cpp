// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemVersion.h"

#include <QDebug>

#include <sys/utsname.h>

#include <cstdio>

namespace systemversion {

Version decodePacked(quint32 packed)
{
    Version v;
    v.major = 10 * ((packed >> 12) & 0xF) + ((packed >> 8) & 0xF);
    v.minor = (packed >> 4) & 0xF;
    v.bugFix = packed & 0xF;
    return v;
}

Version probe(const Query &query)
{
    qint32 value = 0;
    qint16 err = query(selector("sysv"), &value);
    if (err == 0) {
        if (quint32(value) < 0x1040)
            return decodePacked(quint32(value));
        Version v;
        qint32 parts[3] = {0, 0, 0};
        const quint32 selectors[3] = {selector("sys1"), selector("sys2"), selector("sys3")};
        for (int i = 0; i < 3 && err == 0; ++i)
            err = query(selectors[i], &parts[i]);
        if (err == 0) {
            v.major = quint32(parts[0]);
            v.minor = quint32(parts[1]);
            v.bugFix = quint32(parts[2]);
            return v;
        }
    }
    qWarning("Unable to obtain system version: %ld", long(err));
    return Version{};
}

qint16 linuxQuery(quint32 sel, qint32 *value)
{
    struct utsname names;
    if (uname(&names) != 0)
        return -1;
    int parts[3] = {0, 0, 0};
    if (std::sscanf(names.release, "%d.%d.%d", &parts[0], &parts[1], &parts[2]) < 2)
        return -5551; // the answer could not be understood
    if (sel == selector("sysv")) {
        // No packed form for a kernel release: point callers at the separate answers.
        *value = 0xFFFF;
        return 0;
    }
    const quint32 separate[3] = {selector("sys1"), selector("sys2"), selector("sys3")};
    for (int i = 0; i < 3; ++i) {
        if (sel == separate[i]) {
            *value = parts[i];
            return 0;
        }
    }
    return -5551;
}

} // namespace systemversion

void getSystemVersionMajor(quint32 *major, quint32 *minor, quint32 *bugFix)
{
    const systemversion::Version v = systemversion::probe(systemversion::linuxQuery);
    if (major)
        *major = v.major;
    if (minor)
        *minor = v.minor;
    if (bugFix)
        *bugFix = v.bugFix;
}
