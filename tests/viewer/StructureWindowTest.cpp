// The "Linear Struct" window on a real X display: its picture read back pixel by pixel over the
// small model of ViewerTestSupport.h (window 680 x 680, tall projection in "site" mode: x -1..1,
// y -2.5..1).

#include "ViewerTestSupport.h"

#include "formats/LinearFormat.h"
#include "viewer/BmpExport.h"
#include "viewer/ViewerFonts.h"
#include "viewer/ViewerScene.h"
#include "viewer/ViewerWindow.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

namespace tallowby::test {
namespace {

constexpr double kTall = -2.5;
constexpr int kSize = 680;

const Colour kWhite{255, 255, 255};
const Colour kBandFill = Scaled(0.7, 0.8, 0.95);
const Colour kBandBorder = Scaled(0.6, 0.7, 0.85);
const Colour kCdsTop = Scaled(0.1, 0.2, 0.95);
const Colour kCdsBottom = Scaled(0.01, 0.08, 0.45);
const Colour kIntron = Scaled(0.5, 0.5, 0.68);
const Colour kUtrOutline = Scaled(0.1, 0.2, 0.5);
const Colour kMark = Scaled(0.05, 0.15, 0.4);
const Colour kAxisLine = Scaled(0.3, 0.3, 0.3);
const Colour kTick = Scaled(0.5, 0.5, 0.5);
const Colour kBackgroundLine = Scaled(0.8, 0.8, 0.8);

// Scene x of a position of the model's site chrT:10000-11000.
double X(int position) { return (position - 10500) / 1000.0; }

int Px(double sceneX) { return PixelX(sceneX, kSize); }
int Py(double sceneY, double bottom = kTall) { return PixelY(sceneY, kSize, bottom); }

// Whether any pixel of the box [x0, x1] x [y0, y1] (pixels, inclusive) satisfies the test.
bool AnyPixel(const BgrImage& image, int x0, int x1, int y0, int y1, const std::function<bool(const Colour&)>& test) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (test(PixelAt(image, x, y))) return true;
    return false;
}
bool AnyNear(const BgrImage& image, int x0, int x1, int y0, int y1, const Colour& colour, int tolerance = 8) {
    return AnyPixel(image, x0, x1, y0, y1, [&](const Colour& c) { return Near(c, colour, tolerance); });
}
bool AnyDark(const BgrImage& image, int x0, int x1, int y0, int y1) {
    return AnyPixel(image, x0, x1, y0, y1, [](const Colour& c) { return c.red + c.green + c.blue < 120; });
}

BgrImage PictureOf(const std::string& mode) {
    BgrImage picture;
    WithStructureViewer(mode, [&](int) { picture = ReadWindowPicture(); });
    return picture;
}

#define EXPECT_COLOUR(image, x, y, colour, tolerance)                                              \
    do {                                                                                           \
        const Colour seen_ = PixelAt(image, x, y);                                                 \
        EXPECT_TRUE(Near(seen_, colour, tolerance))                                                \
            << "pixel " << (x) << "," << (y) << " is " << Describe(seen_) << ", not " << Describe(colour); \
    } while (0)

using StructureWindowTest = ViewerTest;

TEST_F(StructureWindowTest, SiteBandFillsTheSiteWithItsBorderAtBothEnds) {
    const BgrImage picture = PictureOf("site");
    ASSERT_EQ(picture.width, kSize);
    ASSERT_EQ(picture.height, kSize);
    const int above = Py(0.7);  // above the label and the rows
    EXPECT_COLOUR(picture, Px(0.0), above, kBandFill, 3);
    EXPECT_COLOUR(picture, Px(-0.45), Py(-2.3), kBandFill, 3);
    EXPECT_COLOUR(picture, Px(0.7), above, kWhite, 0);
    EXPECT_COLOUR(picture, Px(-0.7), above, kWhite, 0);
    for (double edge : {-0.5, 0.5})
        EXPECT_TRUE(AnyNear(picture, Px(edge) - 1, Px(edge), above, above, kBandBorder, 3)) << "border at " << edge;
}

TEST_F(StructureWindowTest, CdsBoxIsAVerticalGradientFromItsTopColourToItsBottomColour) {
    const BgrImage picture = PictureOf("site");
    // T1's second CDS piece, row one: top y -0.3, height 0.09.
    const int x = Px(X(10300));
    const double top = Py(-0.3), bottom = Py(-0.39);
    auto expected = [&](int row) {
        const double t = (row + 0.5 - ((-0.39 - kTall) / (1 - kTall) * kSize)) / (0.09 / (1 - kTall) * kSize);
        return Colour{static_cast<int>(kCdsBottom.red + (kCdsTop.red - kCdsBottom.red) * t),
                      static_cast<int>(kCdsBottom.green + (kCdsTop.green - kCdsBottom.green) * t),
                      static_cast<int>(kCdsBottom.blue + (kCdsTop.blue - kCdsBottom.blue) * t)};
    };
    for (int row : {static_cast<int>(top) - 1, static_cast<int>(bottom) + 1, static_cast<int>((top + bottom) / 2)})
        EXPECT_COLOUR(picture, x, row, expected(row), 6);
    // Just outside the box the band shows again.
    EXPECT_COLOUR(picture, x, static_cast<int>(top) + 2, kBandFill, 3);
    EXPECT_COLOUR(picture, x, static_cast<int>(bottom) - 2, kBandFill, 3);
}

TEST_F(StructureWindowTest, IntronIsAThinBarThroughTheRowMiddle) {
    const BgrImage picture = PictureOf("site");
    const int x = Px(X(10050));  // inside T1's intron 9900-10100, inside the band
    EXPECT_COLOUR(picture, x, Py(-0.345), kIntron, 3);
    EXPECT_COLOUR(picture, x, Py(-0.305), kBandFill, 3);
    EXPECT_COLOUR(picture, x, Py(-0.385), kBandFill, 3);
    const int outside = Px(X(9920));  // the same bar left of the band, over white
    EXPECT_COLOUR(picture, outside, Py(-0.345), kIntron, 3);
    EXPECT_COLOUR(picture, outside, Py(-0.31), kWhite, 0);
}

TEST_F(StructureWindowTest, UtrBoxIsShadedAndOutlined) {
    const BgrImage picture = PictureOf("site");
    // T2's five_prime_UTR 11200-11400 (x 0.7 .. 0.9), right of the band.
    const int middle = Px(X(11300));
    EXPECT_TRUE(Near(PixelAt(picture, middle, Py(-0.3) - 2), Scaled(1, 1, 1), 12));
    EXPECT_TRUE(Near(PixelAt(picture, middle, Py(-0.39) + 2), Scaled(0.65, 0.65, 0.85), 14));
    const int row = Py(-0.345);
    EXPECT_TRUE(AnyNear(picture, Px(0.7) - 1, Px(0.7) + 1, row, row, kUtrOutline, 6)) << "left outline";
    EXPECT_TRUE(AnyNear(picture, Px(0.9) - 1, Px(0.9) + 1, row, row, kUtrOutline, 6)) << "right outline";
    EXPECT_TRUE(AnyNear(picture, middle, middle, Py(-0.3) - 1, Py(-0.3) + 1, kUtrOutline, 6)) << "top outline";
}

TEST_F(StructureWindowTest, DirectionMarksLeaveTheThreePrimeEndWithTheirHeadOnTheStrandsSide) {
    const BgrImage picture = PictureOf("site");
    const int middle = Py(-0.345), above = Py(-0.318), below = Py(-0.372);
    // T1 (+) ends at x -0.05: the stroke runs right to 0.01, the head comes back above it.
    EXPECT_TRUE(AnyNear(picture, Px(-0.04), Px(0.0), middle - 1, middle + 1, kMark, 30)) << "'+' stroke";
    EXPECT_TRUE(AnyNear(picture, Px(-0.02), Px(0.01), middle + 2, above, kMark, 30)) << "'+' head";
    EXPECT_FALSE(AnyNear(picture, Px(-0.04), Px(0.01), below, middle - 3, kMark, 30)) << "'+' has nothing below";
    // T2 (-) starts at x 0.15: the stroke runs left to 0.09, the head comes back below it.
    EXPECT_TRUE(AnyNear(picture, Px(0.1), Px(0.14), middle - 1, middle + 1, kMark, 30)) << "'-' stroke";
    EXPECT_TRUE(AnyNear(picture, Px(0.09), Px(0.12), below, middle - 2, kMark, 30)) << "'-' head";
    EXPECT_FALSE(AnyNear(picture, Px(0.09), Px(0.14), middle + 3, above, kMark, 30)) << "'-' has nothing above";
    // Nothing on the other end of either transcript.
    EXPECT_FALSE(AnyNear(picture, Px(-0.98), Px(-0.91), below, above, kMark, 30));
    EXPECT_FALSE(AnyNear(picture, Px(0.91), Px(0.98), below, above, kMark, 30));
}

TEST_F(StructureWindowTest, ExonAndUnknownPartsDrawNoBoxAndSwitchedOffMarksAndNamesAreGone) {
    const BgrImage withMarks = PictureOf("site");
    // T3, row two (top -0.57): an exon 9600-9700 and an unknown part 9700-9800 (x -0.9 .. -0.7).
    const int x0 = Px(-0.89), x1 = Px(-0.71), y0 = Py(-0.655), y1 = Py(-0.575);
    EXPECT_FALSE(AnyPixel(withMarks, x0, x1, y0, y1, [](const Colour& c) { return !Near(c, kWhite, 0); }));
    // Its direction mark still leaves its end at x -0.7, and its name stands above the row.
    EXPECT_TRUE(AnyNear(withMarks, Px(-0.69), Px(-0.65), Py(-0.615) - 1, Py(-0.615) + 1, kMark, 30));
    const int nameRow = Py(-0.57 + 0.054);
    EXPECT_TRUE(AnyDark(withMarks, Px(-0.9), Px(-0.8), nameRow, nameRow + 12));

    LinearFormatState().showGeneDirection = 0;
    LinearFormatState().showGeneName = 0;
    const BgrImage bare = PictureOf("site");
    EXPECT_FALSE(AnyNear(bare, Px(-0.69), Px(-0.65), Py(-0.615) - 1, Py(-0.615) + 1, kMark, 30));
    EXPECT_FALSE(AnyDark(bare, Px(-0.9), Px(-0.8), nameRow, nameRow + 12));
    EXPECT_FALSE(AnyNear(bare, Px(-0.04), Px(0.0), Py(-0.345) - 1, Py(-0.345) + 1, kMark, 30));
}

TEST_F(StructureWindowTest, BackgroundLinesAndAxisNumbersFollowTheirSwitches) {
    // Ticks every 500 bases from 9600: x -0.9, -0.4, 0.1, 0.6; the one at 0.6 stands over white.
    const int tick = Px(0.6);
    const int lineRow = Py(0.7), numberRow = Py(0.12), tickRow = Py(0.02);
    const BgrImage plain = PictureOf("site");
    EXPECT_FALSE(AnyNear(plain, tick - 1, tick + 1, lineRow, lineRow, kBackgroundLine, 3));
    EXPECT_FALSE(AnyDark(plain, tick, tick + 40, numberRow, numberRow + 12));
    EXPECT_TRUE(AnyNear(plain, tick - 1, tick + 1, tickRow, tickRow, kTick, 6)) << "the tick is always drawn";
    EXPECT_TRUE(AnyNear(plain, Px(0.75), Px(0.75), Py(0.0) - 2, Py(0.0) + 2, kAxisLine, 4)) << "axis line";

    LinearFormatState().showBackgroundLines = 1;
    LinearFormatState().showCoordinateAxis = 1;
    const BgrImage marked = PictureOf("site");
    EXPECT_TRUE(AnyNear(marked, tick - 1, tick + 1, lineRow, lineRow, kBackgroundLine, 3));
    EXPECT_TRUE(AnyNear(marked, tick - 1, tick + 1, Py(-1.9), Py(-1.9), kBackgroundLine, 3));
    EXPECT_TRUE(AnyDark(marked, tick, tick + 40, numberRow, numberRow + 12)) << "the number 11100";
    EXPECT_FALSE(AnyNear(marked, Px(0.75), Px(0.75), lineRow, lineRow, kBackgroundLine, 3)) << "between ticks";
}

TEST_F(StructureWindowTest, SiteModeReachesDownToMinusTwoPointFiveAndTheOthersToMinusOne) {
    struct Case {
        const char* mode;
        double bottom;
        bool label;
    } cases[] = {{"site", kTall, true}, {"linear", -1, false}, {"circle", -1, false}, {"express", -1, true}};
    for (const Case& c : cases) {
        BuildSmallModel();
        const BgrImage picture = PictureOf(c.mode);
        const int axisRow = Py(0.0, c.bottom);
        EXPECT_TRUE(AnyNear(picture, Px(0.75), Px(0.75), axisRow - 1, axisRow + 1, kAxisLine, 4)) << c.mode;
        const int labelRow = Py(0.5, c.bottom);
        EXPECT_EQ(AnyDark(picture, Px(-0.95), Px(-0.7), labelRow, labelRow + 14), c.label) << c.mode;
    }
}

TEST_F(StructureWindowTest, ArrowKeysZoomAndPanTheRealWindow) {
    WithStructureViewer("site", [&](int) {
        // Genes reach 900 bases either side; one press to the right shows them up to x 0.8.
        OnViewerSpecialKey(GLUT_KEY_RIGHT, 0, 0);
        OnViewerSpecialKey(GLUT_KEY_RIGHT, 0, 0);
        EXPECT_FLOAT_EQ(Scene().panOffset, -0.1f);
        const BgrImage panned = ReadWindowPicture();
        EXPECT_TRUE(AnyNear(panned, Px(0.5) - 1, Px(0.5), Py(0.7), Py(0.7), kBandBorder, 3));
        EXPECT_COLOUR(panned, Px(0.5) - 1 + 34, Py(0.7), kWhite, 0);  // the old border place

        for (int press = 0; press < 26; ++press) OnViewerSpecialKey(GLUT_KEY_UP, 0, 0);
        EXPECT_GT(Scene().scaleX, 10);
        EXPECT_LT(Scene().scaleX, 11);
        const BgrImage zoomed = ReadWindowPicture();
        EXPECT_COLOUR(zoomed, 20, 660, kBandFill, 3);  // the band now covers the whole window
        EXPECT_COLOUR(zoomed, 660, 20, kBandFill, 3);
    });
}

TEST_F(StructureWindowTest, WindowsSmallerThanTheFloorAreRaisedBackToIt) {
    auto waitForSize = [](int width, int height) {
        for (int i = 0; i < 200; ++i) {
            glutMainLoopEvent();
            if (glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height) return true;
            usleep(10000);
        }
        return false;
    };
    WithStructureViewer("site", [&](int) {
        glutReshapeWindow(500, 900);
        EXPECT_TRUE(waitForSize(680, 900)) << glutGet(GLUT_WINDOW_WIDTH) << "x" << glutGet(GLUT_WINDOW_HEIGHT);
        EXPECT_EQ(Scene().windowWidth, 680);
        EXPECT_EQ(Scene().windowHeight, 900);
        glutReshapeWindow(900, 500);
        EXPECT_TRUE(waitForSize(900, 680)) << glutGet(GLUT_WINDOW_WIDTH) << "x" << glutGet(GLUT_WINDOW_HEIGHT);
        EXPECT_EQ(Scene().windowWidth, 900);
        EXPECT_EQ(Scene().windowHeight, 680);
        // The picture stretches over the whole window.
        const BgrImage picture = ReadWindowPicture();
        ASSERT_EQ(picture.width, 900);
        EXPECT_COLOUR(picture, PixelX(0.0, 900), PixelY(0.7, 680, kTall), kBandFill, 3);
        EXPECT_COLOUR(picture, PixelX(0.7, 900), PixelY(0.7, 680, kTall), kWhite, 0);
    });
}

TEST_F(StructureWindowTest, TextComesInSixSizesInBlackAndLeavesTheColourAsItWas) {
    EXPECT_FALSE(ViewerFontFile().empty());
    WithStructureViewer("site", [&](int) {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glColor3f(0.2f, 0.4f, 0.6f);
        const int sizes[] = {11, 12, 14, 15, 17, 18, 13};  // 13 is not one of them
        for (int k = 0; k < 7; ++k) DrawText(sizes[k], -0.95f + 0.27f * k, 0.5f, "H\xe9");
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_FLOAT_EQ(colour[0], 0.2f);
        EXPECT_FLOAT_EQ(colour[1], 0.4f);
        EXPECT_FLOAT_EQ(colour[2], 0.6f);
        glFinish();
        BgrImage drawn;
        drawn.width = drawn.height = kSize;
        drawn.pixels.assign(static_cast<size_t>(BgrImage::RowBytes(kSize)) * kSize, 0);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, kSize, kSize, GL_BGR, GL_UNSIGNED_BYTE, drawn.pixels.data());
        // Rows holding black pixels of each text: its height on screen.
        int previous = 0;
        for (int k = 0; k < 7; ++k) {
            const int x0 = Px(-0.95 + 0.27 * k), x1 = x0 + 60;
            int rows = 0;
            for (int y = Py(0.5) - 8; y < Py(0.5) + 30; ++y)
                rows += AnyNear(drawn, x0, x1, y, y, Colour{0, 0, 0}, 0) ? 1 : 0;
            if (k == 6) {
                EXPECT_EQ(rows, 0) << "size 13 does not exist";
                continue;
            }
            EXPECT_GE(rows, 7) << "size " << sizes[k];
            EXPECT_GE(rows, previous) << "size " << sizes[k];
            previous = rows;
        }
        EXPECT_GT(previous, 11);
    });
}

}  // namespace
}  // namespace tallowby::test
