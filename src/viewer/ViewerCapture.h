#pragma once
// A viewer picture without anyone at the keyboard (the CLI's "view"): opens the window for the
// current site, presses the arrow keys as asked, writes the BMP and closes the window.

#include <string>

namespace tallowby {

struct ViewerCaptureRequest {
    std::string mode = "site";  // "site", "circle", "linear", "express" (structure) or "pos" (position)
    int zoomPresses = 0;        // up-arrow presses, 0 or more
    int panPresses = 0;         // right-arrow presses when positive, left-arrow presses when negative
    std::string bmpPath;
};

// The structure window needs the annotation of the site's chromosome loaded; the position window
// the chromosome's length in the length index. Every press goes through the window's arrow-key
// rule, so presses past its limits change nothing; the position window has no arrow keys and
// ignores both counts. False, after a message, when the window could not be opened or the BMP not
// written.
bool CaptureViewerPicture(const ViewerCaptureRequest& request);

}  // namespace tallowby
