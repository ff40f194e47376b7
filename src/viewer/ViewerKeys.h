#pragma once
// The rules of the viewer's keys and window sizes, as plain computation on the scene, so that
// tests can check them without a window. The window callbacks apply them and redraw.

#include "viewer/ViewerScene.h"

namespace tallowby {

enum class ArrowKey { Left, Right, Up, Down };

// Pans or zooms the scene by one press; a press that would show the drawn genes no further
// than screen x +-0.8 on the side it moves towards (or that would zoom past 10) changes nothing.
// siteLength is siteEnd - siteStart. Returns whether the scene changed.
bool ApplyArrowKey(ViewerScene& scene, ArrowKey key, int siteLength);

// 's' and 'S' save the picture; every other key does nothing.
[[nodiscard]] bool IsSaveKey(unsigned char key);

// What a window reshaped to width x height must do: below 680 pixels in either direction it asks
// for the corrected size (and draws once that arrives); otherwise it takes the whole window.
struct ReshapeDecision {
    int storedWidth = 0, storedHeight = 0;  // what the scene records
    bool useWholeWindow = false;            // set the viewport to the window
    bool askForSize = false;
    int askedWidth = 0, askedHeight = 0;
};
[[nodiscard]] ReshapeDecision DecideReshape(int width, int height);

}  // namespace tallowby
