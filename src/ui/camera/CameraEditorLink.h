// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class AppDelegate;
class CameraController;
class EditorController;

// Joins the camera window to the metadata editor: downloads imported to edit join the
// editor list, and the camera window's command menus run the editor's commands on the
// camera items' downloaded copies (the editor's camera mode for that one command).
namespace cameraeditorlink {

void connect(CameraController &camera, EditorController &editor, AppDelegate &delegate);

} // namespace cameraeditorlink
