#pragma once
// The named colours of the format forms and the sequence pictures: thirteen names, each with nine
// RGB shades (components 0..255) in three groups of three — a colour, its lighter variant and its
// darker variant.
//
// Use: BuildColourNameTable(); const std::vector<int>* shades = FindColourShades("Blue");

#include <map>
#include <string>
#include <vector>

namespace tallowby {

// name -> 27 integers, read as nine RGB triples.
using ColourNameTable = std::map<std::string, std::vector<int>>;

// The process-wide table; empty until BuildColourNameTable() has run.
ColourNameTable& ColourNames();

// Fills the table unless it already holds all thirteen names; a second call changes nothing.
void BuildColourNameTable();

// The 27 values of a name, or nullptr when the table does not hold it.
const std::vector<int>* FindColourShades(const std::string& name);

// One RGB colour of a name's list: shade 0..8.
struct Rgb255 {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb255&, const Rgb255&) = default;
};
Rgb255 ShadeOf(const std::vector<int>& shades, int shade);

}  // namespace tallowby
