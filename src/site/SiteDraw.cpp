#include "site/SiteDraw.h"

#include "app/Checks.h"
#include "app/Messages.h"
#include "app/SharedState.h"
#include "formats/CircleFormat.h"
#include "genome/AnnotationLoad.h"
#include "genome/ReferenceChecks.h"
#include "genome/ReferenceStore.h"
#include "site/SitePipeline.h"

namespace tallowby {

void StoreSiteFields(const std::string& chrom, const std::string& startText, const std::string& endText) {
    CurrentSite& site = Site();
    site.siteChrom = chrom;
    site.siteStartText = startText;
    site.siteEndText = endText;
    site.siteStart = ParseSiteNumber(startText);
    site.siteEnd = ParseSiteNumber(endText);
}

namespace {
bool CheckCurrentSite() {
    const CurrentSite& site = Site();
    return CheckSite(site.siteChrom, site.siteStartText, site.siteEndText, site.siteStart, site.siteEnd);
}
}  // namespace

bool CheckSiteAndMeasureChromosome(const std::string& databasePath) {
    if (!CheckCurrentSite()) return false;
    FormState& state = Shared();
    state.databasePath = databasePath;
    if (!CheckInput(state.databasePath, "database file", InputKind::File)) return false;
    const CurrentSite& site = Site();
    SetStatusText("Reading database.");
    bool measured = EnsureChromosomeLength(state.databasePath, site.siteChrom);
    SetStatusText("");
    return measured && CheckSiteInLengthIndex(state.databasePath, site.siteChrom, site.siteStart, site.siteEnd);
}

bool CheckSiteAndLoadAnnotation(const std::string& annotationPath) {
    const CurrentSite& site = Site();
    if (!CheckCurrentSite()) return false;
    FormState& state = Shared();
    state.annotationPath = annotationPath;
    if (!CheckInput(state.annotationPath, "gene annotation file", InputKind::File)) return false;
    if (!CheckAnnotationFileType(state.annotationType, AnnotationFileExtension(state.annotationPath))) return false;
    SetStatusText("reading annotation file...");
    bool loaded = LoadAnnotation(state.annotationPath, state.annotationType, site.siteChrom, "site");
    SetStatusText("");
    return loaded;
}

void ComputeSiteCircles() {
    const CurrentSite& site = Site();
    FindSiteStructures(Shared().annotationType, site.siteChrom, site.siteStart, site.siteEnd);
    PrepareDrawOrder(site.siteChrom, site.siteStart, site.siteEnd);
    SitePipeline().chooserStatus = -1;
}

bool ConfirmDrawOrder(const std::vector<std::string>& chosen) {
    SitePipelineState& state = SitePipeline();
    for (auto& entry : state.drawOrder) entry.second = -1;
    if (chosen.empty() && !state.drawOrder.empty()) {
        ShowNotice("Please choose at least one isoform");
        return false;
    }
    for (size_t i = 0; i < chosen.size(); ++i) state.drawOrder[chosen[i]] = static_cast<int>(i);
    state.chooserStatus = 0;
    return true;
}

DrawOutcome DrawChosenCircles() {
    const CurrentSite& site = Site();
    CircleDrawRequest request;
    request.kind = "site";
    request.chrom = site.siteChrom;
    request.start = site.siteStart;
    request.end = site.siteEnd;
    request.circleFraction = CircleFormatState().circleSpaceFraction;
    return DrawSiteCircle(request);
}

}  // namespace tallowby
