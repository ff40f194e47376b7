// The viewer's rules that need no window: the axis step and its ticks, the transcript rows, the
// arrow keys, the size floor and the BMP header.

#include "ViewerTestSupport.h"

#include "site/SitePipeline.h"
#include "viewer/AxisLayout.h"
#include "viewer/BmpFile.h"
#include "viewer/TrackLayout.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerScene.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace tallowby::test {
namespace {

AxisInput Axis(int start, int end, int rangeLo, int rangeHi, float scale, const char* mode = "site") {
    AxisInput input;
    input.siteStart = start;
    input.siteEnd = end;
    input.rangeLo = rangeLo;
    input.rangeHi = rangeHi;
    input.scale = scale;
    input.mode = mode;
    return input;
}

struct StepCase {
    int start, end;
    int64_t powerOfTen, unit, width;
};

TEST(AxisLayoutTest, StepIsTheLengthCutToItsLeadingDigit) {
    const StepCase cases[] = {
        {100000, 104567, 10000, 1000, 4000},
        {100, 105, 10, 1, 5},
        {100, 110, 100, 10, 10},
        {0, 999, 1000, 100, 900},
        // Lengths of a billion bases and more need a power of ten beyond 32 bits.
        {0, 1500000000, 10000000000, 1000000000, 1000000000},
        {0, INT_MAX, 10000000000, 1000000000, 2000000000},
    };
    for (const StepCase& c : cases) {
        const AxisLayout layout = ComputeAxisLayout(Axis(c.start, c.end, c.start, c.end, 1));
        EXPECT_EQ(layout.powerOfTen, c.powerOfTen) << c.end - c.start;
        EXPECT_EQ(layout.unit, c.unit) << c.end - c.start;
        EXPECT_EQ(layout.width, c.width) << c.end - c.start;
        EXPECT_FALSE(layout.ticks.empty());
    }
}

TEST(AxisLayoutTest, TicksStartAtTheRangeRoundedToAHundredAndStepByTheScaleTable) {
    // L = 4567, W = 4000: half a width between ticks below scale 1.25, a fifth from there on.
    struct Case {
        float scale;
        long long spacing;
    } cases[] = {{0.6f, 2000}, {1.0f, 2000}, {1.25f, 800}, {3.0f, 800}, {0.3f, 8000}, {0.05f, 40000}, {0.01f, 200000}};
    for (const Case& c : cases) {
        const AxisLayout layout = ComputeAxisLayout(Axis(100000, 104567, 99950, 130000, c.scale));
        ASSERT_GE(layout.ticks.size(), 1u) << c.scale;
        EXPECT_EQ(layout.base, 99900);
        EXPECT_NEAR(layout.x0, (99900 - 102283.5) / 4567, 1e-12);
        EXPECT_NEAR(layout.ticks[0].x, layout.x0, 1e-12);
        EXPECT_EQ(layout.ticks[0].label, 99900);
        if (layout.ticks.size() < 2) continue;
        EXPECT_EQ(layout.ticks[1].label - layout.ticks[0].label, c.spacing) << c.scale;
        EXPECT_NEAR(layout.ticks[1].x - layout.ticks[0].x, c.spacing / 4567.0, 1e-9) << c.scale;
        // The ticks stop before the end of the axis line, which spans the drawn parts.
        EXPECT_LT(layout.ticks.back().x, layout.x0 + layout.axisLength);
        EXPECT_GE(layout.x0 + layout.axisLength, (130000 - 102283.5) / 4567);
    }
}

TEST(AxisLayoutTest, NumbersFarAlongAChromosomeStayExact) {
    // Added up in float, these would drift by several bases.
    const AxisLayout layout = ComputeAxisLayout(Axis(150000000, 150004567, 149999950, 150030000, 1.0f));
    ASSERT_GE(layout.ticks.size(), 10u);
    for (size_t k = 0; k < layout.ticks.size(); ++k)
        EXPECT_EQ(layout.ticks[k].label, 149999900 + 2000 * static_cast<long long>(k));
}

TEST(AxisLayoutTest, ZoomedInNumbersBeyondTheScreenAreSkippedButTheirTicksStay) {
    // Site 100000-101000, drawn parts 90000-112000; the screen (x +-1.2) shows 2000 bases either side at 0.6.
    const AxisLayout wide = ComputeAxisLayout(Axis(100000, 101000, 90000, 112000, 0.3f));
    for (const AxisTick& tick : wide.ticks) EXPECT_TRUE(tick.labelled) << tick.label;

    const AxisLayout zoomed = ComputeAxisLayout(Axis(100000, 101000, 90000, 112000, 0.6f));
    int labelled = 0, skipped = 0;
    for (const AxisTick& tick : zoomed.ticks) {
        const long long fromMiddle = tick.label - 100500;
        if (std::llabs(fromMiddle) < 1999) {
            EXPECT_TRUE(tick.labelled) << tick.label;
        }
        if (std::llabs(fromMiddle) > 2001) {
            EXPECT_FALSE(tick.labelled) << tick.label;
        }
        (tick.labelled ? labelled : skipped)++;
    }
    EXPECT_GT(labelled, 0);
    EXPECT_GT(skipped, 0);
    EXPECT_EQ(zoomed.ticks.front().label, 90000);
}

TEST(AxisLayoutTest, LabelSizeByScaleAndLengthAndSmallerOutsideSiteMode) {
    struct Case {
        int length;
        float scale;
        int font;
        double tickHeight;
    } cases[] = {{1000, 1.0f, 12, 0.05},    {1000, 1.25f, 14, 0.05},  {1000, 2.15f, 17, 0.0625},
                 {1000, 0.02f, 11, 0.04},   {40000, 1.0f, 11, 0.04},  {1000, 10.0f, 17, 0.0625}};
    for (const Case& c : cases) {
        const AxisLayout site = ComputeAxisLayout(Axis(1000, 1000 + c.length, 1000, 1000 + c.length, c.scale));
        EXPECT_EQ(site.font, c.font) << c.length << " at " << c.scale;
        EXPECT_DOUBLE_EQ(site.tickHeight, c.tickHeight) << c.length << " at " << c.scale;

        const AxisLayout linear = ComputeAxisLayout(Axis(1000, 1000 + c.length, 1000, 1000 + c.length, c.scale, "linear"));
        EXPECT_NEAR(linear.tickHeight * 1.75, site.tickHeight, 1e-12);
        EXPECT_NEAR(linear.labelY * 1.75, site.labelY, 1e-12);
        EXPECT_GT(linear.labelY, 0);

        const AxisLayout express = ComputeAxisLayout(Axis(1000, 1000 + c.length, 1000, 1000 + c.length, c.scale, "express"));
        EXPECT_NEAR(express.labelY, -linear.labelY * 1.1667, 1e-12);  // below the axis
    }
    const AxisLayout zoomed = ComputeAxisLayout(Axis(1000, 2000, 1000, 2000, 4.0f));
    EXPECT_DOUBLE_EQ(zoomed.tickLineWidth, 5 * 0.75);
    EXPECT_DOUBLE_EQ(zoomed.tickWidth, 5 * 0.75 * 2.15 / 4);
}

TEST(TrackLayoutTest, RowSizesAndNameFonts) {
    struct Case {
        float scale;
        int length;
        bool siteMode;
        double factor;
        int nameFont;
    } cases[] = {
        {1.0f, 1000, true, 1.0, 14},          {1.0f, 5000, true, 1.0, 14},
        {1.0f, 30000, true, 0.5, 12},         {1.0f, 10000, true, std::sqrt(0.5), 14},
        {1.0f, 30000, false, 0.5, 12},        {1.0f, 3000, false, std::sqrt(1.0 / 3), 14},
        {1.0f, 1000, false, 1.0, 14},         {2.0f, 1000, true, 1.0, 18},
        {1.4f, 1000, true, 1.0, 17},          {1.1f, 1000, true, 1.0, 15},
        {0.02f, 1000, true, 1.0, 12},
    };
    for (const Case& c : cases) {
        const TrackSizes sizes = ComputeTrackSizes(c.scale, c.length, c.siteMode);
        const double shrink = std::pow(c.scale, 0.75);
        EXPECT_NEAR(sizes.heightFactor, c.factor, 1e-12) << c.length << (c.siteMode ? " site" : " other");
        EXPECT_NEAR(sizes.rowHeight, 0.09 / shrink * c.factor, 1e-12) << c.length;
        EXPECT_NEAR(sizes.gap, 0.18 / shrink, 1e-12);
        EXPECT_EQ(sizes.nameFont, c.nameFont) << c.scale << " " << c.length;
    }
}

TEST(TrackLayoutTest, DirectionHeadShortensWithTheSiteLength) {
    const std::pair<int, double> cases[] = {{300, 0.065},  {301, 0.06},   {1000, 0.06},     {1001, 0.05},
                                            {2001, 0.03},  {5000, 0.03},  {5001, 0.02},     {10001, 0.0175}};
    for (const auto& [length, head] : cases) EXPECT_DOUBLE_EQ(DirectionHeadLength(length), head) << length;
}

class TranscriptRowsTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        BuildSmallModel();
        ASSERT_TRUE(FindSiteLocus("gtf", "chrT", 10000, 11000, 1000, 3));
    }
    static TrackInput Input(float scale, bool siteMode) {
        TrackInput input;
        input.siteStart = 10000;
        input.siteEnd = 11000;
        input.scale = scale;
        input.siteMode = siteMode;
        return input;
    }
};

TEST_F(TranscriptRowsTest, NeighbouringGenesShareRowsAndMarksLeaveTheThreePrimeEnd) {
    const TrackSizes sizes = ComputeTrackSizes(1, 1000, true);
    const std::vector<TranscriptRow> rows = ComputeTranscriptRows(Input(1, true), sizes);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "T1");
    EXPECT_EQ(rows[1].name, "T3");
    EXPECT_EQ(rows[2].name, "T2");
    EXPECT_NEAR(rows[0].top, -0.3, 1e-12);
    EXPECT_NEAR(rows[1].top, -0.3 - 0.27, 1e-12);
    EXPECT_NEAR(rows[2].top, -0.3, 1e-12);  // the second gene starts from the first row again

    // T1 (+): its intron was inserted between its CDS pieces; its mark leaves its last part's end.
    ASSERT_EQ(rows[0].parts.size(), 4u);
    EXPECT_EQ(rows[0].parts[2].type, kTypeIntron);
    EXPECT_NEAR(rows[0].parts[2].xs, -0.6, 1e-12);
    EXPECT_NEAR(rows[0].parts[2].xe, -0.4, 1e-12);
    ASSERT_EQ(rows[0].marks.size(), 1u);
    EXPECT_TRUE(rows[0].marks[0].plusStrand);
    EXPECT_NEAR(rows[0].marks[0].x, -0.05, 1e-12);
    EXPECT_NEAR(rows[0].nameX, -0.9, 1e-12);
    EXPECT_NEAR(rows[0].nameY, -0.3 + 0.2 * 0.27, 1e-12);
    // T2 (-): its mark leaves its first part's start, towards the left.
    ASSERT_EQ(rows[2].marks.size(), 1u);
    EXPECT_FALSE(rows[2].marks[0].plusStrand);
    EXPECT_NEAR(rows[2].marks[0].x, 0.15, 1e-12);
    // T3's adjacent parts get no intron between them.
    EXPECT_EQ(rows[1].parts.size(), 2u);
}

TEST_F(TranscriptRowsTest, OtherModesStartHigherWhenZoomedAndMarksFollowTheSwitch) {
    const TrackSizes sizes = ComputeTrackSizes(2, 1000, false);
    TrackInput input = Input(2, false);
    input.showDirection = false;
    const std::vector<TranscriptRow> rows = ComputeTranscriptRows(input, sizes);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NEAR(rows[0].top, -0.3 / std::pow(2.0, 7.0 / 8.0), 1e-12);
    for (const TranscriptRow& row : rows) EXPECT_TRUE(row.marks.empty());
}

TEST_F(TranscriptRowsTest, ATranscriptWithoutPartsStillTakesItsRow) {
    SitePipeline().viewerParts.erase(LookUpNameId("T1"));
    const std::vector<TranscriptRow> rows = ComputeTranscriptRows(Input(1, true), ComputeTrackSizes(1, 1000, true));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rows[0].hasParts);
    EXPECT_TRUE(rows[0].parts.empty());
    EXPECT_TRUE(rows[0].marks.empty());
    EXPECT_NEAR(rows[1].top, -0.57, 1e-12);
}

ViewerScene SceneWithExtents(float left, float right) {
    ViewerScene scene;
    scene.leftExtent = left;
    scene.rightExtent = right;
    return scene;
}

TEST(ViewerKeysTest, ZoomingInStopsOncePastTen) {
    ViewerScene scene = SceneWithExtents(900, 900);
    for (int press = 1; press <= 25; ++press) EXPECT_TRUE(ApplyArrowKey(scene, ArrowKey::Up, 1000)) << press;
    EXPECT_NEAR(scene.scaleX, std::pow(1.1, 25), 1e-3);
    EXPECT_GT(scene.scaleX, 10);
    EXPECT_FALSE(ApplyArrowKey(scene, ArrowKey::Up, 1000));
    EXPECT_NEAR(scene.scaleX, std::pow(1.1, 25), 1e-3);
    EXPECT_EQ(scene.scaleY, scene.scaleX);
}

TEST(ViewerKeysTest, GenesWithinTheScreenAllowNeitherPanningNorZoomingOut) {
    ViewerScene scene = SceneWithExtents(700, 800);  // 800 bases reach exactly x = 0.8 at scale 1
    for (ArrowKey key : {ArrowKey::Left, ArrowKey::Right, ArrowKey::Down}) {
        EXPECT_FALSE(ApplyArrowKey(scene, key, 1000));
        EXPECT_EQ(scene.scaleX, 1);
        EXPECT_EQ(scene.translateX, 0);
        EXPECT_EQ(scene.panOffset, 0);
    }
}

TEST(ViewerKeysTest, PanningStopsOnceTheGenesNoLongerReachPastPointEight) {
    struct Case {
        ArrowKey key;
        float left, right;
        int presses;  // presses that move before the key stops
        float sign;
    } cases[] = {{ArrowKey::Right, 0, 1050, 3, -1}, {ArrowKey::Left, 1050, 0, 3, 1}, {ArrowKey::Right, 0, 700, 0, -1}};
    for (const Case& c : cases) {
        ViewerScene scene = SceneWithExtents(c.left, c.right);
        scene.scaleX = scene.scaleY = 1;
        int moved = 0;
        while (moved < 100 && ApplyArrowKey(scene, c.key, 1000)) ++moved;
        EXPECT_EQ(moved, c.presses);
        EXPECT_NEAR(scene.panOffset, c.sign * 0.1f * c.presses, 1e-5);
        EXPECT_NEAR(scene.translateX, scene.panOffset / scene.scaleX, 1e-5);
    }
}

TEST(ViewerKeysTest, ZoomingOutStopsOnceEverythingFitsAndPanFollowsTheZoom) {
    ViewerScene scene = SceneWithExtents(900, 900);
    EXPECT_TRUE(ApplyArrowKey(scene, ArrowKey::Down, 1000));  // reach 800 < 900
    EXPECT_TRUE(ApplyArrowKey(scene, ArrowKey::Down, 1000));  // reach 880 < 900
    EXPECT_FALSE(ApplyArrowKey(scene, ArrowKey::Down, 1000));  // reach 968: everything fits
    EXPECT_NEAR(scene.scaleX, 0.9091 * 0.9091, 1e-6);

    ViewerScene panned = SceneWithExtents(5000, 5000);
    for (ArrowKey key : {ArrowKey::Up, ArrowKey::Right, ArrowKey::Right, ArrowKey::Up, ArrowKey::Left, ArrowKey::Down})
        ApplyArrowKey(panned, key, 1000);
    // What was on screen stays put: the pan in screen units is always scale times translation.
    EXPECT_NEAR(panned.panOffset, panned.scaleX * panned.translateX, 1e-5);
}

TEST(ViewerKeysTest, OnlyLowerAndUpperSSave) {
    for (unsigned char key : {'s', 'S'}) EXPECT_TRUE(IsSaveKey(key));
    for (unsigned char key : {'a', 'x', 'q', ' ', '\r', '5'}) EXPECT_FALSE(IsSaveKey(key));
}

TEST(ViewerKeysTest, WindowsBelowTheFloorAskForIt) {
    struct Case {
        int width, height;
        bool whole;
        int askedWidth, askedHeight;
    } cases[] = {{500, 900, false, 680, 900}, {900, 500, false, 900, 680}, {400, 300, false, 680, 680},
                 {680, 680, true, 0, 0},      {1000, 700, true, 0, 0},     {679, 680, false, 680, 680}};
    for (const Case& c : cases) {
        const ReshapeDecision decision = DecideReshape(c.width, c.height);
        EXPECT_EQ(decision.useWholeWindow, c.whole) << c.width << "x" << c.height;
        EXPECT_EQ(decision.askForSize, !c.whole);
        if (c.whole) {
            EXPECT_EQ(decision.storedWidth, c.width);
            EXPECT_EQ(decision.storedHeight, c.height);
        } else {
            EXPECT_EQ(decision.askedWidth, c.askedWidth);
            EXPECT_EQ(decision.askedHeight, c.askedHeight);
            EXPECT_EQ(decision.storedWidth, c.askedWidth);
            EXPECT_EQ(decision.storedHeight, c.askedHeight);
        }
    }
}

TEST(BmpFileTest, HeaderFieldsAt24BitsWithPaddedRows) {
    EXPECT_EQ(BgrImage::RowBytes(3), 12);
    EXPECT_EQ(BgrImage::RowBytes(4), 12);
    EXPECT_EQ(BgrImage::RowBytes(680), 2040);
    const auto header = BmpHeader(3, 2);
    const uint8_t expected[54] = {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                  40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0,
                                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (size_t i = 0; i < 54; ++i) EXPECT_EQ(header[i], expected[i]) << "byte " << i;
}

}  // namespace
}  // namespace tallowby::test
