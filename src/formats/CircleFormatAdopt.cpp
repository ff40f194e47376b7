#include "formats/CircleFormatAdopt.h"

#include "app/Text.h"
#include "formats/CircleFormat.h"

#include <cstdlib>
#include <fstream>
#include <vector>

namespace tallowby {

namespace {
// A decimal number that is the whole text.
bool ReadNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && value >= 0;
}
}  // namespace

bool AdoptCircleFormatFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; lines.size() < 6 && std::getline(in, line);) lines.emplace_back(DropCarriageReturn(line));
    if (lines.size() < 6 || (lines[5] != "3D" && lines[5] != "2D")) return false;
    std::vector<std::string> widths = SplitText(lines[1], '\t');
    if (widths.size() != 2) return false;
    std::vector<std::string> site = SplitText(widths[1], '_');
    double siteWidth = 0, interval = 0;
    if (site.size() != 2 || !ReadNumber(site[0], siteWidth) || !ReadNumber(site[1], interval)) return false;
    CircleFormat& format = CircleFormatState();
    format.circleSpaceFraction = static_cast<float>((siteWidth + interval) / 50.0);
    format.circleDraw2D = lines[5] == "2D" ? 1 : 0;
    return true;
}

}  // namespace tallowby
