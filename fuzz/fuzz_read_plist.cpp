// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a property-list file as the metadata import does: XML or binary bytes to a map,
// the import's checks on that map for every kind, and the map written out again.

#include "FuzzSupport.h"

#include "metadata/PlistExchange.h"
#include "metadata/PropertyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::initialize();
    QString error;
    const auto root = propertylist::fromBytes(fuzzsupport::bytesOf(data, size), &error);
    if (!root)
        return 0;
    for (const auto kind : {plistexchange::Kind::Whole, plistexchange::Kind::Exif, plistexchange::Kind::Tiff,
                            plistexchange::Kind::ExifAndTiff})
        (void)plistexchange::importOverlay(kind, *root, &error);
    // What was read must write and read back: an export of it is a file a user may import again.
    if (!propertylist::fromBytes(propertylist::toXml(*root), &error)) {
        fprintf(stderr, "a map read from a property list does not read back: %s\n", qPrintable(error));
        abort();
    }
    return 0;
}
