// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace imageio {

// The type identifier ("public.jpeg", "public.heic", ...) of the photo at `path`, judged
// from its first bytes only, so a scan over thousands of files stays cheap; empty when
// the file cannot be opened or is not a format this layer reads (movies, sidecars,
// raw formats Exiv2 has no writer for, text). Callable from any thread.
QString photoTypeOfFile(const QString &path);

} // namespace imageio
