// SPDX-License-Identifier: GPL-3.0-or-later
#include "VersionNumber.h"

#include <QList>

#include <algorithm>
#include <limits>

namespace versionnumber {

namespace {

// Leading digits only; a component too long for 64 bits saturates rather than wraps,
// so an absurd version stays "very new" instead of becoming small.
quint64 componentValue(QStringView component)
{
    quint64 value = 0;
    for (QChar c : component) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        const quint64 digit = quint64(c.unicode() - '0');
        if (value > (std::numeric_limits<quint64>::max() - digit) / 10)
            return std::numeric_limits<quint64>::max();
        value = value * 10 + digit;
    }
    return value;
}

QList<quint64> components(const QString &version)
{
    QList<quint64> values;
    const QString trimmed = version.trimmed();
    if (trimmed.isEmpty())
        return values;
    for (QStringView part : QStringView(trimmed).split(QLatin1Char('.')))
        values.append(componentValue(part));
    return values;
}

} // namespace

int compare(const QString &a, const QString &b)
{
    const QList<quint64> left = components(a);
    const QList<quint64> right = components(b);
    const qsizetype count = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < count; ++i) {
        const quint64 l = left.value(i, 0);
        const quint64 r = right.value(i, 0);
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

} // namespace versionnumber
