#pragma once
// Helpers for reading the gene model's listing in tests.

#include "genome/ModelListing.h"

#include <sstream>
#include <string>
#include <vector>

namespace tallowby::test {

// The listing's lines of one kind ("part", "exonEnd" ...) that name the given gene or transcript.
inline std::vector<std::string> ListingLines(const std::string& kind, const std::string& name) {
    std::vector<std::string> lines;
    std::istringstream listing(ModelListing());
    for (std::string line; std::getline(listing, line);) {
        if (line.rfind(kind + "\t", 0) != 0) continue;
        if (name.empty() || line.find("\t" + name + "\t") != std::string::npos) lines.push_back(line);
    }
    return lines;
}

}  // namespace tallowby::test
