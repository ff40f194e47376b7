#include "site/SiteInfo.h"

#include "app/Checks.h"
#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/Text.h"
#include "app/Workspace.h"
#include "genome/AnnotationLoad.h"
#include "genome/ReferenceChecks.h"
#include "genome/ReferenceStore.h"
#include "site/SpliceShift.h"

#include <cstdlib>
#include <fstream>

namespace tallowby {

SiteInfoState& SiteInfo() {
    static SiteInfoState state;
    return state;
}

void ResetSiteInfo() { SiteInfo() = SiteInfoState{}; }

void RefreshInputSiteText() {
    const CurrentSite& site = Site();
    SiteInfo().inputSiteText = Format("Input site: %s:%d..%d", site.siteChrom.c_str(), site.siteStart, site.siteEnd);
}

bool LoadSiteReference() {
    if (!CheckInput(Shared().databasePath, "database file", InputKind::File)) return false;
    SetStatusText("reading reference file...");
    bool loaded = LoadReferenceChromosome(Shared().databasePath, Site().siteChrom);
    SetStatusText("");
    return loaded;
}

namespace {
// The loaded reference with the site inside its chromosome.
const std::string* SiteChromosome() {
    const CurrentSite& site = Site();
    if (!LoadSiteReference() || !CheckSiteInReference(site.siteChrom, site.siteStart, site.siteEnd)) return nullptr;
    return &Reference().chromSequences.at(site.siteChrom);
}

std::string ShiftText(const SpliceShiftResult& r) {
    const char* chrom = r.chrom.c_str();
    int forward = r.sameCircleForward, backward = r.sameCircleBackward;
    std::string text = forward >= 1 ? Format("The site can be moved forward %dbp to %s:%d..%d and form the same circle.",
                                             forward, chrom, r.start - forward, r.end - forward)
                                    : std::string("The site can't be moved forward.");
    text += "\n";
    text += backward >= 1 ? Format("The site can be moved backward %dbp to %s:%d..%d and form the same circle.",
                                   backward, chrom, r.start + backward, r.end + backward)
                          : std::string("The site can't be moved backward.");
    return text;
}

std::string SpliceText(const SpliceShiftResult& r) {
    int n = r.motifShift;
    if (r.motif.empty()) return "The site can't be adjust to splicing site.";
    if (n == 0) return Format("The site is with splicing site %s.(For strand +)", r.motif.c_str());
    return Format("The site can be moved %s %dbp to %s:%d..%d with splicing site %s.(For strand +)",
                  n > 0 ? "backward" : "forward", std::abs(n), r.chrom.c_str(), r.start + n, r.end + n, r.motif.c_str());
}

std::string BoundaryPart(const SpliceShiftResult& r) {
    if (r.bothBoundaries) {
        std::string first = BoundaryText(r.bothFirstRefs, r.bothFirstKind);
        std::string second = BoundaryText(r.bothSecondRefs, r.bothSecondKind);
        int k = r.bothShift;
        if (k == 0)
            return Format("Both start and end site are exon boundary.\nFor start site: %s\nFor end site: %s\n",
                          first.c_str(), second.c_str());
        return Format("Both start and end site could be moved %dbp %s to exon boundary(%s:%d..%d).\nFor start site: "
                      "%s\nFor end site: %s\n",
                      std::abs(k), k > 0 ? "backward" : "forward", r.chrom.c_str(), r.start + k, r.end + k,
                      first.c_str(), second.c_str());
    }
    std::string forward;
    std::string forwardStart = BoundaryText(r.forwardStartRefs, r.forwardStartKind);
    std::string forwardEnd = BoundaryText(r.forwardEndRefs, r.forwardEndKind);
    if (r.forwardBoundaryShift < 0)
        forward = "The site can't be moved forward to exon boundary.";
    else if (r.forwardBoundaryShift == 0)
        forward = Format("The site is exon boundary.\nFor start:  %s\t For end: %s", forwardStart.c_str(), forwardEnd.c_str());
    else
        forward = Format("The site can be moved %dbp forward to exon boundary.\nFor start:  %s\t For end: %s",
                         r.forwardBoundaryShift, forwardStart.c_str(), forwardEnd.c_str());
    std::string backward;
    if (r.backwardBoundaryShift < 0)
        backward = "The site can't be moved backward to exon boundary";
    else if (r.backwardBoundaryShift > 0)
        backward = Format("The site can be moved %dbp backward to exon boundary.\nFor start:  %s\t For end: %s",
                          r.backwardBoundaryShift, BoundaryText(r.backwardStartRefs, r.backwardStartKind).c_str(),
                          BoundaryText(r.backwardEndRefs, r.backwardEndKind).c_str());
    return forward + "\n" + backward;
}
}  // namespace

std::optional<std::string> WriteSiteSequence() {
    const std::string* sequence = SiteChromosome();
    if (!sequence) return std::nullopt;
    const CurrentSite& site = Site();
    std::string path = WorkspaceFile("output/SiteInfo_result/SiteInfo_seq.txt");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Format(">%s_%d_%d\n", site.siteChrom.c_str(), site.siteStart, site.siteEnd);
    out.write(sequence->data() + site.siteStart, site.siteEnd - site.siteStart);
    out << '\n';
    out.close();
    if (!out) {
        ReportWriteFailure(path);
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> SpliceSiteText() {
    const std::string* sequence = SiteChromosome();
    if (!sequence) return std::nullopt;
    const CurrentSite& site = Site();
    int edge = CheckSpliceEdge(site.siteChrom, site.siteStart, site.siteEnd);
    bool startAtEdge = edge == 1 || edge == 3, endAtEdge = edge == 2 || edge == 3;
    std::string startPair = startAtEdge ? "none" : sequence->substr(static_cast<size_t>(site.siteStart - 2), 2);
    std::string endPair = endAtEdge ? "none" : sequence->substr(static_cast<size_t>(site.siteEnd), 2);
    const char* edgeText = edge == 1   ? "\nThe start site is on the edge of the chrom without splicing site\n"
                           : edge == 2 ? "\nThe end site is on the edge of the chrom without splicing site\n"
                           : edge == 3 ? "\nThe start and end site is on the edge of the chrom without splicing site\n"
                                       : "";
    RefreshInputSiteText();
    return Format("%s\nFor strand(+):%sThe splicing site is %s/%s", SiteInfo().inputSiteText.c_str(), edgeText,
                  startPair.c_str(), endPair.c_str());
}

std::optional<SiteSearchResult> SearchSiteShift() {
    FormState& state = Shared();
    if (!CheckInput(state.annotationPath, "gene annotation file", InputKind::File)) return std::nullopt;
    if (!SiteChromosome()) return std::nullopt;
    const CurrentSite& site = Site();
    SetStatusText("reading annotation file...");
    bool loaded = LoadAnnotation(state.annotationPath, state.annotationType, site.siteChrom, "site");
    SetStatusText("");
    if (!loaded) return std::nullopt;

    SpliceShiftResult r = AnalyseSpliceShift(site.siteStart, site.siteEnd, site.siteChrom);
    RefreshInputSiteText();
    SiteSearchResult result;
    result.text = Format("%s\n\n%s\n\n%s\n\n%s", SiteInfo().inputSiteText.c_str(), ShiftText(r).c_str(),
                         SpliceText(r).c_str(), BoundaryPart(r).c_str());
    result.offer = !r.motif.empty() && r.motifShift != 0 && (!r.bothBoundaries || r.bothShift != 0);
    if (result.offer) {
        SiteInfo().adjustedStart = r.start + r.motifShift;
        SiteInfo().adjustedEnd = r.end + r.motifShift;
        result.text = Format("%s\n\nDo you want to adjust the site to splicing site(%s:%d..%d)?", result.text.c_str(),
                             r.chrom.c_str(), SiteInfo().adjustedStart, SiteInfo().adjustedEnd);
        state.noticeText = result.text;
        state.noticeButtonText = "Adjust";
        state.noticeKind = "adjust_input_site";
    }
    return result;
}

void ApplyAdjustedSite() {
    CurrentSite& site = Site();
    site.siteStart = SiteInfo().adjustedStart;
    site.siteEnd = SiteInfo().adjustedEnd;
    site.siteStartText = std::to_string(site.siteStart);
    site.siteEndText = std::to_string(site.siteEnd);
    SiteInfo().inputSiteText =
        Format("Input site: %s:%s..%s", site.siteChrom.c_str(), site.siteStartText.c_str(), site.siteEndText.c_str());
}

}  // namespace tallowby
