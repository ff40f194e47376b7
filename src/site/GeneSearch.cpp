// The genes that overlap a site, found without scanning the chromosome: a bisection on gene starts
// bounds the candidates, and sorting only those by end finds long genes that begin far before it.

#include "site/GeneSearch.h"

#include <algorithm>

namespace tallowby {

int LastGeneStartingBefore(const std::vector<FeatureSpan>& genes, int end) {
    auto after = std::partition_point(genes.begin(), genes.end(), [end](const FeatureSpan& g) { return g.start < end; });
    return static_cast<int>(after - genes.begin()) - 1;
}

std::vector<FeatureSpan> CandidatesByEnd(const std::vector<FeatureSpan>& genes, int last) {
    std::vector<FeatureSpan> candidates(genes.begin(), genes.begin() + (last + 1));
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const FeatureSpan& a, const FeatureSpan& b) { return a.end < b.end; });
    return candidates;
}

std::vector<FeatureSpan> OverlappingGenes(const std::vector<FeatureSpan>& genes, int start, int end) {
    std::vector<FeatureSpan> overlapping;
    int last = LastGeneStartingBefore(genes, end);
    if (last < 0) return overlapping;
    std::vector<FeatureSpan> candidates = CandidatesByEnd(genes, last);
    for (auto gene = candidates.rbegin(); gene != candidates.rend() && start < gene->end; ++gene)
        overlapping.push_back(*gene);
    return overlapping;
}

}  // namespace tallowby
