// tallowby-cli view: a viewer picture of a site as a BMP file, from the same window the site
// form opens (it needs an X display; under Xvfb in tests).

#include "app/SharedState.h"
#include "cli/CliCommands.h"
#include "cli/SiteArgument.h"
#include "site/SiteDraw.h"
#include "viewer/ViewerCapture.h"

namespace tallowby {

namespace {

struct ViewOptions {
    std::string site, mode = "site", annotation, type = "gff3", database, bmp;
    bool chromosomeSet = false;
    int zoom = 0, pan = 0;
};

ViewOptions& Options() {
    static ViewOptions options;
    return options;
}

int RunView() {
    const ViewOptions& options = Options();
    std::string chrom, start, end;
    if (!SplitSiteArgument(options.site, chrom, start, end)) return 1;
    Shared().annotationType = options.type;
    if (options.chromosomeSet) Shared().databaseFormat = 1;
    StoreSiteFields(chrom, start, end);
    bool ready = options.mode == "pos" ? CheckSiteAndMeasureChromosome(options.database)
                                       : CheckSiteAndLoadAnnotation(options.annotation);
    if (!ready) return 1;
    ViewerCaptureRequest request{options.mode, options.zoom, options.pan, options.bmp};
    return CaptureViewerPicture(request) ? 0 : 1;
}

const CliRegistration kView{[](CLI::App& root, CliRun& chosen) {
    CLI::App* sub = root.add_subcommand("view", "Write the linear viewer's picture of a site as a BMP file");
    ViewOptions& options = Options();
    sub->add_option("--site", options.site, "The site, CHROM:START-END")->required();
    sub->add_option("--mode", options.mode, "site (gene structures, the default) or pos (site on its chromosome)")
        ->check(CLI::IsMember({"site", "pos"}));
    sub->add_option("--annotation", options.annotation, "Gene annotation file (mode site)")->transform(AbsolutePath());
    sub->add_option("--type", options.type, "Annotation type")->check(CLI::IsMember({"gff3", "gtf", "refFlat"}));
    sub->add_option("--database", options.database, "Reference genome (mode pos)")->transform(AbsolutePath());
    sub->add_flag("--chromosome-set", options.chromosomeSet, "The database is a chromosome-set list");
    sub->add_option("--bmp", options.bmp, "The picture to write")->required()->transform(AbsolutePath());
    sub->add_option("--zoom", options.zoom, "Up-arrow presses before the picture")->check(CLI::NonNegativeNumber);
    sub->add_option("--pan", options.pan, "Right-arrow presses (left for a negative number)");
    sub->callback([&chosen] { chosen = RunView; });
}};

}  // namespace

}  // namespace tallowby
