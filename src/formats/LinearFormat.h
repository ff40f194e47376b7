#pragma once
// How the viewer draws linear gene structures: the gene colour scheme, single colour instead of
// gradients, direction marks, transcript names, background lines and the axis numbers. Each
// setting has a working value (what the form's control last showed) and an applied value (what
// the pictures read); Apply copies the one to the other. Kept in memory for the run, never saved.
//
// One process-wide record, reached through LinearFormatState(); ResetLinearFormat() restores the
// start values (tests call it). Flags are 0 or 1.

#include "formats/ColourSwatch.h"

#include <string>
#include <vector>

namespace tallowby {

// What the form's controls show.
struct LinearFormatChoice {
    int geneColourIndex = 0;  // item of LinearSchemeNames()
    int singleColour = 0;
    int geneDirection = 1;
    int geneName = 1;
    int backgroundLines = 0;
    int coordinateAxis = 0;
    friend bool operator==(const LinearFormatChoice&, const LinearFormatChoice&) = default;
};

struct LinearFormat {
    LinearFormatChoice working;  // the form's working values
    // Applied values, read by the pictures (the scheme is applied by rebuilding GeneColours()).
    int singleColour = 0;
    int showGeneDirection = 1;
    int showGeneName = 1;
    int showBackgroundLines = 0;
    int showCoordinateAxis = 0;
};

LinearFormat& LinearFormatState();
void ResetLinearFormat();

// The scheme list of the form, in order; each is a scheme name of SetGeneColours.
const std::vector<std::string>& LinearSchemeNames();
// The scheme name of a list item ("blue" for an item outside the list).
[[nodiscard]] std::string LinearSchemeName(int index);

// Rebuilds GeneColours() from the working scheme and single-colour choice.
void ApplyWorkingGeneColours();

// Apply: stores the choice as the working values, rebuilds the gene colours (always), copies every
// working flag that differs into its applied value, and says "Saved!" when the scheme left
// referenceColourIndex or a flag changed, otherwise "Not changed!". referenceColourIndex follows
// the scheme. Returns whether something changed.
bool ApplyLinearFormat(const LinearFormatChoice& choice, int& referenceColourIndex);

// The preview of a scheme in a box of width x height pixels. Shaded: 50 fills from the CDS bottom
// colour at the lower edge up to almost the CDS top colour at the upper edge; single colour: one
// fill with the flat CDS colour. Colours come from the scheme's CDS base colours (undarkened).
[[nodiscard]] std::vector<SwatchFill> LinearPreviewFills(int schemeIndex, bool singleColour, int width, int height);

// The CDS base colours (top, bottom; components 0..1) of a scheme of the list.
struct CdsBaseColours {
    double top[3];
    double bottom[3];
};
[[nodiscard]] CdsBaseColours SchemeCdsColours(int schemeIndex);

}  // namespace tallowby
