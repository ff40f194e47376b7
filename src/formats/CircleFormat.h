#pragma once
// How the R scripts draw circles: the process-wide circle format, its lists, and the settings file
// R_script/Setting/circ_format.txt that mirrors it. Nothing is read back from the file; the state
// starts with fixed values at every run and the form "Circle draw format" changes it.
//
// Use: CircleFormatState().circleSpaceFraction, ResetCircleFormat() in tests.

#include <string>
#include <vector>

namespace tallowby {

struct CircleFormat {
    int singleWidthIndex = 7;   // item of the single-circle width list (item i is the value i + 3)
    int siteWidthIndex = 2;     // item of the site-circle width list (item i is the value i + 3)
    int siteIntervalIndex = 5;  // item of the interval list (item i is the value i)
    int circleColourIndex = 0;  // item of kCircleColourNames
    int circleClockwise = 0;    // 0 anticlockwise, 1 clockwise
    int circleShowUtr = 1;
    int circleShowDirection = 0;
    int circleDraw2D = 0;       // 0 three-dimensional scripts, otherwise two-dimensional
    // Share of the drawing radius one circle of a site takes: (site width + interval) / 50.
    float circleSpaceFraction = 0.2f;
};

CircleFormat& CircleFormatState();
void ResetCircleFormat();

// The colour list of the form, index = circleColourIndex.
const std::vector<std::string>& CircleColourNames();
// The items of the two width lists ("3".."10") and of the interval list ("0".."10").
const std::vector<std::string>& CircleWidthItems();
const std::vector<std::string>& CircleIntervalItems();

}  // namespace tallowby
