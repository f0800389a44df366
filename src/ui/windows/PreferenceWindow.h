// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The preferences: the compression options and the Output folder. The controller saves
// each box the moment it changes and reads them when a job starts; it also wires the
// chooser button.
class PreferenceWindow : public QDialog
{
    Q_OBJECT
public:
    explicit PreferenceWindow(QWidget *parent = nullptr);

    QCheckBox *retainPreMetaBtn() const { return m_keepMetadata; }
    QCheckBox *keepOriginalPhotoBtn() const { return m_keepOriginal; }
    QCheckBox *includeSubfoldersBtn() const { return m_includeSubfolders; }
    QLabel *photolocationlab() const { return m_location; }
    // Shows the Output folder with the home folder as "~" (the whole path in the tooltip).
    void showPhotoLocation(const QString &folder);
    QPushButton *chooseLocationBtn() const { return m_choose; }
    // System, Light, Dark; the item data is the stored name.
    QComboBox *appearanceBox() const { return m_appearance; }

private:
    QCheckBox *m_keepMetadata;
    QCheckBox *m_keepOriginal;
    QCheckBox *m_includeSubfolders;
    QLabel *m_location;
    QPushButton *m_choose;
    QComboBox *m_appearance;
};
