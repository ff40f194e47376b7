#include "site/CircleDrawing.h"

#include "app/Checks.h"
#include "app/CommandLines.h"
#include "app/ExternalRun.h"
#include "app/ToolPaths.h"
#include "app/Workspace.h"
#include "formats/CircleFormat.h"
#include "site/CircleFormatFit.h"
#include "site/CircleInfo.h"
#include "site/SitePipeline.h"

#include <algorithm>

namespace tallowby {

namespace {
int DrawnEntryCount() {
    const auto& order = SitePipeline().drawOrder;
    return static_cast<int>(std::count_if(order.begin(), order.end(), [](const auto& e) { return e.second >= 0; }));
}
}  // namespace

std::string CirclePdfPath(const std::string& kind) {
    return SiteFolder() + (kind == "sequence" ? "/circle_seq.pdf" : "/circle.pdf");
}

DrawOutcome DrawSiteCircle(const CircleDrawRequest& request) {
    SitePipeline().drawSite = {request.chrom, request.start, request.end};
    FormatFitInput fit{DrawnEntryCount(), request.sequenceCount, request.circleFraction, request.sequenceFraction,
                       request.geneRadius};
    if (!CheckCircleFormatFit(request.kind, fit)) return DrawOutcome::FitRefused;
    if (!WriteCircleInfo()) return DrawOutcome::Failed;
    return RunCircleDrawing(request.kind) ? DrawOutcome::Drawn : DrawOutcome::Failed;
}

bool RunCircleDrawing(const std::string& kind) {
    std::optional<std::string> program = ResolveRscript();
    if (!program) return false;
    const std::string siteFolder = SiteFolder();
    if (!RequireFile(siteFolder, kind)) return false;
    const std::string circleFormat = WorkspaceFile(kCircleFormatFile);
    if (!RequireFile(circleFormat, "circ_format")) return false;
    if (kind != "site" && kind != "sequence") return true;

    const bool twoD = CircleFormatState().circleDraw2D != 0;
    const std::string scripts = WorkspaceFile("R_script/Scripts/");
    std::vector<std::string> arguments;
    if (kind == "site") {
        arguments.push_back(scripts + (twoD ? "2D.R" : "3D.R"));
        if (!RequireFile(arguments[0], "")) return false;
        arguments.insert(arguments.end(), {siteFolder, circleFormat});
    } else {
        arguments.push_back(scripts + (twoD ? "2D_seq.R" : "3D_seq.R"));
        const std::string sequenceFormat = WorkspaceFile(kSequenceFormatFile);
        if (!RequireFile(arguments[0], "") || !RequireFile(sequenceFormat, "seq_format")) return false;
        arguments.insert(arguments.end(), {siteFolder, circleFormat, sequenceFormat});
    }
    const std::string pdf = CirclePdfPath(kind);
    arguments.push_back(pdf);
    std::optional<std::string> command = BuildRscriptCommand(*program, arguments);
    if (!command) return false;
    if (!RunCommand(*command)) {
        ReportRunFailure(*command);
        return false;
    }
    OpenWithDefaultViewer(pdf);
    return true;
}

}  // namespace tallowby
