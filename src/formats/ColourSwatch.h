#pragma once
// The preview of a named colour in the format forms: the swatch is cut into three vertical thirds,
// one per group of shades (colour, lighter, darker). The flat preview fills each third with the
// group's colour; the 3D preview adds a band of the lighter shade and a 20-step gradient from the
// darker shade at the bottom up to the colour at the middle.

#include "formats/ColourNames.h"

#include <vector>

namespace tallowby {

// A filled rectangle in the swatch's pixel coordinates: left and top inclusive, right and bottom
// exclusive. Later fills paint over earlier ones.
struct SwatchFill {
    int left = 0, top = 0, right = 0, bottom = 0;
    Rgb255 colour;
};

// The fills for a swatch of width x height pixels; none when `shades` holds fewer than nine colours.
[[nodiscard]] std::vector<SwatchFill> ColourSwatchFills(const std::vector<int>& shades, int width, int height,
                                                        bool threeD);

}  // namespace tallowby
