#include "viewer/ViewerKeys.h"

namespace tallowby {

namespace {
// How many bases of the drawn genes the screen shows on each side, up to x = +-0.8.
struct Reach {
    float left, right;
};
Reach ReachOf(const ViewerScene& scene, int siteLength) {
    const double s = scene.scaleX;
    const double p = scene.panOffset;
    return {static_cast<float>((p + 0.8) / s * siteLength), static_cast<float>((0.8 - p) / s * siteLength)};
}

void Zoom(ViewerScene& scene, double factor) {
    scene.scaleX = static_cast<float>(scene.scaleX * factor);
    scene.scaleY = static_cast<float>(scene.scaleY * factor);
    scene.panOffset = static_cast<float>(scene.panOffset * factor);
}

void Pan(ViewerScene& scene, double screenUnits) {
    scene.translateX = static_cast<float>(scene.translateX + screenUnits / scene.scaleX);
    scene.panOffset = static_cast<float>(scene.panOffset + screenUnits);
}
}  // namespace

bool ApplyArrowKey(ViewerScene& scene, ArrowKey key, int siteLength) {
    const Reach reach = ReachOf(scene, siteLength);
    const bool moreLeft = scene.leftExtent > reach.left;
    const bool moreRight = scene.rightExtent > reach.right;
    switch (key) {
        case ArrowKey::Left:
            if (!moreLeft) return false;
            Pan(scene, 0.1);
            return true;
        case ArrowKey::Right:
            if (!moreRight) return false;
            Pan(scene, -0.1);
            return true;
        case ArrowKey::Up:
            if (!(scene.scaleX < 10)) return false;
            Zoom(scene, 1.1);
            return true;
        case ArrowKey::Down:
            if (!moreLeft && !moreRight) return false;
            Zoom(scene, 0.9091);
            return true;
    }
    return false;
}

bool IsSaveKey(unsigned char key) { return key == 's' || key == 'S'; }

ReshapeDecision DecideReshape(int width, int height) {
    ReshapeDecision decision;
    decision.storedWidth = width;
    decision.storedHeight = height;
    if (width >= kViewerMinimumSize && height >= kViewerMinimumSize) {
        decision.useWholeWindow = true;
        return decision;
    }
    decision.askForSize = true;
    decision.askedWidth = width < kViewerMinimumSize ? kViewerMinimumSize : width;
    decision.askedHeight = height < kViewerMinimumSize ? kViewerMinimumSize : height;
    decision.storedWidth = decision.askedWidth;
    decision.storedHeight = decision.askedHeight;
    return decision;
}

}  // namespace tallowby
