#include "formats/ColourSwatch.h"

namespace tallowby {

namespace {
constexpr int kGradientSteps = 20;

Rgb255 Minus(const Rgb255& colour, const Rgb255& step, int times) {
    return {colour.red - times * step.red, colour.green - times * step.green, colour.blue - times * step.blue};
}

void AddGradient(std::vector<SwatchFill>& fills, int left, int right, int height, const Rgb255& colour,
                 const Rgb255& darker) {
    // Integer steps truncated toward zero, as the colour channels are integers.
    Rgb255 step{(darker.red - colour.red) / kGradientSteps, (darker.green - colour.green) / kGradientSteps,
                (darker.blue - colour.blue) / kGradientSteps};
    int middle = static_cast<int>(height * 0.5);
    for (int i = 0; i < kGradientSteps; ++i) {
        // Each step covers less of the lower half, so the colour nears the middle step by step.
        int bottom = static_cast<int>(height - height * (static_cast<double>(i) / kGradientSteps) * 0.5);
        fills.push_back({left, middle, right, bottom, Minus(darker, step, i)});
    }
}
}  // namespace

std::vector<SwatchFill> ColourSwatchFills(const std::vector<int>& shades, int width, int height, bool threeD) {
    std::vector<SwatchFill> fills;
    if (shades.size() < 27 || width <= 0 || height <= 0) return fills;
    for (int group = 0; group < 3; ++group) {
        int left = width * group / 3, right = width * (group + 1) / 3;
        Rgb255 colour = ShadeOf(shades, group * 3), lighter = ShadeOf(shades, group * 3 + 1),
               darker = ShadeOf(shades, group * 3 + 2);
        fills.push_back({left, 0, right, height, colour});
        if (!threeD) continue;
        fills.push_back({left, static_cast<int>(height * 0.2), right, static_cast<int>(height * 0.4), lighter});
        AddGradient(fills, left, right, height, colour, darker);
    }
    return fills;
}

}  // namespace tallowby
