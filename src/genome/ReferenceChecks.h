#pragma once
// Site checks against the reference store. Each shows at most one notice.

#include <string>

namespace tallowby {

// The site must lie within the chromosome loaded in the reference store (end equal to the length
// passes).
[[nodiscard]] bool CheckSiteInReference(const std::string& chrom, int start, int end);

// The same against the chromosome length index, for the database path and chromosome.
[[nodiscard]] bool CheckSiteInLengthIndex(const std::string& databasePath, const std::string& chrom, int start,
                                          int end);

// Which site ends are too close to the chromosome's edge to carry a two-base splice motif: 0 both
// clear, 1 only the start at the edge (start < 2), 2 only the end (end + 2 >= length), 3 both.
// A chromosome not in the reference store gives its notice and 0.
[[nodiscard]] int CheckSpliceEdge(const std::string& chrom, int start, int end);

}  // namespace tallowby
