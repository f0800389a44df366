// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditViewWindow.h"

#include "app/Artwork.h"
#include "app/Palette.h"
#include "widgets/CommandButton.h"

#include "metadata/EditSheetFields.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit *field(QWidget *parent, const char *name, const QString &placeholder = {})
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setPlaceholderText(placeholder);
    edit->setMinimumWidth(200);
    return edit;
}

CommandButton *imageButton(QWidget *parent, const char *name, const QString &image, const QString &tip)
{
    auto *button = new CommandButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setImage(image);
    button->setFixedSize(artwork::size(image));
    button->setToolTip(tip);
    return button;
}

} // namespace

EditViewWindow::EditViewWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("editViewWindow"));
    setWindowTitle(tr("Edit Metadata"));
    setWindowModality(Qt::WindowModal);

    artistlab = field(this, "artistlab");
    imageDescriptionlab = field(this, "imageDescriptionlab");
    copyrightlab = field(this, "copyrightlab");
    commentslab = field(this, "commentslab");
    keywordslab = field(this, "keywordslab", tr("harbour, boats"));
    cameraMakelab = field(this, "cameraMakelab");
    cameraModellab = field(this, "cameraModellab");
    cameraDatelab = field(this, "cameraDatelab", QStringLiteral("YYYY:MM:DD HH:MM:SS"));
    gpsLatitudelab = field(this, "gpsLatitudelab", tr("-90 to 90"));
    gpsLongitudelab = field(this, "gpsLongitudelab", tr("-180 to 180"));
    gpsAltitudelab = field(this, "gpsAltitudelab", tr("metres"));
    gpsDatelab = field(this, "gpsDatelab", QStringLiteral("YYYY:MM:DD"));
    gpsTimelab = field(this, "gpsTimelab", QStringLiteral("HH:MM:SS"));

    auto group = [this](const QString &title, const QList<std::pair<QString, QLineEdit *>> &rows) {
        auto *box = new QGroupBox(title, this);
        auto *form = new QFormLayout(box);
        for (const auto &[label, edit] : rows)
            form->addRow(label, edit);
        return box;
    };
    auto *grid = new QGridLayout;
    grid->addWidget(group(tr("Description"), {{tr("Artist:"), artistlab},
                                              {tr("Description:"), imageDescriptionlab},
                                              {tr("Copyright:"), copyrightlab},
                                              {tr("Comments:"), commentslab},
                                              {tr("Keywords:"), keywordslab}}),
                    0, 0);
    grid->addWidget(group(tr("Camera"), {{tr("Make:"), cameraMakelab},
                                         {tr("Model:"), cameraModellab},
                                         {tr("Date taken:"), cameraDatelab}}),
                    0, 1);
    grid->addWidget(group(tr("GPS (written only with both latitude and longitude)"),
                          {{tr("Latitude:"), gpsLatitudelab},
                           {tr("Longitude:"), gpsLongitudelab},
                           {tr("Altitude:"), gpsAltitudelab},
                           {tr("GPS date:"), gpsDatelab},
                           {tr("GPS time:"), gpsTimelab}}),
                    1, 0, 1, 2);

    editBackBtn = imageButton(this, "editBackBtn", QStringLiteral("backnom.png"), tr("Back"));
    editTemplateBtn =
        imageButton(this, "editTemplateBtn", QStringLiteral("templatenom.png"), tr("Save the fields as templatefile.plist"));
    editApplyBtn = imageButton(this, "editApplyBtn", QStringLiteral("applynom.png"),
                               tr("Write copies of the selected photos with these values"));
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusLabel->setWordWrap(true);
    palette::setTextColour(statusLabel, palette::secondaryText);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(editBackBtn);
    buttons->addWidget(statusLabel, 1);
    buttons->addWidget(editTemplateBtn);
    buttons->addWidget(editApplyBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

QList<QLineEdit *> EditViewWindow::allFields() const
{
    return {artistlab,  imageDescriptionlab, copyrightlab, cameraMakelab, cameraModellab, cameraDatelab, commentslab,
            keywordslab, gpsDatelab,    gpsTimelab,   gpsAltitudelab,     gpsLatitudelab,    gpsLongitudelab};
}

EditSheetFields EditViewWindow::fields() const
{
    EditSheetFields f;
    f.artist = artistlab->text();
    f.imageDescription = imageDescriptionlab->text();
    f.copyright = copyrightlab->text();
    f.cameraMake = cameraMakelab->text();
    f.cameraModel = cameraModellab->text();
    f.cameraDate = cameraDatelab->text();
    f.comments = commentslab->text();
    f.keywords = keywordslab->text();
    f.gpsDate = gpsDatelab->text();
    f.gpsTime = gpsTimelab->text();
    f.gpsAltitude = gpsAltitudelab->text();
    f.gpsLatitude = gpsLatitudelab->text();
    f.gpsLongitude = gpsLongitudelab->text();
    return f;
}

void EditViewWindow::setFields(const EditSheetFields &f)
{
    artistlab->setText(f.artist);
    imageDescriptionlab->setText(f.imageDescription);
    copyrightlab->setText(f.copyright);
    cameraMakelab->setText(f.cameraMake);
    cameraModellab->setText(f.cameraModel);
    cameraDatelab->setText(f.cameraDate);
    commentslab->setText(f.comments);
    keywordslab->setText(f.keywords);
    gpsDatelab->setText(f.gpsDate);
    gpsTimelab->setText(f.gpsTime);
    gpsAltitudelab->setText(f.gpsAltitude);
    gpsLatitudelab->setText(f.gpsLatitude);
    gpsLongitudelab->setText(f.gpsLongitude);
}

void EditViewWindow::clearKeepingCameraDate()
{
    for (QLineEdit *edit : allFields())
        if (edit != cameraDatelab)
            edit->clear();
}
