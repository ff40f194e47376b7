#pragma once
// The colours of the linear viewer pictures: the gene colour set (gene structure, site band,
// expression chart) and the sequence colour set (aligned query sequences). Components are 0..1.
//
// Use: PrepareViewerColours(singleColour) when a viewer opens; SetGeneColours(...) when the linear
// format chooses a scheme.

#include <cstddef>
#include <string>
#include <vector>

namespace tallowby {

// Five entries in this order, each a list of RGB triples.
enum GeneColourEntry : size_t {
    kGeneCds = 0,       // top, bottom
    kGeneIntron = 1,    // top, bottom
    kGeneUtr = 2,       // top, bottom, outline
    kGeneSiteBand = 3,  // fill, border
    kGeneExpression = 4 // colour, second colour
};
using GeneColourSet = std::vector<std::vector<float>>;

// Entry 0: four colours (two top/bottom pairs) for the circle-junction picture; entry 1: one
// top/bottom pair for the linear-junction picture.
using SeqColourSet = std::vector<std::vector<float>>;

GeneColourSet& GeneColours();
SeqColourSet& SeqColours();

// Replaces the gene colour set with a scheme ("blue", "green", "red", "yellow", "purple",
// "green & blue", "grey"; any other name gives "blue"). Shaded schemes are drawn 0.02 darker than
// their base colours; a single-colour scheme flattens every entry to one colour.
void SetGeneColours(bool singleColour, const std::string& schemeName);

// Fills whichever set is still empty with its defaults; with singleColour (the linear format's
// flag) the sequence colours lose their gradients.
void PrepareViewerColours(bool singleColour);

// Empties the colour name table and both sets (tests call it).
void ResetColourTables();

}  // namespace tallowby
