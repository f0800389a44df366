#include "CompressionReport.h"

#include "SizeText.h"

int CompressionReport::savingPercent() const
{
    if (allFileSize == 0)
        return 0;
    return static_cast<qint32>(static_cast<float>(savedFileSize) / static_cast<float>(allFileSize) * 100.0f);
}

QString CompressionReport::finishText() const
{
    return compress::finishText(savedFileSize, allFileSize);
}
