#pragma once
// What the site form calls for its linear draw types: the viewer help (unless "Not show again"
// was ticked), then the viewer window. Each returns when its window is closed (or the main window
// closes), false when no window was opened (after a message saying why).
//
// Reads: the current site (Site(): siteChrom, siteStart, siteEnd, as Draw stored and checked it).
// The structure viewer also reads Shared().annotationType and the gene model, which must hold the
// site's chromosome (LoadAnnotation); it finds the genes around the site itself. The position
// viewer reads Shared().databasePath and the chromosome's entry in the reference store's length
// index, which Draw makes sure of (EnsureChromosomeLength, CheckSiteInLengthIndex); it reads no
// annotation.

#include <string>

namespace tallowby {

// Draw type "Linear struct": mode "site". The sequence and expression pictures pass their modes.
bool ShowViewerHelpThenOpenStructure(const std::string& mode = "site");

// Draw type "Linear pos".
bool ShowViewerHelpThenOpenPosition();

// The help form alone, run modally through the platform.
void ShowViewerHelp();

}  // namespace tallowby
