// SPDX-License-Identifier: GPL-3.0-or-later
#include "SizeText.h"

#include <QCoreApplication>

#include <cstdio>

namespace compress {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SizeText)
};

// Each step divides the float value, not the integer, so rounding happens exactly where
// it always did (1536 bytes is 1.54 KB, 999999 bytes is 1000.00 KB).
double scaledDown(quint64 size, int steps)
{
    float value = static_cast<float>(size);
    for (int i = 0; i < steps; ++i)
        value = value / 1000.0f;
    return static_cast<double>(value);
}

int truncatedPercent(float numerator, float denominator)
{
    const float percent = numerator / denominator * 100.0f;
    return static_cast<qint32>(percent);
}

int savingPercent(quint64 originalSize, quint64 restSize)
{
    // A source of 0 bytes would divide 0 by 0; a larger result cannot be a saving.
    if (originalSize == 0 || restSize >= originalSize)
        return 0;
    return truncatedPercent(static_cast<float>(originalSize - restSize), static_cast<float>(originalSize));
}

} // namespace

char *size_to_unit(quint64 size, char *out_buffer)
{
    if (size <= 999ULL)
        std::snprintf(out_buffer, SizeTextBufferSize, "%d bytes", static_cast<int>(size));
    else if (size <= 999999ULL)
        std::snprintf(out_buffer, SizeTextBufferSize, "%.2f KB", scaledDown(size, 1));
    else if (size <= 999999999ULL)
        std::snprintf(out_buffer, SizeTextBufferSize, "%.2f MB", scaledDown(size, 2));
    else if (size < 1000000000000ULL)
        std::snprintf(out_buffer, SizeTextBufferSize, "%.2f GB", scaledDown(size, 3));
    else
        std::snprintf(out_buffer, SizeTextBufferSize, "%.2f TB", scaledDown(size, 4));
    return out_buffer;
}

QString sizeText(quint64 size)
{
    // Only "bytes" is a word to translate: KB, MB, GB and TB are symbols.
    if (size <= 999ULL)
        return Text::tr("%1 bytes").arg(static_cast<int>(size));
    char buffer[SizeTextBufferSize] = {};
    return QString::asprintf("%s", size_to_unit(size, buffer));
}

QString savingPercentText(quint64 originalSize, quint64 restSize)
{
    return QString::asprintf("%d%%", savingPercent(originalSize, restSize));
}

float progressFraction(int position, int total)
{
    if (total <= 0)
        return 0.0f;
    return static_cast<float>(static_cast<qint32>(position)) / static_cast<float>(static_cast<quint32>(total));
}

QString progressPercentText(float fraction)
{
    return QString::asprintf("%d%%", static_cast<qint32>(fraction * 100.0f));
}

QString finishText(quint64 savedFileSize, quint64 allFileSize)
{
    // With nothing measured there is nothing to divide by: the line reads 0%.
    const int percent = allFileSize == 0
        ? 0
        : truncatedPercent(static_cast<float>(savedFileSize), static_cast<float>(allFileSize));
    return Text::tr("Save  %1%  %2  total").arg(QString::number(percent), sizeText(savedFileSize));
}

} // namespace compress
