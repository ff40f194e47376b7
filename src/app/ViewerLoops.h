#pragma once
// Lets the main window end every running viewer loop before the program exits. The viewer
// subsystem installs the function that does it; without viewers there is nothing to leave.

#include <functional>

namespace tallowby {

void SetViewerLoopLeaver(std::function<void()> leaver);
void LeaveViewerLoops();

}  // namespace tallowby
