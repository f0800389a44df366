#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The preferences: the two compression options and the Output folder. The boxes are
// read when a job starts; the chooser button is wired by the controller.
class PreferenceWindow : public QDialog
{
    Q_OBJECT
public:
    explicit PreferenceWindow(QWidget *parent = nullptr);

    QCheckBox *retainPreMetaBtn() const { return m_keepMetadata; }
    QCheckBox *keeOriginalBtn() const { return m_keepOriginal; }
    QLabel *photolocationlab() const { return m_location; }
    QPushButton *chooseLocationBtn() const { return m_choose; }
    // System, Light, Dark; the item data is the stored name.
    QComboBox *appearanceBox() const { return m_appearance; }

private:
    QCheckBox *m_keepMetadata;
    QCheckBox *m_keepOriginal;
    QLabel *m_location;
    QPushButton *m_choose;
    QComboBox *m_appearance;
};
