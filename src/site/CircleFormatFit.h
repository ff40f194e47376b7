#pragma once
// Whether the circles (and, for a sequence drawing, the query sequences) chosen for a drawing fit
// the space the formats leave them: all circles together may take at most 90 % of the radius, all
// sequences at most 1.05 - gene radius. A refusal leaves the question to ask in the shared
// noticeText; the caller asks it and offers the format form.
//
// Use: if (!CheckCircleFormatFit("site", {drawnCount, 0, CircleFormatState().circleSpaceFraction}))
//          AskQuestion(Shared().noticeText);

#include <string>

namespace tallowby {

struct FormatFitInput {
    int circleCount = 0;            // drawn circles: draw-order entries with order >= 0
    int sequenceCount = 0;          // drawn query sequences (kind "sequence" only)
    float circleFraction = 0.2f;    // share of the radius one circle takes
    float sequenceFraction = 0.0f;  // share one sequence takes
    float geneRadius = 0.0f;        // radius of the gene circle of a sequence drawing
};

// kind: "site" or "sequence" run the checks; any other kind fits.
[[nodiscard]] bool CheckCircleFormatFit(const std::string& kind, const FormatFitInput& input);

}  // namespace tallowby
