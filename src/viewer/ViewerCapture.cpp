#include "viewer/ViewerCapture.h"

#include "app/Messages.h"
#include "viewer/BmpExport.h"
#include "viewer/ViewerWindow.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace tallowby {

namespace {
void PressArrows(int zoomPresses, int panPresses) {
    for (int i = 0; i < zoomPresses; ++i) OnViewerSpecialKey(GLUT_KEY_UP, 0, 0);
    const int panKey = panPresses > 0 ? GLUT_KEY_RIGHT : GLUT_KEY_LEFT;
    for (int i = 0; i < std::abs(panPresses); ++i) OnViewerSpecialKey(panKey, 0, 0);
}
}  // namespace

bool CaptureViewerPicture(const ViewerCaptureRequest& request) {
    if (request.zoomPresses < 0) {
        ShowError("The number of zoom presses must be 0 or more.");
        return false;
    }
    const bool position = request.mode == "pos";
    if (!position && request.mode != "site" && request.mode != "circle" && request.mode != "linear" &&
        request.mode != "express") {
        ShowError("The viewer mode " + request.mode + " does not exist; use site, circle, linear, express or pos.");
        return false;
    }
    bool written = false;
    RunWhenViewerShown([&](int window) {
        if (!position) PressArrows(request.zoomPresses, request.panPresses);
        written = WriteWindowBmp(request.bmpPath);
        CloseViewerWindow(window);
    });
    const bool opened = position ? OpenPositionViewer() : OpenStructureViewer(request.mode);
    return opened && written;
}

}  // namespace tallowby
