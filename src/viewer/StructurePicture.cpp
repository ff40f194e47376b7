#include "viewer/ViewerPictures.h"

#include "app/SharedState.h"
#include "app/Text.h"
#include "formats/LinearFormat.h"
#include "formats/ViewerColours.h"
#include "viewer/AxisLayout.h"
#include "viewer/TrackLayout.h"
#include "viewer/ViewerFonts.h"
#include "viewer/ViewerScene.h"

#include <GL/gl.h>

#include <cmath>
#include <string>

namespace tallowby {

namespace {
// Colour `index` (counted from 0) of a gene colour entry; black when the entry is short.
void UseColour(GeneColourEntry entry, size_t index) {
    const GeneColourSet& set = GeneColours();
    if (entry >= set.size() || set[entry].size() < (index + 1) * 3) {
        glColor3f(0, 0, 0);
        return;
    }
    const float* rgb = set[entry].data() + index * 3;
    glColor3f(rgb[0], rgb[1], rgb[2]);
}

void VerticalLine(double x, double fromY, double toY) {
    glBegin(GL_LINES);
    glVertex2d(x, fromY);
    glVertex2d(x, toY);
    glEnd();
}

// A box whose top edge takes colour `top` and bottom edge colour `bottom` of the entry; smooth
// shading turns it into a vertical gradient.
void ShadedBox(GeneColourEntry entry, double xs, double xe, double yTop, double yBottom) {
    glBegin(GL_QUADS);
    UseColour(entry, 0);
    glVertex2d(xs, yTop);
    glVertex2d(xe, yTop);
    UseColour(entry, 1);
    glVertex2d(xe, yBottom);
    glVertex2d(xs, yBottom);
    glEnd();
}

void StartSmoothDrawing() {
    glEnable(GL_POINT_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_POLYGON_SMOOTH);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glClear(GL_COLOR_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
}

void DrawSiteBand() {
    UseColour(kGeneSiteBand, 0);
    glRectf(-0.5f, -800.0f, 0.5f, 800.0f);
    glLineWidth(0.5f);
    UseColour(kGeneSiteBand, 1);
    VerticalLine(0.5, 800, -800);
    VerticalLine(-0.5, 800, -800);
}

AxisInput CurrentAxisInput(const char* mode) {
    const ViewerScene& scene = Scene();
    const DrawnRange range = CurrentDrawnRange();
    AxisInput input;
    input.siteStart = Site().siteStart;
    input.siteEnd = Site().siteEnd;
    input.rangeLo = range.lo;
    input.rangeHi = range.hi;
    input.scale = scene.scaleX;
    input.panOffset = scene.panOffset;
    input.mode = mode;
    return input;
}
}  // namespace

void DrawAxis(const char* mode) {
    StartSmoothDrawing();
    DrawSiteBand();
    const AxisLayout axis = ComputeAxisLayout(CurrentAxisInput(mode));
    Scene().rangeLoX = static_cast<float>(axis.rangeLoX);
    const LinearFormat& format = LinearFormatState();
    const float s = Scene().scaleX;
    for (const AxisTick& tick : axis.ticks) {
        if (format.showBackgroundLines) {
            glLineWidth(static_cast<float>(axis.tickLineWidth * 0.2));
            glColor3f(0.8f, 0.8f, 0.8f);
            VerticalLine(tick.x, 0.8 / s, -2.0 / s);
        }
        if (format.showCoordinateAxis && tick.labelled)
            DrawText(axis.font, static_cast<float>(tick.x), static_cast<float>(axis.labelY), std::to_string(tick.label));
        glLineWidth(static_cast<float>(axis.tickWidth));
        glColor3f(0.5f, 0.5f, 0.5f);
        VerticalLine(tick.x, axis.tickHeight / s, 0);
    }
    glLineWidth((s + 1) * 2);
    glColor3f(0.3f, 0.3f, 0.3f);
    glBegin(GL_LINES);
    glVertex2d(axis.x0, 0);
    glVertex2d(axis.x0 + axis.axisLength, 0);
    glEnd();
    glFlush();
}

void DrawUtrBox(double xs, double xe, double top, double height) {
    ShadedBox(kGeneUtr, xs, xe, top, top - height);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    UseColour(kGeneUtr, 2);
    glRectd(xs, top, xe, top - height);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void DrawDirectionMark(double x, bool plusStrand, double top, double height) {
    const double root = std::sqrt(static_cast<double>(Scene().scaleX));
    const double d = DirectionHeadLength(Site().siteEnd - Site().siteStart) / root;
    const double middle = top - height / 2;
    const double sign = plusStrand ? 1 : -1;
    const double headY = plusStrand ? top - 0.2 * height : top - 0.8 * height;
    glLineWidth(static_cast<float>(0.25 * root));
    glColor3f(0.05f, 0.15f, 0.4f);
    glBegin(GL_LINES);
    glVertex2d(x, middle);
    glVertex2d(x + sign * d, middle);
    glVertex2d(x + sign * d, middle);
    glVertex2d(x + sign * d / 2, headY);
    glEnd();
}

void DrawTranscriptTracks(bool siteMode) {
    const float s = Scene().scaleX;
    // The line state the rows start from, as every picture of this window expects.
    glColor3f(0.3f, 0.5f, 0.95f);
    glLineWidth((s + 1) * 0.6f);
    const TrackSizes sizes = ComputeTrackSizes(s, Site().siteEnd - Site().siteStart, siteMode);
    TrackInput input;
    input.siteStart = Site().siteStart;
    input.siteEnd = Site().siteEnd;
    input.scale = s;
    input.siteMode = siteMode;
    input.showDirection = LinearFormatState().showGeneDirection != 0;
    const bool showNames = LinearFormatState().showGeneName != 0;
    const double h = sizes.rowHeight;
    for (const TranscriptRow& row : ComputeTranscriptRows(input, sizes)) {
        if (showNames && row.hasParts)
            DrawText(sizes.nameFont, static_cast<float>(row.nameX), static_cast<float>(row.nameY), row.name);
        for (const DirectionMark& mark : row.marks) DrawDirectionMark(mark.x, mark.plusStrand, row.top, h);
        for (const PartBox& part : row.parts) {
            switch (part.type) {
                case kTypeCds:
                    ShadedBox(kGeneCds, part.xs, part.xe, row.top, row.top - h);
                    break;
                case kTypeFivePrimeUtr:
                case kTypeThreePrimeUtr:
                case kTypeUtr:
                    DrawUtrBox(part.xs, part.xe, row.top, h);
                    break;
                case kTypeIntron:
                    ShadedBox(kGeneIntron, part.xs, part.xe, row.top - 0.4 * h, row.top - 0.6 * h);
                    break;
                default:
                    break;  // exons, genes, mRNAs and unknown types have no box of their own
            }
        }
    }
    glFlush();
}

void DrawStructureScene() {
    const ViewerScene& scene = Scene();
    DrawAxis(scene.viewMode.c_str());
    if (scene.viewMode == "site" || scene.viewMode == "express") {
        const CurrentSite& site = Site();
        const std::string label = Format("%s:%d..%d", site.siteChrom.c_str(), site.siteStart, site.siteEnd);
        DrawText(17, -0.95f / scene.scaleX - scene.translateX, 0.5f / scene.scaleX, label);
    }
    // The sequence and expression views draw their own layers over these rows.
    DrawTranscriptTracks(scene.viewMode == "site");
}

}  // namespace tallowby
