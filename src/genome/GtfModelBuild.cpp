#include "genome/GeneModelBuild.h"

#include <algorithm>
#include <climits>
#include <map>

namespace tallowby {

namespace {

struct ExonUse {
    int start, end;
    bool strand;
    bool free = true;
};

using ExonSet = std::map<std::pair<int, int>, ExonUse>;

// One CDS piece against the exons: an exon of exactly its bounds takes it whole; otherwise each
// overlapping exon that holds it at one or both ends gives the UTR pieces beside it.
void PlaceCds(const StructurePart& cds, ExonSet& exons, std::vector<StructurePart>& result) {
    auto exact = exons.find({cds.start, cds.end});
    if (exact != exons.end() && exact->second.free) {
        result.push_back(cds);
        exact->second.free = false;
        return;
    }
    for (auto& [bounds, exon] : exons) {
        int xs = exon.start, xe = exon.end;
        if (!(xs <= cds.end && cds.start <= xe)) continue;
        auto utr = [&](int from, int to) { result.push_back({from, to, kTypeUtr, exon.strand}); };
        if (xs == cds.start && cds.end < xe) {
            result.push_back(cds);
            utr(cds.end, xe);
        } else if (xs < cds.start && xe == cds.end) {
            utr(xs, cds.start);
            result.push_back(cds);
        } else if (xs < cds.start && cds.end < xe) {
            utr(xs, cds.start);
            result.push_back(cds);
            utr(cds.end, xe);
        } else {
            continue;
        }
        exon.free = false;
    }
}

}  // namespace

std::vector<StructurePart> DeriveCdsAndUtrParts(const std::vector<StructurePart>& parts) {
    ExonSet exons;
    for (const StructurePart& part : parts)
        if (part.type == kTypeExon) exons.try_emplace({part.start, part.end}, ExonUse{part.start, part.end, part.strand});
    std::vector<StructurePart> result;
    for (const StructurePart& part : parts)
        if (part.type == kTypeCds) PlaceCds(part, exons, result);
    for (const StructurePart& part : parts) {
        if (part.type != kTypeExon) continue;
        ExonUse& exon = exons.at({part.start, part.end});
        if (!exon.free) continue;
        result.push_back({part.start, part.end, kTypeUtr, part.strand});
        exon.free = false;  // an exon listed twice becomes one piece
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const StructurePart& a, const StructurePart& b) { return a.start < b.start; });
    return result;
}

void BuildGtfExonIndex() {
    AnnotationModel& model = Annotation();
    for (const auto& [id, parts] : model.partsByTranscript) {
        if (parts.empty()) continue;
        int number = 1;
        auto index = [&](const StructurePart& part) {
            if (part.type != kTypeExon) return;
            model.exonStartIndex[part.start].push_back({id, number});
            model.exonEndIndex[part.end].push_back({id, number});
            ++number;
        };
        if (parts.front().strand) std::for_each(parts.begin(), parts.end(), index);
        else std::for_each(parts.rbegin(), parts.rend(), index);
    }
}

void BuildGtfModel(const std::string& chrom) {
    AnnotationModel& model = Annotation();
    for (auto& [id, parts] : model.partsByTranscript) {
        parts = DeriveCdsAndUtrParts(parts);
        if (parts.empty()) continue;
        model.transcriptsByGene[GeneOfTranscript(id)].push_back(
            {parts.front().start, parts.back().end, id, parts.front().strand});
    }
    BuildGeneSpans(chrom);
}

void BuildRefFlatModel(const std::string& chrom) {
    AnnotationModel& model = Annotation();
    for (const auto& [id, parts] : model.partsByTranscript) {
        if (parts.empty()) continue;
        model.transcriptsByGene[GeneOfTranscript(id)].push_back(
            {parts.front().start, parts.back().end, id, parts.front().strand});
    }
    BuildGeneSpans(chrom);
}

void BuildGeneSpans(const std::string& chrom) {
    AnnotationModel& model = Annotation();
    for (const auto& [geneId, transcripts] : model.transcriptsByGene) {
        if (transcripts.empty()) continue;
        int start = INT_MAX, end = 0;
        for (const FeatureSpan& transcript : transcripts) {
            start = std::min(start, transcript.start);
            end = std::max(end, transcript.end);
        }
        model.genesByChrom[chrom].push_back({start, end, geneId, transcripts.front().strand});
    }
    SortGenesByStart();
}

void SortGenesByStart() {
    for (auto& [chrom, genes] : Annotation().genesByChrom)
        std::stable_sort(genes.begin(), genes.end(),
                         [](const FeatureSpan& a, const FeatureSpan& b) { return a.start < b.start; });
}

}  // namespace tallowby
