#pragma once
// What the viewer tests share: a small gene model around a site, the reset of every record the
// viewer reads, the pixels of a real window, and where a scene point lands in them.
//
// The model (chromosome chrT, site 10000..11000, so 1 base = 0.001 scene units):
//   gene G1 (+) with T1: UTR 9600-9650, CDS 9650-9900, CDS 10100-10450 (an intron 9900-10100 between)
//                    T3: exon 9600-9700, OOO 9700-9800 (no gap: nothing drawn between them)
//   gene G2 (-) with T2: CDS 10650-10800, CDS 10900-11100, five_prime_UTR 11200-11400
// T1 and T2 share the first row, T3 takes the second.

#include "support/TestWorkspace.h"
#include "viewer/BmpFile.h"

#include <functional>
#include <string>

namespace tallowby::test {

struct Colour {
    int red = 0, green = 0, blue = 0;
};
// A colour given in 0..1 components, as the colour tables hold them.
Colour Scaled(double red, double green, double blue);
bool Near(const Colour& a, const Colour& b, int tolerance);
std::string Describe(const Colour& colour);

Colour PixelAt(const BgrImage& image, int x, int y);  // y counted from the bottom row

// Pixel column and row of a scene point in a window of the given size, for the current zoom and
// pan; bottom is the projection's lowest y (-2.5 tall, -1 square).
int PixelX(double sceneX, int width);
int PixelY(double sceneY, int height, double bottom);

// Resets the site, the pipeline, the gene model, the scene, the linear format and the colours,
// then builds the model above and makes chrT:10000-11000 the current site (annotation type gtf).
void BuildSmallModel();

// Opens the structure viewer in `mode` and runs `look` inside it once it has drawn itself; the
// window is closed afterwards. Fails the test when no window opened.
void WithStructureViewer(const std::string& mode, const std::function<void(int window)>& look);

// Reads a BMP written by the viewer.
struct BmpFileContents {
    std::string header;  // the first 54 bytes
    BgrImage image;
};
BmpFileContents ReadBmp(const std::string& path);
uint32_t Little(const std::string& bytes, size_t at, int count);

// Viewer tests open real windows: without an X display they fail, never skip.
class ViewerTest : public WorkspaceTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace tallowby::test
