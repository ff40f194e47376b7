#pragma once
// What every viewer window draws from. Window callbacks carry no user data, so the zoom, pan,
// window size, mode and font lists live in one process-wide record, reached through Scene();
// ResetViewerScene() restores the start values (tests call it). All open viewer windows share it:
// opening a viewer changes what every open viewer shows at its next redraw.
//
// Scene coordinates: with mid = (siteStart + siteEnd) / 2 and L = siteEnd - siteStart (the current
// site of app/SharedState.h), genomic position p lies at x = (p - mid) / L, so the site spans
// x = -0.5 .. 0.5. Before any zoom the window shows x = -1 .. 1. A scene point (x, y) lands on the
// screen at (scaleX * (x + translateX), scaleY * y).
//
// The range of the drawn parts (rangeLo, rangeHi) is filled by FindSiteLocus and kept with the
// genes it chose, in SitePipeline() (site/SitePipeline.h).

#include <map>
#include <string>

namespace tallowby {

// Window sizes are never below this many pixels in either direction.
constexpr int kViewerMinimumSize = 680;

struct ViewerScene {
    std::string viewMode;  // "site", "circle", "linear" or "express"
    float scaleX = 1, scaleY = 1, scaleZ = 1;  // scaleX and scaleY always equal
    float translateX = 0, translateY = 0, translateZ = 0;  // only translateX ever changes
    float panOffset = 0;  // horizontal shift in screen units: scaleX * translateX
    // How far, in bases, the drawn genes reach left and right of the site middle.
    float leftExtent = 0, rightExtent = 0;
    int windowWidth = kViewerMinimumSize, windowHeight = kViewerMinimumSize;
    float rangeLoX = 0;  // scene x of the leftmost drawn part, written by the axis
    // Pixel size -> first display list of that font in the window built last; fontsReady once built.
    std::map<int, unsigned> fontListBase;
    bool fontsReady = false;
    // "Not show again" of the viewer help; kept in memory until the program ends.
    int viewerHelpSuppressed = 0;
};

ViewerScene& Scene();
void ResetViewerScene();

// The site as the pictures see it: its middle and length, and the scene x of a position.
struct SiteGeometry {
    double mid = 0;
    int length = 1;
    double X(double position) const { return (position - mid) / length; }
};
[[nodiscard]] SiteGeometry CurrentSiteGeometry();

// The drawn parts' range, or the site itself when nothing is drawn (a chromosome without genes),
// so that the axis and the arrow keys still have something sensible to work on.
struct DrawnRange {
    int lo = 0, hi = 0;
};
[[nodiscard]] DrawnRange CurrentDrawnRange();

// Zoom and pan back to the start, window size 680 x 680, the genes' reach from the drawn range,
// and the viewer colours refreshed (with the linear format's single-colour flag).
void ResetView();

}  // namespace tallowby
