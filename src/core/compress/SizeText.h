// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The figures a compression job shows. All quotients are taken in single precision and
// truncated toward zero, so the texts match what the user has always been shown.
namespace compress {

// Buffer size every caller of size_to_unit passes (zero-filled).
inline constexpr int SizeTextBufferSize = 100;

// Writes the size text of `size` into `out_buffer` (at least SizeTextBufferSize bytes)
// and returns it. Decimal units: "%d bytes" up to 999, then "%.2f KB", "%.2f MB",
// "%.2f GB", "%.2f TB" with the byte count divided by 1000 per step in float.
char *size_to_unit(quint64 size, char *out_buffer);
// The same text as a string, with "bytes" in the user's language.
QString sizeText(quint64 size);

// "%d%%" of the whole percentage saved: (original - rest) / original * 100 in float,
// truncated; 0 when original is 0 or rest is not smaller.
QString savingPercentText(quint64 originalSize, quint64 restSize);

// Progress after the item at 0-based position i of n: i / n in float.
float progressFraction(int position, int total);
// "%d%%" of the fraction times 100, truncated. The last item of eight shows 87%.
QString progressPercentText(float fraction);

// The savings line at the end of a job: "Save  %d%%  %s  total", in the user's language.
// A job that measured nothing reads "Save  0%  0 bytes  total".
QString finishText(quint64 savedFileSize, quint64 allFileSize);

} // namespace compress
