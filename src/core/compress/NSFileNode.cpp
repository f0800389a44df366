#include "NSFileNode.h"

#include "SizeText.h"

QString NSFileNode::percentText() const
{
    return compress::savingPercentText(m_orignalFileSize, m_restFileSize);
}
