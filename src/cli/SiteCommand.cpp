// tallowby-cli site: the circles of a site, as Draw with "Circle" makes them: checks, annotation
// load, structures, the chosen draw order, the site folder and the R drawing.

#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/Text.h"
#include "cli/CliCommands.h"
#include "cli/SiteArgument.h"
#include "app/Workspace.h"
#include "formats/CircleFormat.h"
#include "formats/CircleFormatAdopt.h"
#include "site/CircleDrawing.h"
#include "site/CircleInfo.h"
#include "site/SiteDraw.h"
#include "site/SitePipeline.h"

#include <filesystem>
#include <iostream>

namespace tallowby {

namespace {

struct SiteOptions {
    std::string annotation;
    std::string type = "gff3";
    std::string site;
    std::string isoforms = "all";
    bool noDraw = false;
};

SiteOptions& Options() {
    static SiteOptions options;
    return options;
}

// The entries to draw, in order: all in key order, or the named ones.
bool ChosenEntries(std::vector<std::string>& chosen) {
    const auto& entries = SitePipeline().structureByEntry;
    if (Options().isoforms == "all") {
        for (const auto& entry : entries) chosen.push_back(entry.first);
        return true;
    }
    for (const std::string& name : SplitText(Options().isoforms, ',')) {
        if (!entries.count(name)) {
            ShowError(Format("No isoform entry named %s at this site.", name.c_str()));
            return false;
        }
        chosen.push_back(name);
    }
    return true;
}

void PrintStructures() {
    for (const auto& [entry, text] : SitePipeline().structureByEntry) std::cout << "entry\t" << entry << '\n' << text;
}

int RunSite() {
    std::string chrom, start, end;
    if (!SplitSiteArgument(Options().site, chrom, start, end)) return 1;
    Shared().annotationType = Options().type;
    StoreSiteFields(chrom, start, end);
    if (!CheckSiteAndLoadAnnotation(Options().annotation)) return 1;
    ComputeSiteCircles();
    std::vector<std::string> chosen;
    if (!ChosenEntries(chosen) || !ConfirmDrawOrder(chosen)) return 1;
    PrintStructures();
    if (Options().noDraw) {
        SitePipeline().drawSite = {chrom, Site().siteStart, Site().siteEnd};
        if (!WriteCircleInfo()) return 1;
        std::cout << "folder\t" << SiteFolder() << '\n';
        return 0;
    }
    AdoptCircleFormatFile(WorkspaceFile(kCircleFormatFile));
    DrawOutcome outcome = DrawChosenCircles();
    if (outcome == DrawOutcome::FitRefused) ShowNotice(Shared().noticeText);
    std::cout << "folder\t" << SiteFolder() << '\n';
    if (outcome != DrawOutcome::Drawn) return 1;
    std::string pdf = CirclePdfPath("site");
    if (!std::filesystem::exists(pdf)) return 1;
    std::cout << "pdf\t" << pdf << '\n';
    return 0;
}

const CliRegistration kSite{[](CLI::App& root, CliRun& chosen) {
    CLI::App* sub = root.add_subcommand("site", "Draw the circles that back-splicing at a site forms");
    SiteOptions& options = Options();
    sub->add_option("--annotation", options.annotation, "Gene annotation file")->required()->transform(AbsolutePath());
    sub->add_option("--type", options.type, "Annotation type")->check(CLI::IsMember({"gff3", "gtf", "refFlat"}));
    sub->add_option("--site", options.site, "The site, CHROM:START-END")->required();
    sub->add_option("--isoforms", options.isoforms, "all, or entry names to draw in order, comma-separated");
    sub->add_flag("--no-draw", options.noDraw, "Write the info files only, without the fit check and R");
    sub->callback([&chosen] { chosen = RunSite; });
}};

}  // namespace

}  // namespace tallowby
