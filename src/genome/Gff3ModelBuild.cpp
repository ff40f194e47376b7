#include "genome/GeneModelBuild.h"

#include <algorithm>

namespace tallowby {

namespace {

bool HasType(const std::vector<StructurePart>& parts, std::initializer_list<short> types) {
    return std::any_of(parts.begin(), parts.end(), [&](const StructurePart& part) {
        return std::find(types.begin(), types.end(), part.type) != types.end();
    });
}

void PutInTranscriptOrder(std::vector<StructurePart>& parts, bool plus) {
    if (plus)
        std::stable_sort(parts.begin(), parts.end(),
                         [](const StructurePart& a, const StructurePart& b) { return a.start < b.start; });
    else
        std::stable_sort(parts.begin(), parts.end(),
                         [](const StructurePart& a, const StructurePart& b) { return a.start > b.start; });
}

}  // namespace

void FinishGff3Transcripts(std::map<int, std::vector<StructurePart>>& exonsByTranscript) {
    AnnotationModel& model = Annotation();
    for (auto& [id, exons] : exonsByTranscript) {
        auto existing = model.partsByTranscript.find(id);
        bool hasCds = existing != model.partsByTranscript.end() && HasType(existing->second, {kTypeCds});
        bool hasUtr = existing != model.partsByTranscript.end() &&
                      HasType(existing->second, {kTypeFivePrimeUtr, kTypeThreePrimeUtr, kTypeUtr});
        if (hasUtr) continue;
        if (!hasCds) {
            std::vector<StructurePart>& parts = model.partsByTranscript[id];
            for (StructurePart exon : exons) {
                exon.type = kTypeUtr;
                parts.push_back(exon);
            }
            continue;
        }
        // CDS lines but no UTR lines (as NCBI writes them): the UTRs are what the exons hold beyond the CDS.
        std::vector<StructurePart> combined = exons;
        combined.insert(combined.end(), existing->second.begin(), existing->second.end());
        existing->second = DeriveCdsAndUtrParts(combined);
    }
    for (auto& [id, parts] : model.partsByTranscript)
        if (!parts.empty()) PutInTranscriptOrder(parts, StrandOfId(id, parts.front().strand));
}

void BuildGff3Model() {
    AnnotationModel& model = Annotation();
    for (const auto& [id, parts] : model.partsByTranscript) {
        if (parts.empty()) continue;
        const size_t n = parts.size();
        int number = 1;
        if (StrandOfId(id, parts.front().strand)) {
            model.exonEndIndex[parts[0].start].push_back({id, 1});
            for (size_t k = 0; k + 1 < n; ++k) {
                if (parts[k].end < parts[k + 1].start) {
                    model.exonStartIndex[parts[k].end].push_back({id, number});
                    ++number;
                    model.exonEndIndex[parts[k + 1].start].push_back({id, number});
                }
            }
            model.exonEndIndex[parts[n - 1].end].push_back({id, number});
        } else {
            model.exonEndIndex[parts[0].end].push_back({id, 1});
            for (size_t k = 0; k + 1 < n; ++k) {
                if (parts[k + 1].end < parts[k].start) {
                    model.exonStartIndex[parts[k].start].push_back({id, number});
                    ++number;
                    model.exonEndIndex[parts[k + 1].end].push_back({id, number});
                }
            }
            model.exonEndIndex[parts[n - 1].start].push_back({id, number});
        }
    }
}

}  // namespace tallowby
