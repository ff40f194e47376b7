#include "viewer/AxisLayout.h"

#include <cmath>

namespace tallowby {

namespace {
struct ScaleRow {
    float below;  // the row holds scales below this
    int step;
    double increment;
};
// The coarser the zoom, the further apart the ticks.
constexpr ScaleRow kScaleRows[] = {{0.02f, 500, 50}, {0.1f, 100, 10}, {0.5f, 20, 2}, {1.25f, 5, 0.5}};

void ChooseStep(float scale, AxisLayout& layout) {
    layout.step = 2;
    layout.increment = 0.2;
    for (const ScaleRow& row : kScaleRows)
        if (scale < row.below) {
            layout.step = row.step;
            layout.increment = row.increment;
            return;
        }
}

void ChooseLabelSize(const AxisInput& input, double length, AxisLayout& layout) {
    const float s = input.scale;
    layout.labelY = 0.12 / s;
    layout.tickHeight = 0.05;
    if (s < 0.03f || s * 5000.0 / length < 0.15) {
        layout.font = 11;
        layout.labelY = 0.09 / s;
        layout.tickHeight = 0.04;
    } else if (s >= 2.15f) {
        layout.font = 17;
        layout.tickHeight = 0.0625;
    } else if (s >= 1.25f) {
        layout.font = 14;
    } else {
        layout.font = 12;
    }
    if (input.mode != "site") {
        layout.tickHeight /= 1.75;
        layout.labelY /= 1.75;
    }
    if (input.mode == "express") layout.labelY = -layout.labelY * 1.1667;
}
}  // namespace

AxisLayout ComputeAxisLayout(const AxisInput& input) {
    AxisLayout layout;
    const int64_t length = static_cast<int64_t>(input.siteEnd) - input.siteStart;
    const double mid = (static_cast<double>(input.siteStart) + input.siteEnd) / 2.0;
    const double l = static_cast<double>(length);
    while (length / layout.powerOfTen > 0) layout.powerOfTen *= 10;
    layout.unit = layout.powerOfTen / 10;
    layout.width = length / layout.unit * layout.unit;

    layout.base = input.rangeLo / 100 * 100;
    layout.x0 = (layout.base - mid) / l;
    layout.rangeLoX = (input.rangeLo - mid) / l;
    const double w = static_cast<double>(layout.width);
    layout.tickCount = (input.rangeHi - static_cast<double>(layout.base)) / w + 1;
    layout.axisLength = layout.tickCount * w / l;
    layout.tickStep = (w / l) * 0.1;

    ChooseLabelSize(input, l, layout);
    ChooseStep(input.scale, layout);
    const float s = input.scale;
    layout.visibleLeft = (input.panOffset + 1.2) * l / s;
    layout.visibleRight = (1.2 - input.panOffset) * l / s;
    layout.tickLineWidth = (s + 1) * 0.75;
    layout.tickWidth = s >= 2.15f ? layout.tickLineWidth * 2.15 / s : layout.tickLineWidth;

    // Each number comes from its tick's index rather than by adding up increments, so numbers far
    // along a chromosome stay exact.
    const long long middle = (static_cast<long long>(input.siteStart) + input.siteEnd) / 2;
    const double labelStep = layout.increment * w;
    long long count = 0;
    for (double i = 0; i <= layout.tickCount * 10; i += layout.step, ++count) {
        const double x = i * layout.tickStep;
        if (x >= layout.axisLength) break;
        AxisTick tick;
        tick.x = layout.x0 + x;
        tick.label = layout.base + static_cast<long long>(std::floor(count * labelStep + 1e-9));
        const long long fromMiddle = tick.label - middle;
        tick.labelled =
            s <= 0.5f || (-layout.visibleLeft <= fromMiddle && fromMiddle <= layout.visibleRight);
        layout.ticks.push_back(tick);
    }
    return layout;
}

}  // namespace tallowby
