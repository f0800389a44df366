// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoInfoPanel.h"

#include "app/Palette.h"

#include "metadata/PhotoInfo.h"

#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

PhotoInfoPanel::PhotoInfoPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *content = new QWidget;
    auto *form = new QFormLayout(content);
    form->setContentsMargins(2, 4, 2, 4);
    form->setHorizontalSpacing(6);
    form->setVerticalSpacing(2);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_form = form;

    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    const auto add = [&](QLabel **field, const char *name, const QString &caption, bool wrap = false) {
        auto *label = new QLabel(content);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(small);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(wrap);
        auto *title = new QLabel(caption, content);
        title->setFont(small);
        palette::setTextColour(title, palette::secondaryText);
        form->addRow(title, label);
        *field = label;
    };
    add(&photoNamelab, "photoNamelab", tr("Name"), true);
    // The file dates carry their offset; the panel is narrow, so they may wrap before it.
    add(&photoCreateDatelab, "photoCreateDatelab", tr("Created"), true);
    add(&photoModDatelab, "photoModDatelab", tr("Modified"), true);
    // The camera's dates beside the file's, so a date change starts from what the photo says.
    add(&dateTakenlab, "dateTakenlab", tr("Date taken"));
    add(&dateDigitizedlab, "dateDigitizedlab", tr("Date digitized"));
    add(&takenOffsetlab, "takenOffsetlab", tr("Time zone"));
    form->setRowVisible(takenOffsetlab, false);
    add(&photoFileSizelab, "photoFileSizelab", tr("File size"));
    add(&photoImageSizelab, "photoImageSizelab", tr("Pixels"));
    add(&photoDPIlab, "photoDPIlab", tr("DPI"));
    add(&cameraMakelab, "cameraMakelab", tr("Make"));
    add(&cameraModellab, "cameraModellab", tr("Model"));
    add(&artistlab, "artistlab", tr("Artist"));
    add(&copyrightlab, "copyrightlab", tr("Copyright"));
    add(&imageDescriptionlab, "imageDescriptionlab", tr("Description"), true);
    add(&commentslab, "commentslab", tr("Comments"), true);
    add(&keywordslab, "keywordslab", tr("Keywords"), true);
    add(&gpsDatelab, "gpsDatelab", tr("GPS date"));
    add(&gpsTimelab, "gpsTimelab", tr("GPS time"));
    add(&gpsAltitudelab, "gpsAltitudelab", tr("Altitude"));
    add(&gpsLatitudelab, "gpsLatitudelab", tr("Latitude"));
    add(&gpsLongitudelab, "gpsLongitudelab", tr("Longitude"));

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

QList<QLabel *> PhotoInfoPanel::labels() const
{
    return {photoNamelab, photoCreateDatelab, photoFileSizelab, photoImageSizelab, photoDPIlab, artistlab,
            imageDescriptionlab, copyrightlab, cameraMakelab, cameraModellab, photoModDatelab, commentslab,
            keywordslab, dateTakenlab, dateDigitizedlab, takenOffsetlab, gpsDatelab, gpsTimelab, gpsAltitudelab, gpsLatitudelab, gpsLongitudelab};
}

void PhotoInfoPanel::showInfo(const PhotoInfo &info)
{
    photoNamelab->setText(info.photoName);
    photoCreateDatelab->setText(info.createDate);
    photoFileSizelab->setText(info.fileSize);
    photoImageSizelab->setText(info.imageSize);
    photoDPIlab->setText(info.dpi);
    artistlab->setText(info.artist);
    imageDescriptionlab->setText(info.imageDescription);
    copyrightlab->setText(info.copyright);
    cameraMakelab->setText(info.cameraMake);
    cameraModellab->setText(info.cameraModel);
    photoModDatelab->setText(info.modDate);
    dateTakenlab->setText(info.dateTaken);
    dateDigitizedlab->setText(info.dateDigitized);
    takenOffsetlab->setText(info.takenOffset);
    m_form->setRowVisible(takenOffsetlab, !info.takenOffset.isEmpty());
    commentslab->setText(info.comments);
    keywordslab->setText(info.keywords);
    gpsDatelab->setText(info.gpsDate);
    gpsTimelab->setText(info.gpsTime);
    gpsAltitudelab->setText(info.gpsAltitude);
    gpsLatitudelab->setText(info.gpsLatitude);
    gpsLongitudelab->setText(info.gpsLongitude);
}

void PhotoInfoPanel::clear()
{
    for (QLabel *label : labels())
        label->setText(QString());
    m_form->setRowVisible(takenOffsetlab, false);
}
