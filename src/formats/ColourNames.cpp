#include "formats/ColourNames.h"

#include <array>

namespace tallowby {

namespace {
struct NamedShades {
    const char* name;
    std::array<int, 27> values;
};

// In the order the table is filled. The last two names share the lists of two earlier ones under
// the names the sequence format uses.
const NamedShades kNamedShades[] = {
    {"Blue", {0, 0, 255, 46, 69, 246, 0, 0, 167, 0, 238, 238, 0, 255, 255, 0, 205, 205, 79, 148, 205, 88, 166, 231,
              63, 118, 164}},
    {"Red", {238, 26, 26, 255, 19, 19, 205, 15, 15, 238, 162, 173, 255, 174, 185, 205, 140, 149, 238, 106, 167, 238,
             106, 167, 205, 96, 144}},
    {"Yellow", {238, 173, 14, 255, 185, 15, 205, 149, 12, 242, 242, 0, 255, 255, 0, 216, 216, 0, 238, 220, 130, 248,
                230, 135, 205, 190, 112}},
    {"Green", {0, 205, 0, 0, 221, 0, 0, 164, 0, 188, 238, 104, 202, 255, 112, 162, 205, 90, 124, 205, 124, 144, 238,
               144, 84, 139, 84}},
    {"Purple", {154, 50, 205, 176, 57, 235, 104, 34, 139, 239, 132, 234, 255, 141, 250, 209, 117, 205, 159, 121, 238,
                171, 130, 255, 137, 104, 205}},
    {"Brown", {205, 102, 29, 223, 110, 31, 165, 82, 23, 240, 155, 73, 255, 165, 79, 205, 133, 63, 193, 178, 106, 201,
               188, 126, 162, 148, 83}},
    {"Grey", {36, 36, 36, 46, 46, 46, 20, 20, 20, 127, 127, 127, 140, 140, 140, 102, 102, 102, 82, 82, 82, 97, 97, 97,
              71, 71, 71}},
    {"pink_white_blue", {205, 155, 155, 229, 173, 173, 175, 132, 132, 205, 192, 176, 229, 214, 196, 175, 164, 150, 162,
                         181, 205, 181, 202, 229, 138, 154, 175}},
    {"red_wood_gold", {238, 59, 59, 255, 64, 64, 205, 51, 51, 238, 197, 145, 255, 211, 155, 205, 170, 125, 238, 180, 34,
                       255, 193, 37, 205, 155, 29}},
    {"blue_red_green", {0, 0, 139, 31, 31, 153, 0, 0, 82, 139, 0, 0, 153, 31, 31, 82, 0, 0, 0, 100, 0, 31, 118, 31, 0,
                        59, 0}},
    {"blue_yellow_green", {0, 0, 128, 31, 31, 143, 0, 0, 75, 205, 205, 0, 211, 211, 31, 179, 179, 0, 42, 143, 42, 61,
                           153, 61, 24, 102, 24}},
    {"pink_blue", {205, 155, 155, 229, 173, 173, 175, 132, 132, 205, 192, 176, 229, 214, 196, 175, 164, 150, 162, 181,
                   205, 181, 202, 229, 138, 154, 175}},
    {"red_gold", {238, 59, 59, 255, 64, 64, 205, 51, 51, 238, 197, 145, 255, 211, 155, 205, 170, 125, 238, 180, 34, 255,
                  193, 37, 205, 155, 29}},
};

constexpr size_t kNameCount = std::size(kNamedShades);
}  // namespace

ColourNameTable& ColourNames() {
    static ColourNameTable table;
    return table;
}

void BuildColourNameTable() {
    ColourNameTable& table = ColourNames();
    if (table.size() == kNameCount) return;
    // Appended position by position, one value to every name in turn, so a list that somehow
    // holds values already keeps them in front.
    for (size_t position = 0; position < 27; ++position)
        for (const NamedShades& named : kNamedShades) table[named.name].push_back(named.values[position]);
}

const std::vector<int>* FindColourShades(const std::string& name) {
    const ColourNameTable& table = ColourNames();
    auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

Rgb255 ShadeOf(const std::vector<int>& shades, int shade) {
    size_t at = static_cast<size_t>(shade) * 3;
    if (shade < 0 || at + 2 >= shades.size()) return {};
    return {shades[at], shades[at + 1], shades[at + 2]};
}

}  // namespace tallowby
