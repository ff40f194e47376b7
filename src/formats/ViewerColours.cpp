#include "formats/ViewerColours.h"

#include "formats/ColourNames.h"

#include <array>

namespace tallowby {

namespace {
using Triple = std::array<double, 3>;

struct GeneScheme {
    const char* name;
    Triple cdsTop, cdsBottom;
    Triple intronTop, intronBottom;
    Triple utrTop, utrBottom, utrOutline;
    Triple bandFill, bandBorder;
    Triple expression, expressionSecond;
};

const GeneScheme kGeneSchemes[] = {
    {"blue", {0.1, 0.2, 0.95}, {0.01, 0.08, 0.45}, {0.5, 0.5, 0.68}, {0.5, 0.5, 0.68}, {1, 1, 1}, {0.65, 0.65, 0.85},
     {0.1, 0.2, 0.5}, {0.7, 0.8, 0.95}, {0.6, 0.7, 0.85}, {0.2, 0.2, 1}, {0, 0, 0}},
    {"green", {0.2, 0.82, 0.25}, {0.12, 0.58, 0.18}, {0.5, 0.68, 0.5}, {0.4, 0.5, 0.4}, {1, 1, 1}, {0.65, 0.9, 0.8},
     {0.1, 0.5, 0.2}, {0.75, 0.95, 0.82}, {0.5, 0.85, 0.65}, {0.2, 1, 0.2}, {0, 0, 0}},
    {"red", {0.82, 0.2, 0.25}, {0.58, 0.12, 0.18}, {0.68, 0.5, 0.5}, {0.5, 0.4, 0.4}, {1, 1, 1}, {0.9, 0.65, 0.8},
     {0.5, 0.1, 0.2}, {0.95, 0.85, 0.85}, {0.85, 0.6, 0.65}, {1, 0.2, 0.2}, {0, 0, 0}},
    {"yellow", {0.86, 0.86, 0.2}, {0.6, 0.6, 0.15}, {0.68, 0.68, 0.5}, {0.5, 0.5, 0.4}, {1, 1, 1}, {0.9, 0.9, 0.8},
     {0.5, 0.5, 0.2}, {0.95, 0.95, 0.85}, {0.85, 0.85, 0.65}, {1, 1, 0.2}, {0, 0, 0}},
    {"purple", {0.78, 0.25, 0.82}, {0.55, 0.15, 0.58}, {0.68, 0.5, 0.68}, {0.5, 0.4, 0.5}, {1, 1, 1}, {0.88, 0.7, 0.9},
     {0.48, 0.1, 0.5}, {0.88, 0.86, 0.9}, {0.8, 0.65, 0.82}, {1, 0.2, 1}, {0, 0, 0}},
    {"green & blue", {0.2, 0.8, 0.8}, {0.15, 0.58, 0.58}, {0.5, 0.68, 0.68}, {0.5, 0.68, 0.68}, {1, 1, 1},
     {0.65, 0.85, 0.85}, {0.1, 0.5, 0.5}, {0.8, 0.9, 0.9}, {0.6, 0.85, 0.85}, {0.2, 1, 1}, {0, 0, 0}},
    {"grey", {0.68, 0.68, 0.68}, {0.5, 0.5, 0.5}, {0.6, 0.6, 0.6}, {0.6, 0.6, 0.6}, {1, 1, 1}, {0.85, 0.85, 0.85},
     {0.4, 0.4, 0.4}, {0.9, 0.9, 0.9}, {0.8, 0.8, 0.8}, {0.2, 0.2, 0.2}, {0, 0, 0}},
};

const GeneScheme& FindScheme(const std::string& name) {
    for (const GeneScheme& scheme : kGeneSchemes)
        if (name == scheme.name) return scheme;
    return kGeneSchemes[0];
}

// The colours as floats, each component lowered by `darken` (computed in double).
std::vector<float> Entry(std::initializer_list<Triple> colours, double darken = 0.0) {
    std::vector<float> floats;
    for (const Triple& colour : colours)
        for (double component : colour) floats.push_back(static_cast<float>(component - darken));
    return floats;
}

GeneColourSet ShadedSet(const GeneScheme& s, double darken) {
    return {Entry({s.cdsTop, s.cdsBottom}, darken), Entry({s.intronTop, s.intronBottom}, darken),
            Entry({s.utrTop, s.utrBottom, s.utrOutline}, darken), Entry({s.bandFill, s.bandBorder}, darken),
            Entry({s.expression, s.expressionSecond}, darken)};
}

GeneColourSet FlatSet(const GeneScheme& s) {
    // The flat CDS colour leans towards the top colour; the sum is taken in float.
    Triple mix{};
    for (size_t c = 0; c < 3; ++c)
        mix[c] = 0.8f * static_cast<float>(s.cdsTop[c]) + 0.2f * static_cast<float>(s.cdsBottom[c]);
    return {Entry({mix, mix}), Entry({s.intronTop, s.intronTop}), Entry({s.utrTop, s.utrTop, s.intronTop}),
            Entry({s.bandFill, s.bandFill}), Entry({s.expression, s.expression})};
}

std::vector<float> ScaledShades(const std::vector<int>& shades, std::initializer_list<int> picks) {
    std::vector<float> floats;
    for (int pick : picks) {
        Rgb255 colour = ShadeOf(shades, pick - 1);
        for (int component : {colour.red, colour.green, colour.blue})
            floats.push_back(static_cast<float>(component) / 255.0f);
    }
    return floats;
}

// Copies colour `from` over colour `to` (both counted from 1) of a list of triples.
void CopyColour(std::vector<float>& colours, int from, int to) {
    for (size_t c = 0; c < 3; ++c)
        colours[static_cast<size_t>(to - 1) * 3 + c] = colours[static_cast<size_t>(from - 1) * 3 + c];
}
}  // namespace

GeneColourSet& GeneColours() {
    static GeneColourSet set;
    return set;
}

SeqColourSet& SeqColours() {
    static SeqColourSet set;
    return set;
}

void SetGeneColours(bool singleColour, const std::string& schemeName) {
    const GeneScheme& scheme = FindScheme(schemeName);
    GeneColours() = singleColour ? FlatSet(scheme) : ShadedSet(scheme, 0.02);
}

void PrepareViewerColours(bool singleColour) {
    if (GeneColours().empty()) GeneColours() = ShadedSet(kGeneSchemes[0], 0.0);
    SeqColourSet& sequences = SeqColours();
    if (sequences.empty()) {
        BuildColourNameTable();
        const std::vector<int>& shades = *FindColourShades("blue_yellow_green");
        sequences = {ScaledShades(shades, {8, 7, 4, 6}), ScaledShades(shades, {7, 9})};
    }
    if (singleColour && sequences.size() >= 2 && sequences[0].size() >= 12 && sequences[1].size() >= 6) {
        CopyColour(sequences[0], 1, 2);
        CopyColour(sequences[0], 3, 4);
        CopyColour(sequences[1], 1, 2);
    }
}

void ResetColourTables() {
    ColourNames().clear();
    GeneColours().clear();
    SeqColours().clear();
}

}  // namespace tallowby
