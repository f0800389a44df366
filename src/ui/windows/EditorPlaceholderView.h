// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// What the drawer shows until the metadata editor's view is put in it.
class EditorPlaceholderView : public QWidget
{
    Q_OBJECT
public:
    explicit EditorPlaceholderView(QWidget *parent = nullptr);
};
