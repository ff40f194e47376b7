#pragma once
// The viewer windows: "Linear Struct" (gene structures around the current site), "Linear pos" (the
// site on its chromosome) and "Chrom Length". Each open call creates its window and runs a loop
// that serves every viewer window and the forms' events until that window is closed; then it
// returns. Opening a viewer from a form while another is open nests a further loop. Closing a
// viewer never ends the program; closing the main window (LeaveViewerLoops of app/ViewerLoops.h)
// closes every viewer and returns every open call.
//
// Everything is drawn from Scene() (viewer/ViewerScene.h). Needs an X display with GLX; without
// one an open call shows an error and returns false.

#include <functional>
#include <string>

namespace tallowby {

// mode "site" (the site form), "circle", "linear" (sequence pictures) or "express" (expression):
// finds the genes around the current site (FindSiteLocus with the annotation type, a margin of
// twice the site length below 1000 bases and of the length otherwise, 3 neighbours), resets the
// view and opens "Linear Struct". False when no window was opened.
bool OpenStructureViewer(const std::string& mode);

// "Linear pos": the current site on its chromosome of the current database (its length must be in
// the reference store's length index: EnsureChromosomeLength). False when no window was opened.
bool OpenPositionViewer();

// "Chrom Length": shows the chart installed with SetChromLengthPicture (a white window until one
// is). False when no window was opened.
bool OpenChromLengthViewer();
void SetChromLengthPicture(std::function<void()> draw);

// Window callbacks, also called by tests.
void ReshapeSquare(int width, int height);  // projection x -1..1, y -1..1
void ReshapeTall(int width, int height);    // projection x -1..1, y -2.5..1
void DisplayStructure();
void DisplayPosition();
void OnViewerKey(unsigned char key, int x, int y);
void OnViewerSpecialKey(int key, int x, int y);

// Draws the current window's picture into its back buffer without showing it.
void RenderCurrentViewer();

// For batch pictures and tests: runs `script` once, inside the loop, when the next window opened
// has drawn itself for the first time, with that window current.
void RunWhenViewerShown(std::function<void(int window)> script);
// Closes one viewer window (its open call then returns).
void CloseViewerWindow(int window);
// Closes every viewer window and makes every running open call return.
void LeaveAllViewers();
// Viewer windows open now.
[[nodiscard]] int OpenViewerCount();

// Whether viewer windows can be opened here: an X display with GLX is reachable.
[[nodiscard]] bool ViewerDisplayAvailable();

}  // namespace tallowby
