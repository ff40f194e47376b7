#pragma once
// Gene search on one chromosome's genes (sorted by start), shared by the circle and viewer lookups.

#include "site/SitePipeline.h"

#include <vector>

namespace tallowby {

// Genes 0..last sorted stably by end, ascending.
[[nodiscard]] std::vector<FeatureSpan> CandidatesByEnd(const std::vector<FeatureSpan>& genes, int last);

// Genes overlapping [start, end), from the one ending last downward.
[[nodiscard]] std::vector<FeatureSpan> OverlappingGenes(const std::vector<FeatureSpan>& genes, int start, int end);

}  // namespace tallowby
