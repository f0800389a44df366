// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class AppSettings;
class ConnectPhotoWindow;
class QWidget;

// What the metadata editor needs from the window it lives in, and nothing more: the editor
// never sees the compression controller behind it. Main thread only.
class EditorHost
{
public:
    virtual ~EditorHost() = default;

    // The parent of the editor's sheets and panels.
    virtual QWidget *mainWindow() const = 0;
    virtual AppSettings &settings() const = 0;
    // Puts the editor's view into the drawer under the main window, which takes it over.
    virtual void setDrawerContent(QWidget *view) = 0;
    // Whether the editor works on its own local list (true) or on another photo source.
    virtual void setEditorOnLocalList(bool local) = 0;

    // The photo library's connect sheet, which the compression screen shows too.
    virtual ConnectPhotoWindow *connectPhotoWindow() const = 0;
    virtual bool isCompressing() const = 0;
};
