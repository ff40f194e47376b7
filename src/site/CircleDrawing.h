#pragma once
// Drawing the circles of a site through R: the fit check, the site folder, the script run, the PDF.

#include <string>

namespace tallowby {

enum class DrawOutcome {
    Drawn,       // R exited 0 and the PDF was handed to the viewer
    FitRefused,  // the circles do not fit; noticeText holds the question to ask
    Failed,      // a check or a write failed, or R failed; its message was shown
};

struct CircleDrawRequest {
    std::string kind = "site";    // "site" or "sequence"
    std::string chrom;
    int start = 0;
    int end = 0;
    float circleFraction = 0.2f;  // circleSpaceFraction of the circle format
    float sequenceFraction = 0.0f;
    float geneRadius = 0.0f;
    int sequenceCount = 0;        // query circles drawn (kind "sequence")
};

// drawSite := the site, the fit check, the site folder, then the R run.
DrawOutcome DrawSiteCircle(const CircleDrawRequest& request);

// Runs 3D.R or 2D.R (by the circle format) on the site folder of drawSite and opens the PDF.
// True after exit status 0, and for a kind other than "site" and "sequence" (nothing runs).
bool RunCircleDrawing(const std::string& kind);

// The PDF a drawing of the kind writes into the site folder.
[[nodiscard]] std::string CirclePdfPath(const std::string& kind);

}  // namespace tallowby
