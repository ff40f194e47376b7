#pragma once
// The viewer's bitmap text: a bold serif (the fontconfig match for "Georgia:bold", DejaVu Serif Bold
// where Georgia is missing) in six pixel sizes, characters 32 to 127, one display list per
// character. Display lists belong to a window's GL context, so each viewer window builds its own;
// the glyphs are rasterised once per run.

#include <string>
#include <vector>

namespace tallowby {

// The six pixel sizes that exist: 11, 12, 14, 15, 17, 18.
const std::vector<int>& ViewerFontSizes();

// The font file fontconfig chose, "" when none was found.
const std::string& ViewerFontFile();

// Builds the display lists of every size in the current window and records them for it (and in
// Scene().fontListBase). False, after an error message, when no font could be loaded.
bool BuildFonts();

// Drops the lists recorded for a window that is gone.
void ForgetWindowFonts(int window);

// Draws text in black at scene point (x, y) of the current window in one of the six sizes; the
// current colour is unchanged afterwards. Characters outside 32..126 show as '?'. A size that
// does not exist, or a point outside the window, draws nothing.
void DrawText(int size, float x, float y, const std::string& text);

}  // namespace tallowby
