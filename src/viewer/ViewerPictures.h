#pragma once
// The pictures of a genomic site, drawn into the current viewer window from Scene(), the current
// site, the genes FindSiteLocus chose, the linear format and the gene colours. Scene coordinates
// are those of viewer/ViewerScene.h; the structure functions expect the model transform (zoom and
// pan) to be set already.

namespace tallowby {

// The structure window's picture: the axis, the site label in "site" and "express" mode, and the
// transcript rows.
void DrawStructureScene();

// Smoothing, a cleared window, the site band, then ticks, numbers, background lines and the axis
// line (see viewer/AxisLayout.h) for the mode "site", "circle", "linear" or "express".
void DrawAxis(const char* mode);

// Every transcript of the chosen genes as a row of boxes (see viewer/TrackLayout.h).
void DrawTranscriptTracks(bool siteMode);

// A UTR part: a shaded box with an outline, from xs to xe on the row with top y and height h.
void DrawUtrBox(double xs, double xe, double top, double height);

// The half arrow leaving a transcript's 3' end at x, on the row with top y and height h: to the
// right with its head above for '+', to the left with its head below for '-'.
void DrawDirectionMark(double x, bool plusStrand, double top, double height);

// The "Linear pos" window's picture: the site as a band on its chromosome, which spans x = -0.8 ..
// 0.8, with ticks, the chromosome's length and the site text. The chromosome length comes from
// the reference store's length index for the current database; without one no band is drawn.
void DrawPosition();

}  // namespace tallowby
