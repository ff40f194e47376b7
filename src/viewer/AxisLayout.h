#pragma once
// Where the coordinate axis of the structure picture puts its ticks and numbers. Plain
// computation, no drawing: DrawAxis draws what this returns, and tests check it directly.
//
// Positions are bases on the site's chromosome (0-based, as the gene model); x values are scene
// units (see viewer/ViewerScene.h: the site spans -0.5 .. 0.5, a point lands on the screen at
// scale * (x + translate)).

#include <cstdint>
#include <string>
#include <vector>

namespace tallowby {

struct AxisInput {
    int siteStart = 0, siteEnd = 1;
    int rangeLo = 0, rangeHi = 0;  // smallest start and largest end of the drawn parts
    float scale = 1;               // scaleX
    float panOffset = 0;
    std::string mode = "site";     // "site", "circle", "linear" or "express"
};

struct AxisTick {
    double x = 0;           // scene x of the tick
    bool labelled = false;  // whether its number is drawn (when the axis numbers are on)
    long long label = 0;    // the position it stands for
};

struct AxisLayout {
    int64_t powerOfTen = 10;  // the first power of ten above the site length (64 bits: no overflow)
    int64_t unit = 1;         // powerOfTen / 10: the place of the length's leading digit
    int64_t width = 1;        // the length cut to its leading digit (4567 -> 4000)
    long long base = 0;       // rangeLo rounded down (toward zero) to a hundred
    double x0 = 0;            // scene x of base: where the axis starts
    double rangeLoX = 0;      // scene x of rangeLo
    double tickCount = 0;     // (rangeHi - base) / width + 1
    double axisLength = 0;    // scene length of the axis line
    double tickStep = 0;      // scene length of a tenth of width
    int font = 12;            // pixel size of the numbers
    double labelY = 0;        // scene y of the numbers (below the axis in "express" mode)
    double tickHeight = 0;    // before the division by scale
    int step = 5;             // tenths of width between ticks
    double increment = 0.5;   // label increment, in widths
    double visibleLeft = 0, visibleRight = 0;  // bases from the site middle that are on screen (+-1.2)
    double tickLineWidth = 0, tickWidth = 0;
    std::vector<AxisTick> ticks;
};

[[nodiscard]] AxisLayout ComputeAxisLayout(const AxisInput& input);

}  // namespace tallowby
