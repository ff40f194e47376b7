#pragma once
// Where the transcript rows of the structure picture go: row heights, the name font, each
// transcript's row and name, each part's box and the direction marks. Plain computation over the
// genes FindSiteLocus chose (site/SitePipeline.h) and the gene model; DrawTranscriptTracks draws
// it, tests check it directly.
//
// x values are scene units (viewer/ViewerScene.h); y values too, growing upward. A row's boxes span
// y = top - height .. top.

#include "genome/AnnotationModel.h"

#include <string>
#include <vector>

namespace tallowby {

struct TrackSizes {
    double rowHeight = 0;  // H: box height, after the height factor
    double gap = 0;        // space between rows
    double heightFactor = 1;
    int nameFont = 14;
};

// Sizes for scale s and site length L; siteMode is the "site" view, which allows taller boxes for
// longer sites than the sequence and expression views.
[[nodiscard]] TrackSizes ComputeTrackSizes(float scale, int siteLength, bool siteMode);

struct PartBox {
    double xs = 0, xe = 0;  // scene x of the part's start and end
    short type = kTypeOther;
};

struct DirectionMark {
    double x = 0;  // where the stroke leaves the transcript
    bool plusStrand = true;
};

struct TranscriptRow {
    int transcriptId = 0;
    std::string name;
    bool plusStrand = true;
    double top = 0;       // Y: the row's upper edge
    bool hasParts = false;
    double nameX = 0, nameY = 0;  // where its name starts (when it has parts)
    std::vector<PartBox> parts;
    std::vector<DirectionMark> marks;  // at most one; empty when the switch is off or there are no parts
};

struct TrackInput {
    int siteStart = 0, siteEnd = 1;
    float scale = 1;
    bool siteMode = true;
    bool showDirection = true;
};

// One row per transcript, gene by gene in viewerGenes order. Every gene starts again from the same
// top row, so the first transcripts of neighbouring genes share a row.
[[nodiscard]] std::vector<TranscriptRow> ComputeTranscriptRows(const TrackInput& input, const TrackSizes& sizes);

// Length of a direction mark's stroke before the zoom correction, by site length.
[[nodiscard]] double DirectionHeadLength(int siteLength);

}  // namespace tallowby
