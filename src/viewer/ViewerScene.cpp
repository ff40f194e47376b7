#include "viewer/ViewerScene.h"

#include "app/SharedState.h"
#include "formats/LinearFormat.h"
#include "formats/ViewerColours.h"
#include "site/SitePipeline.h"

#include <algorithm>

namespace tallowby {

ViewerScene& Scene() {
    static ViewerScene scene;
    return scene;
}

void ResetViewerScene() { Scene() = ViewerScene{}; }

SiteGeometry CurrentSiteGeometry() {
    const CurrentSite& site = Site();
    SiteGeometry geometry;
    geometry.mid = (static_cast<double>(site.siteStart) + site.siteEnd) / 2.0;
    // A site always has end > start once checked; never divide by zero on a stray call.
    geometry.length = std::max(1, site.siteEnd - site.siteStart);
    return geometry;
}

DrawnRange CurrentDrawnRange() {
    const SitePipelineState& pipeline = SitePipeline();
    if (pipeline.rangeLo <= pipeline.rangeHi) return {pipeline.rangeLo, pipeline.rangeHi};
    return {Site().siteStart, Site().siteEnd};
}

void ResetView() {
    ViewerScene& scene = Scene();
    scene.scaleX = scene.scaleY = scene.scaleZ = 1;
    scene.translateX = scene.translateY = 0;
    scene.windowWidth = scene.windowHeight = kViewerMinimumSize;
    scene.panOffset = 0;
    const double mid = CurrentSiteGeometry().mid;
    const DrawnRange range = CurrentDrawnRange();
    scene.leftExtent = static_cast<float>(mid - range.lo);
    scene.rightExtent = static_cast<float>(range.hi - mid);
    PrepareViewerColours(LinearFormatState().singleColour != 0);
}

}  // namespace tallowby
