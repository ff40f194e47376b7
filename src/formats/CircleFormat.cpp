#include "formats/CircleFormat.h"

namespace tallowby {

namespace {
std::vector<std::string> NumberTexts(int first, int last) {
    std::vector<std::string> texts;
    for (int value = first; value <= last; ++value) texts.push_back(std::to_string(value));
    return texts;
}
}  // namespace

CircleFormat& CircleFormatState() {
    static CircleFormat format;
    return format;
}

void ResetCircleFormat() { CircleFormatState() = CircleFormat{}; }

const std::vector<std::string>& CircleColourNames() {
    static const std::vector<std::string> names = {"Blue",   "Green", "Yellow",          "Red",
                                                   "Purple", "Brown", "Grey",            "pink_white_blue",
                                                   "red_wood_gold", "blue_red_green", "blue_yellow_green"};
    return names;
}

const std::vector<std::string>& CircleWidthItems() {
    static const std::vector<std::string> items = NumberTexts(3, 10);
    return items;
}

const std::vector<std::string>& CircleIntervalItems() {
    static const std::vector<std::string> items = NumberTexts(0, 10);
    return items;
}

}  // namespace tallowby
