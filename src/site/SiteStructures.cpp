// The circle that back-splicing between a site's ends forms from each overlapping isoform: the
// isoform's parts clipped to the site, the introns between them and, where the site reaches past
// the transcript, intergenic stretches.

#include "app/Text.h"
#include "site/GeneSearch.h"
#include "site/SitePipeline.h"

#include <algorithm>

namespace tallowby {

namespace {

// Parts of a transcript in ascending position.
std::vector<StructurePart> PartsInWalkOrder(const std::string& annotationType, const FeatureSpan& transcript) {
    const auto& parts = Annotation().partsByTranscript;
    auto found = parts.find(transcript.id);
    std::vector<StructurePart> walk = found == parts.end() ? std::vector<StructurePart>{} : found->second;
    if (annotationType == "gff3" && !transcript.strand) std::reverse(walk.begin(), walk.end());
    return walk;
}

bool Overlaps(const StructurePart& part, int start, int end) { return start < part.end && part.start < end; }

// The structure text of one transcript, or "" when the site misses its parts outside any gap.
std::string StructureText(const std::vector<StructurePart>& parts, int start, int end,
                          std::vector<StructurePart>& overlapping) {
    if (parts.empty()) return {};
    bool leading = Overlaps(parts.front(), start, end) && start < parts.front().start;
    bool trailing = Overlaps(parts.back(), start, end) && end > parts.back().end;
    std::vector<StructurePart> clipped;
    for (const StructurePart& part : parts) {
        if (!Overlaps(part, start, end)) continue;
        overlapping.push_back(part);
        clipped.push_back({std::max(start, part.start), std::min(end, part.end), part.type, part.strand});
    }
    if (clipped.empty()) {
        for (size_t i = 1; i < parts.size(); ++i)
            if (parts[i - 1].end <= start && parts[i].start >= end) return Format("intron\t%d\n", end - start);
        return {};
    }
    std::string text;
    if (clipped.front().start > start)
        text += Format("%s\t%d\n", leading ? "intergenic" : "intron", clipped.front().start - start);
    for (size_t k = 0; k < clipped.size(); ++k) {
        if (k >= 1 && clipped[k].start > clipped[k - 1].end)
            text += Format("intron\t%d\n", clipped[k].start - clipped[k - 1].end);
        text += Format("%s\t%d\n", TypeNameOf(clipped[k].type).c_str(), clipped[k].end - clipped[k].start);
    }
    if (clipped.back().end < end)
        text += Format("%s\t%d\n", trailing ? "intergenic" : "intron", end - clipped.back().end);
    return text;
}

// Isoforms with the same text share one entry, named by their names in ascending id joined by "&".
void MergeIntoEntries(const std::map<int, std::string>& textById) {
    std::map<std::string, std::string> entryByText;
    for (const auto& [id, text] : textById) {
        std::string& entry = entryByText[text];
        entry += (entry.empty() ? "" : "&") + NameOfId(id);
    }
    for (const auto& [text, entry] : entryByText) SitePipeline().structureByEntry[entry] = text;
}

void ClearSiteResults(const std::string& chrom, int start, int end) {
    SitePipelineState& state = SitePipeline();
    state.lookupSite = {chrom, start, end};
    state.overlapTranscripts.clear();
    state.structureByEntry.clear();
    state.overlapPartsByTranscript.clear();
    state.viewerGenes.clear();
    state.viewerParts.clear();
    state.rangeLo = INT_MAX;
    state.rangeHi = 0;
}

const std::vector<FeatureSpan>& GenesOf(const std::string& chrom) {
    static const std::vector<FeatureSpan> kNone;
    auto found = Annotation().genesByChrom.find(chrom);
    return found == Annotation().genesByChrom.end() ? kNone : found->second;
}

void AppendTranscriptsOf(const std::vector<FeatureSpan>& genes) {
    const auto& transcripts = Annotation().transcriptsByGene;
    for (const FeatureSpan& gene : genes) {
        auto found = transcripts.find(gene.id);
        if (found == transcripts.end()) continue;
        auto& overlap = SitePipeline().overlapTranscripts;
        overlap.insert(overlap.end(), found->second.begin(), found->second.end());
    }
}

}  // namespace

bool FindSiteStructures(const std::string& annotationType, const std::string& chrom, int start, int end) {
    ClearSiteResults(chrom, start, end);
    SitePipelineState& state = SitePipeline();
    AppendTranscriptsOf(OverlappingGenes(GenesOf(chrom), start, end));
    std::map<int, std::string> textById;
    for (const FeatureSpan& transcript : state.overlapTranscripts) {
        std::vector<StructurePart> overlapping;
        std::string text = StructureText(PartsInWalkOrder(annotationType, transcript), start, end, overlapping);
        if (!overlapping.empty()) {
            auto& kept = state.overlapPartsByTranscript[NameOfId(transcript.id)];
            kept.insert(kept.end(), overlapping.begin(), overlapping.end());
        }
        if (!text.empty()) textById[transcript.id] = text;
    }
    MergeIntoEntries(textById);
    return true;
}

bool PrepareDrawOrder(const std::string& chrom, int start, int end) {
    SitePipelineState& state = SitePipeline();
    state.drawSite = {chrom, start, end};
    state.drawOrder.clear();
    for (const auto& entry : state.structureByEntry) state.drawOrder[entry.first] = 1;
    return true;
}

bool FindSiteLocus(const std::string& annotationType, const std::string& chrom, int start, int end, int margin,
                   int neighbours) {
    ClearSiteResults(chrom, start, end);
    SitePipelineState& state = SitePipeline();
    const std::vector<FeatureSpan>& genes = GenesOf(chrom);
    const int count = static_cast<int>(genes.size());
    const int k = LastGeneStartingBefore(genes, end);
    auto add = [&state](const FeatureSpan& gene) {
        auto same = [&gene](const FeatureSpan& g) {
            return g.start == gene.start && g.end == gene.end && g.id == gene.id && g.strand == gene.strand;
        };
        if (std::none_of(state.viewerGenes.begin(), state.viewerGenes.end(), same)) state.viewerGenes.push_back(gene);
    };
    for (int e = -neighbours; e <= neighbours; ++e)
        if (k + e >= 0 && k + e < count) add(genes[static_cast<size_t>(k + e)]);
    for (int i = std::max(k, 0); i < count && static_cast<long long>(genes[static_cast<size_t>(i)].start) <
                                                  static_cast<long long>(end) + margin;
         ++i)
        add(genes[static_cast<size_t>(i)]);
    if (k >= 0) {
        std::vector<FeatureSpan> byEnd = CandidatesByEnd(genes, k);
        for (int i = k; i >= 0 && static_cast<long long>(byEnd[static_cast<size_t>(i)].end) >
                                      static_cast<long long>(start) - margin;
             --i)
            add(byEnd[static_cast<size_t>(i)]);
    }
    AppendTranscriptsOf(state.viewerGenes);
    for (const FeatureSpan& transcript : state.overlapTranscripts) {
        std::vector<StructurePart> parts = PartsInWalkOrder(annotationType, transcript);
        if (parts.empty()) continue;
        std::vector<StructurePart>& drawn = state.viewerParts[transcript.id];
        for (size_t i = 0; i < parts.size(); ++i) {
            state.rangeLo = std::min(state.rangeLo, parts[i].start);
            state.rangeHi = std::max(state.rangeHi, parts[i].end);
            if (i > 0 && parts[i - 1].end < parts[i].start)
                drawn.push_back({parts[i - 1].end, parts[i].start, kTypeIntron, parts[i].strand});
            drawn.push_back(parts[i]);
        }
    }
    return true;
}

}  // namespace tallowby
