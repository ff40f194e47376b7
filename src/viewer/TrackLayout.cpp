#include "viewer/TrackLayout.h"

#include "site/SitePipeline.h"

#include <algorithm>
#include <cmath>

namespace tallowby {

namespace {
// Boxes keep their full height up to `full` bases and shrink to half by `half` bases.
double HeightFactor(int length, double full) {
    return std::clamp(std::sqrt(full / length), 0.5, 1.0);
}

int NameFont(float s, int length) {
    if (s > 1.5f) return 18;
    if (s > 1.25f) return 17;
    if (s > 1.0f) return 15;
    return s < 0.03f || s * 800.0 / length < 0.03 ? 12 : 14;
}

const std::vector<StructurePart>& PartsOf(int transcriptId) {
    static const std::vector<StructurePart> kNone;
    const auto& parts = SitePipeline().viewerParts;
    auto found = parts.find(transcriptId);
    return found == parts.end() ? kNone : found->second;
}
}  // namespace

TrackSizes ComputeTrackSizes(float scale, int siteLength, bool siteMode) {
    TrackSizes sizes;
    const double shrink = std::pow(static_cast<double>(scale), 0.75);
    sizes.heightFactor = HeightFactor(std::max(1, siteLength), siteMode ? 5000.0 : 1000.0);
    sizes.rowHeight = 0.09 / shrink * sizes.heightFactor;
    sizes.gap = 0.18 / shrink;
    sizes.nameFont = NameFont(scale, std::max(1, siteLength));
    return sizes;
}

double DirectionHeadLength(int siteLength) {
    if (siteLength > 10000) return 0.0175;
    if (siteLength > 5000) return 0.02;
    if (siteLength > 2000) return 0.03;
    if (siteLength > 1000) return 0.05;
    if (siteLength > 300) return 0.06;
    return 0.065;
}

std::vector<TranscriptRow> ComputeTranscriptRows(const TrackInput& input, const TrackSizes& sizes) {
    const double mid = (static_cast<double>(input.siteStart) + input.siteEnd) / 2.0;
    const double length = std::max(1, input.siteEnd - input.siteStart);
    auto x = [&](int position) { return (position - mid) / length; };
    const double rowPitch = sizes.rowHeight + sizes.gap;
    const double depth = input.siteMode ? input.scale : std::pow(static_cast<double>(input.scale), 7.0 / 8.0);
    const AnnotationModel& model = Annotation();

    std::vector<TranscriptRow> rows;
    for (const FeatureSpan& gene : SitePipeline().viewerGenes) {
        double top = -0.3 / depth + rowPitch;
        auto transcripts = model.transcriptsByGene.find(gene.id);
        if (transcripts == model.transcriptsByGene.end()) continue;
        for (const FeatureSpan& transcript : transcripts->second) {
            TranscriptRow row;
            top -= rowPitch;
            row.transcriptId = transcript.id;
            row.top = top;
            row.name = NameOfId(transcript.id);
            row.plusStrand = StrandOfId(transcript.id, transcript.strand);
            const std::vector<StructurePart>& parts = PartsOf(transcript.id);
            row.hasParts = !parts.empty();
            if (row.hasParts) {
                row.nameX = x(parts.front().start);
                row.nameY = top + 0.2 * rowPitch;
            }
            for (const StructurePart& part : parts) row.parts.push_back({x(part.start), x(part.end), part.type});
            if (input.showDirection && row.hasParts)
                row.marks.push_back(row.plusStrand ? DirectionMark{row.parts.back().xe, true}
                                                   : DirectionMark{row.parts.front().xs, false});
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

}  // namespace tallowby
