// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a version list as the update check does, from bytes any server may send, and
// holds the texts it would show to their promise: nothing a terminal would obey.

#include "FuzzSupport.h"

#include "update/UpdateCheckResult.h"

#include <cstdlib>

namespace {

bool hasControlCharacter(const QString &text, bool lineBreaksAllowed)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (lineBreaksAllowed && u == u'\n')
            continue;
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::initialize();
    const UpdateCheckResult result
        = UpdateCheckResult::evaluate(fuzzsupport::bytesOf(data, size), QStringLiteral("1.0"));
    const bool leaked = result.outcome == UpdateCheckResult::Failed
        ? hasControlCharacter(result.failureText(), false)
        : hasControlCharacter(result.newVersionText(), false) || hasControlCharacter(result.whatsNewText(), true);
    if (leaked) {
        fprintf(stderr, "a control character from the server reaches the texts shown\n");
        abort();
    }
    return 0;
}
