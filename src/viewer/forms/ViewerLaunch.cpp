#include "viewer/ViewerLaunch.h"

#include "viewer/ViewerScene.h"
#include "viewer/ViewerWindow.h"
#include "viewer/forms/CDLGOpenGLMessage.h"

namespace tallowby {

void ShowViewerHelp() {
    if (Scene().viewerHelpSuppressed) return;
    CDLGOpenGLMessage help;
    help.RunModally();
}

bool ShowViewerHelpThenOpenStructure(const std::string& mode) {
    ShowViewerHelp();
    return OpenStructureViewer(mode);
}

bool ShowViewerHelpThenOpenPosition() {
    ShowViewerHelp();
    return OpenPositionViewer();
}

}  // namespace tallowby
