// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QFormLayout;
class QLabel;
struct PhotoInfo;

// The editor's photo information labels, captioned, in a scrolling column.
class PhotoInfoPanel : public QWidget
{
    Q_OBJECT
public:
    explicit PhotoInfoPanel(QWidget *parent = nullptr);

    void showInfo(const PhotoInfo &info);
    // Every label set to the empty text.
    void clear();

    QLabel *photoNamelab = nullptr;
    QLabel *photoCreateDatelab = nullptr;
    QLabel *photoFileSizelab = nullptr;
    QLabel *photoImageSizelab = nullptr;
    QLabel *photoDPIlab = nullptr;
    QLabel *artistlab = nullptr;
    QLabel *imageDescriptionlab = nullptr;
    QLabel *copyrightlab = nullptr;
    QLabel *cameraMakelab = nullptr;
    QLabel *cameraModellab = nullptr;
    QLabel *photoModDatelab = nullptr;
    QLabel *dateTakenlab = nullptr;
    QLabel *dateDigitizedlab = nullptr;
    QLabel *takenOffsetlab = nullptr; // its row shows only when the photo has the offset
    QLabel *commentslab = nullptr;
    QLabel *keywordslab = nullptr;
    QLabel *gpsDatelab = nullptr;
    QLabel *gpsTimelab = nullptr;
    QLabel *gpsAltitudelab = nullptr;
    QLabel *gpsLatitudelab = nullptr;
    QLabel *gpsLongitudelab = nullptr;

    QList<QLabel *> labels() const;

private:
    QFormLayout *m_form = nullptr;
};
