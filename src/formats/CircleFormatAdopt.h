#pragma once
// A batch drawing uses the circle format file as the user left it: the CLI writes no settings over
// an existing file, so the fit check and the choice of script must follow the file, not the
// start values of the in-memory format.

#include <string>

namespace tallowby {

// Takes circleSpaceFraction ((site width + interval) / 50, from line 2) and circleDraw2D (line 6)
// from a circle format file. A file that cannot be read, or whose lines do not read as the format
// writes them, changes nothing and returns false (the drawing then reports the file's problem).
bool AdoptCircleFormatFile(const std::string& path);

}  // namespace tallowby
