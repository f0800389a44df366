// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultRow.h"

#include "SizeText.h"

QString ResultRow::percentText() const
{
    return compress::savingPercentText(m_originalFileSize, m_restFileSize);
}
