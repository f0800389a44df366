// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertSheet.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

QMessageBox *openAlertSheet(QWidget *parent, const QString &objectName, const QString &message,
                            const QString &informative, bool warning)
{
    auto *alert = new QMessageBox(parent);
    alert->setObjectName(objectName);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(warning ? QMessageBox::Warning : QMessageBox::Information);
    // Messages quote file names and servers' answers: a "<" there is a character, never markup.
    alert->setTextFormat(Qt::PlainText);
    alert->setText(message);
    alert->setInformativeText(informative);
    QPushButton *ok = alert->addButton(QCoreApplication::translate("AlertSheet", " Ok "), QMessageBox::AcceptRole);
    alert->setDefaultButton(ok);
    alert->open();
    return alert;
}
