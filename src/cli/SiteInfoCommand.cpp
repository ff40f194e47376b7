// tallowby-cli site-info: the Site Info form's analyses of a site, in the order sequence, splice
// sites, search; each prints the text its box shows, then an empty line.

#include "app/Checks.h"
#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/Text.h"
#include "cli/CliCommands.h"
#include "cli/SiteArgument.h"
#include "site/SiteDraw.h"
#include "site/SiteInfo.h"

#include <iostream>

namespace tallowby {

namespace {

struct SiteInfoOptions {
    std::string database, annotation, type = "gff3", site;
    bool sequence = false, splice = false, search = false;
};

SiteInfoOptions& Options() {
    static SiteInfoOptions options;
    return options;
}

bool RunSearch() {
    std::optional<SiteSearchResult> result = SearchSiteShift();
    if (!result) return false;
    std::cout << result->text << "\n\n";
    if (result->offer && AskQuestion(result->text)) {
        ApplyAdjustedSite();
        std::cout << "adjusted\t" << Site().siteChrom << ':' << Site().siteStart << '-' << Site().siteEnd << '\n';
    }
    return true;
}

int RunSiteInfo() {
    const SiteInfoOptions& options = Options();
    std::string chrom, start, end;
    if (!SplitSiteArgument(options.site, chrom, start, end)) return 1;
    Shared().databasePath = options.database;
    Shared().annotationPath = options.annotation;
    Shared().annotationType = options.type;
    StoreSiteFields(chrom, start, end);
    const CurrentSite& site = Site();
    if (!CheckSite(site.siteChrom, site.siteStartText, site.siteEndText, site.siteStart, site.siteEnd)) return 1;
    RefreshInputSiteText();
    if (options.sequence) {
        std::optional<std::string> path = WriteSiteSequence();
        if (!path) return 1;
        std::cout << "sequence\t" << *path << "\n\n";
    }
    if (options.splice) {
        std::optional<std::string> text = SpliceSiteText();
        if (!text) return 1;
        std::cout << *text << "\n\n";
    }
    if (options.search && !RunSearch()) return 1;
    return 0;
}

const CliRegistration kSiteInfo{[](CLI::App& root, CliRun& chosen) {
    CLI::App* sub = root.add_subcommand("site-info", "A site's sequence, splice sites and the search for its splice motif");
    SiteInfoOptions& options = Options();
    sub->add_option("--database", options.database, "Reference genome (FASTA, or a chromosome-set list)")
        ->required()
        ->transform(AbsolutePath());
    sub->add_option("--annotation", options.annotation, "Gene annotation file (for --search)")->transform(AbsolutePath());
    sub->add_option("--type", options.type, "Annotation type")->check(CLI::IsMember({"gff3", "gtf", "refFlat"}));
    sub->add_option("--site", options.site, "The site, CHROM:START-END")->required();
    sub->add_flag("--sequence", options.sequence, "Write the site's sequence to SiteInfo_seq.txt");
    sub->add_flag("--splice", options.splice, "Show the two bases before the start and after the end");
    sub->add_flag("--search", options.search, "Search an equivalent site on a splice motif or exon boundaries");
    sub->callback([&chosen] { chosen = RunSiteInfo; });
}};

}  // namespace

}  // namespace tallowby
