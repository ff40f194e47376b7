#include "formats/CircleFormatFile.h"

#include "app/Messages.h"
#include "app/Paths.h"
#include "app/Text.h"
#include "app/Workspace.h"
#include "formats/TypedValueCheck.h"

#include <cstdlib>
#include <fstream>

namespace tallowby {

namespace {
constexpr size_t kOldLinesRead = 10;
constexpr size_t kComparedLines = 6;

struct ListReading {
    std::string text;
    int storedIndex = -1;  // -1: a typed value, whose index is not stored
};

// One list: its selected item, an item equal to the typed text, or a typed value within the rule.
std::optional<ListReading> ReadWidthList(WidthListEntry& entry, const std::vector<std::string>& items,
                                         const TypedValueRule& rule) {
    int count = static_cast<int>(items.size());
    if (entry.selectedIndex >= 0 && entry.selectedIndex < count)
        return ListReading{items[static_cast<size_t>(entry.selectedIndex)], entry.selectedIndex};
    for (int i = 0; i < count; ++i) {
        if (items[static_cast<size_t>(i)] != entry.text) continue;
        entry.selectedIndex = i;
        return ListReading{entry.text, i};
    }
    if (!CheckTypedValue(rule, entry.text)) return std::nullopt;
    return ListReading{entry.text, -1};
}

void StoreIndex(int& slot, const ListReading& reading) {
    if (reading.storedIndex >= 0) slot = reading.storedIndex;
}

std::vector<std::string> ReadOldLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (lines.size() < kOldLinesRead && std::getline(in, line)) lines.emplace_back(DropCarriageReturn(line));
    return lines;
}

bool SameFirstLines(const std::vector<std::string>& fresh, const std::vector<std::string>& old) {
    for (size_t i = 0; i < kComparedLines; ++i) {
        std::string oldLine = i < old.size() ? old[i] : std::string();
        if (fresh[i] != oldLine) return false;
    }
    return true;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << '\n';
    out << '\n';  // the seventh line, empty
    out.close();
    return !out.fail();
}

std::string ColourNameAt(int index) {
    const std::vector<std::string>& names = CircleColourNames();
    return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<size_t>(index)] : std::string();
}
}  // namespace

CircleFormatChoice ChoiceFromState(const CircleFormat& format) {
    CircleFormatChoice choice;
    choice.colourIndex = format.circleColourIndex;
    choice.clockwise = format.circleClockwise;
    choice.showUtr = format.circleShowUtr;
    choice.showDirection = format.circleShowDirection;
    choice.draw2D = format.circleDraw2D;
    choice.lists.singleWidth.selectedIndex = format.singleWidthIndex;
    choice.lists.siteWidth.selectedIndex = format.siteWidthIndex;
    choice.lists.interval.selectedIndex = format.siteIntervalIndex;
    return choice;
}

void StoreCircleToggles(const CircleFormatChoice& choice, CircleFormat& format) {
    format.circleClockwise = choice.clockwise;
    format.circleShowUtr = choice.showUtr;
    format.circleShowDirection = choice.showDirection;
    format.circleDraw2D = choice.draw2D;
}

std::optional<CircleWidthTexts> ReadCircleWidths(CircleWidthLists& lists, CircleFormat& format) {
    std::optional<ListReading> single =
        ReadWidthList(lists.singleWidth, CircleWidthItems(), {"Single circle-Width", 0.0, 20.0, false});
    if (!single) return std::nullopt;
    std::optional<ListReading> site =
        ReadWidthList(lists.siteWidth, CircleWidthItems(), {"Site with isoforms-Width", 0.0, 10.0, false});
    if (!site) return std::nullopt;
    std::optional<ListReading> interval =
        ReadWidthList(lists.interval, CircleIntervalItems(), {"Site with isoforms-Interval", 0.0, 10.0, true});
    if (!interval) return std::nullopt;

    StoreIndex(format.singleWidthIndex, *single);
    StoreIndex(format.siteWidthIndex, *site);
    StoreIndex(format.siteIntervalIndex, *interval);
    double siteWidth = std::strtod(site->text.c_str(), nullptr);
    double siteInterval = std::strtod(interval->text.c_str(), nullptr);
    format.circleSpaceFraction = static_cast<float>((siteWidth + siteInterval) / 50.0);
    return CircleWidthTexts{single->text, site->text, interval->text};
}

std::vector<std::string> CircleFormatLines(const CircleFormat& format, const CircleWidthTexts& widths) {
    return {ColourNameAt(format.circleColourIndex),
            widths.singleWidth + "_4\t" + widths.siteWidth + "_" + widths.interval,
            format.circleClockwise == 1 ? "clockwise" : "unclockwise",
            format.circleShowUtr ? "show_UTR" : "no_UTR",
            format.circleShowDirection ? "show_gene_direction" : "no_gene_direction",
            format.circleDraw2D ? "2D" : "3D"};
}

CircleSaveOutcome SaveCircleFormat(CircleFormatChoice& choice, CircleSaveMode mode) {
    // Worked on a copy: the state takes the choice only once the file says the same.
    CircleFormat format = CircleFormatState();
    StoreCircleToggles(choice, format);
    format.circleColourIndex = choice.colourIndex;
    std::optional<CircleWidthTexts> widths = ReadCircleWidths(choice.lists, format);
    if (!widths) return CircleSaveOutcome::Refused;

    std::string path = WorkspaceFile(kCircleFormatFile);
    EnsureFile(path);
    std::vector<std::string> lines = CircleFormatLines(format, *widths);
    if (SameFirstLines(lines, ReadOldLines(path))) {
        CircleFormatState() = format;
        if (mode == CircleSaveMode::Apply) ShowInformation("Not changed!");
        return CircleSaveOutcome::Unchanged;
    }
    if (!WriteLines(path, lines)) {
        ReportWriteFailure(path);
        return CircleSaveOutcome::WriteFailed;
    }
    CircleFormatState() = format;
    if (mode != CircleSaveMode::Quiet) ShowInformation("Saved!");
    return CircleSaveOutcome::Written;
}

}  // namespace tallowby
