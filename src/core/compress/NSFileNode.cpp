// SPDX-License-Identifier: GPL-3.0-or-later
#include "NSFileNode.h"

#include "SizeText.h"

QString NSFileNode::percentText() const
{
    return compress::savingPercentText(m_originalFileSize, m_restFileSize);
}
