#include "formats/LinearFormat.h"

#include "app/Messages.h"
#include "formats/ViewerColours.h"

namespace tallowby {

namespace {
const std::vector<std::string> kSchemeNames = {"blue", "green & blue", "green", "yellow", "red", "purple", "grey"};

// The CDS colours of each scheme before the 0.02 darkening of the shaded sets, in list order. The
// colour tables keep them private; a test ties these to SetGeneColours so the two cannot drift.
const CdsBaseColours kCdsColours[] = {
    {{0.1, 0.2, 0.95}, {0.01, 0.08, 0.45}},    // blue
    {{0.2, 0.8, 0.8}, {0.15, 0.58, 0.58}},     // green & blue
    {{0.2, 0.82, 0.25}, {0.12, 0.58, 0.18}},   // green
    {{0.86, 0.86, 0.2}, {0.6, 0.6, 0.15}},     // yellow
    {{0.82, 0.2, 0.25}, {0.58, 0.12, 0.18}},   // red
    {{0.78, 0.25, 0.82}, {0.55, 0.15, 0.58}},  // purple
    {{0.68, 0.68, 0.68}, {0.5, 0.5, 0.5}},     // grey
};

bool InList(int index) { return index >= 0 && static_cast<size_t>(index) < kSchemeNames.size(); }

int Byte(double component) { return static_cast<int>(255.0 * component); }
}  // namespace

LinearFormat& LinearFormatState() {
    static LinearFormat state;
    return state;
}

void ResetLinearFormat() { LinearFormatState() = LinearFormat{}; }

const std::vector<std::string>& LinearSchemeNames() { return kSchemeNames; }

std::string LinearSchemeName(int index) { return InList(index) ? kSchemeNames[static_cast<size_t>(index)] : "blue"; }

CdsBaseColours SchemeCdsColours(int schemeIndex) { return kCdsColours[InList(schemeIndex) ? schemeIndex : 0]; }

void ApplyWorkingGeneColours() {
    const LinearFormatChoice& working = LinearFormatState().working;
    SetGeneColours(working.singleColour != 0, LinearSchemeName(working.geneColourIndex));
}

bool ApplyLinearFormat(const LinearFormatChoice& choice, int& referenceColourIndex) {
    LinearFormat& state = LinearFormatState();
    state.working = choice;
    ApplyWorkingGeneColours();
    bool changed = false;
    if (choice.geneColourIndex != referenceColourIndex) {
        referenceColourIndex = choice.geneColourIndex;
        changed = true;
    }
    auto copy = [&changed](int working, int& applied) {
        if (working == applied) return;
        applied = working;
        changed = true;
    };
    copy(choice.singleColour, state.singleColour);
    copy(choice.geneDirection, state.showGeneDirection);
    copy(choice.geneName, state.showGeneName);
    copy(choice.backgroundLines, state.showBackgroundLines);
    copy(choice.coordinateAxis, state.showCoordinateAxis);
    ShowInformation(changed ? "Saved!" : "Not changed!");
    return changed;
}

std::vector<SwatchFill> LinearPreviewFills(int schemeIndex, bool singleColour, int width, int height) {
    const CdsBaseColours colours = SchemeCdsColours(schemeIndex);
    const double* top = colours.top;
    const double* bottom = colours.bottom;
    if (singleColour) {
        // The flat CDS colour of the single-colour gene set, mixed in float as that set mixes it.
        int mixed[3];
        for (int c = 0; c < 3; ++c)
            mixed[c] = static_cast<int>(255.0f * (0.8f * static_cast<float>(top[c]) + 0.2f * static_cast<float>(bottom[c])));
        return {{0, 0, width, height, {mixed[0], mixed[1], mixed[2]}}};
    }
    // Each step paints over the upper part of the one before, so the lower edge keeps the bottom
    // colour and the upper edge shows the last step, nearly the top colour.
    std::vector<SwatchFill> fills;
    for (int i = 0; i < 50; ++i) {
        int shade[3];
        for (int c = 0; c < 3; ++c) shade[c] = Byte(bottom[c] - (bottom[c] - top[c]) * i / 50.0);
        fills.push_back({0, 0, width, height - height * i / 50, {shade[0], shade[1], shade[2]}});
    }
    return fills;
}

}  // namespace tallowby
