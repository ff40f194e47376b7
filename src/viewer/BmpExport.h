#pragma once
// Saving a viewer window as a BMP picture (viewer/BmpFile.h). The picture is the window's own
// frame: it is drawn again and read back before it is shown, so it holds exactly what the window
// shows, whatever covers the window on the screen.

#include "viewer/BmpFile.h"

#include <string>

namespace tallowby {

// The current viewer window's picture at its present size.
[[nodiscard]] BgrImage ReadWindowPicture();

// Writes the current viewer window to path. A file that cannot be written gives
// "Failed to write <path>." and false.
bool WriteWindowBmp(const std::string& path);

// The save dialog (default extension "bmp", starting in the workspace's output/OpenGL/), then
// WriteWindowBmp on the chosen path; cancelling does nothing.
void SaveViewerPicture();

}  // namespace tallowby
