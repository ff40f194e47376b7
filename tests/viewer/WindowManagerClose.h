#pragma once
// Asks the current viewer window to close the way a window manager does when the user clicks its
// close button (a WM_DELETE_WINDOW message). Kept apart: the X headers clash with Qt's.

namespace tallowby::test {

void SendWindowManagerClose();

}  // namespace tallowby::test
