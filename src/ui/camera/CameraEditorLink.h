// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CameraController;
class EditorController;

// Joins the camera window to the metadata editor: downloads imported to edit join the
// editor list; the editor's "Camera" switch (there while a camera is attached) makes
// the camera its current source, listing the camera's items with the camera window's
// selection, and the camera window's command menus put the editor in that mode too.
namespace cameraeditorlink {

void connect(CameraController &camera, EditorController &editor);

} // namespace cameraeditorlink
