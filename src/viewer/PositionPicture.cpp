#include "viewer/ViewerPictures.h"

#include "app/SharedState.h"
#include "app/Text.h"
#include "formats/ViewerColours.h"
#include "genome/ReferenceStore.h"
#include "viewer/ViewerFonts.h"

#include <GL/gl.h>

#include <string>

namespace tallowby {

namespace {
// The chromosome's length for the current database, 0 when the index does not know it. Only
// read: an invented 0 entry would later pass for a measured chromosome.
int KnownChromosomeLength() {
    const auto& index = Reference().chromLengthIndex;
    auto found = index.find({Shared().databasePath, Site().siteChrom});
    return found == index.end() ? 0 : found->second;
}

void SiteBandColour() {
    // The band takes the CDS colour of the gene colours: a narrow site must still stand out.
    const GeneColourSet& set = GeneColours();
    if (set.size() > kGeneCds && set[kGeneCds].size() >= 3)
        glColor3f(set[kGeneCds][0], set[kGeneCds][1], set[kGeneCds][2]);
    else
        glColor3f(0.1f, 0.2f, 0.95f);
}

void VerticalLine(double x, double fromY, double toY) {
    glBegin(GL_LINES);
    glVertex2d(x, fromY);
    glVertex2d(x, toY);
    glEnd();
}
}  // namespace

void DrawPosition() {
    const CurrentSite& site = Site();
    const int length = KnownChromosomeLength();
    glClear(GL_COLOR_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    if (length > 0) {
        const double x1 = static_cast<double>(site.siteStart) / length * 1.6 - 0.8;
        const double x2 = static_cast<double>(site.siteEnd) / length * 1.6 - 0.8;
        SiteBandColour();
        glRectd(x1, -0.5, x2, 0.5);
        glLineWidth(0.5f);
        glColor3f(0.6f, 0.5f, 0.5f);
        VerticalLine(x1, 0.5, -0.5);
        VerticalLine(x2, 0.5, -0.5);
    }
    for (int i = 0; i <= 20; i += 2) {
        glLineWidth(1.2f);
        glColor3f(0.5f, 0.5f, 0.5f);
        VerticalLine(i * 0.08 - 0.8, 0.025, 0);
    }
    glLineWidth(4);
    glColor3f(0.3f, 0.3f, 0.3f);
    glBegin(GL_LINES);
    glVertex2d(-0.8, 0);
    glVertex2d(0.8, 0);
    glEnd();
    glFlush();
    DrawText(15, -0.8f, -0.1f, "0");
    DrawText(15, 0.75f, -0.1f, std::to_string(length));
    DrawText(18, -0.85f, 0.6f, Format("%s:%d..%d", site.siteChrom.c_str(), site.siteStart, site.siteEnd));
}

}  // namespace tallowby
