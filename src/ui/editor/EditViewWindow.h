// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct EditSheetFields;
class QLabel;
class QLineEdit;
class CommandButton;

// The edit sheet (`editViewWindow`), shown as a sheet of the main window: thirteen
// fields applied to the selected photos, saved as a template, or left with Back.
// Its three image buttons run their commands on the press.
class EditViewWindow : public QDialog
{
    Q_OBJECT
public:
    explicit EditViewWindow(QWidget *parent = nullptr);

    EditSheetFields fields() const;
    void setFields(const EditSheetFields &fields);
    // Every field empty except the camera date, as clearing the photo list wants.
    void clearKeepingCameraDate();

    QLineEdit *artistlab = nullptr;
    QLineEdit *imageDescriptionlab = nullptr;
    QLineEdit *copyrightlab = nullptr;
    QLineEdit *cameraMakelab = nullptr;
    QLineEdit *cameraModellab = nullptr;
    QLineEdit *cameraDatelab = nullptr;
    QLineEdit *commentslab = nullptr;
    QLineEdit *keywordslab = nullptr;
    QLineEdit *gpsDatelab = nullptr;
    QLineEdit *gpsTimelab = nullptr;
    QLineEdit *gpsAltitudelab = nullptr;
    QLineEdit *gpsLatitudelab = nullptr;
    QLineEdit *gpsLongitudelab = nullptr;
    QList<QLineEdit *> allFields() const;

    CommandButton *editApplyBtn = nullptr;
    CommandButton *editTemplateBtn = nullptr;
    CommandButton *editBackBtn = nullptr;
    QLabel *statusLabel = nullptr;
};
