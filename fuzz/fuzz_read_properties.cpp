// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the properties of any container, as `info` and the editor's info panel do.

#include "FuzzSupport.h"

#include "imageio/ImageSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::initialize();
    QString error;
    const auto source = imageio::ImageSource::create(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                                                     &error);
    if (!source)
        return 0;
    const QVariantMap properties = source->properties();
    (void)source->type();
    (void)source->count();
    (void)properties.size();
    return 0;
}
