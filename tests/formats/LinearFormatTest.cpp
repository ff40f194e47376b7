// The linear format without its form: the scheme list, the preview colours and Apply.

#include "formats/LinearFormat.h"
#include "formats/ViewerColours.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

class LinearFormatTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        ResetLinearFormat();
        ResetColourTables();
    }
    void TearDown() override {
        ResetLinearFormat();
        ResetColourTables();
        WorkspaceTest::TearDown();
    }
};

TEST_F(LinearFormatTest, SchemesInListOrderWithTheColourTablesCdsColours) {
    EXPECT_EQ(LinearSchemeNames(),
              (std::vector<std::string>{"blue", "green & blue", "green", "yellow", "red", "purple", "grey"}));
    EXPECT_EQ(LinearSchemeName(7), "blue");
    EXPECT_EQ(LinearSchemeName(-1), "blue");
    // The preview's base colours are the shaded gene colours before their 0.02 darkening.
    for (int index = 0; index < 7; ++index) {
        SetGeneColours(false, LinearSchemeName(index));
        const CdsBaseColours base = SchemeCdsColours(index);
        for (int c = 0; c < 3; ++c) {
            EXPECT_FLOAT_EQ(GeneColours()[kGeneCds][static_cast<size_t>(c)], static_cast<float>(base.top[c] - 0.02))
                << LinearSchemeName(index);
            EXPECT_FLOAT_EQ(GeneColours()[kGeneCds][static_cast<size_t>(3 + c)],
                            static_cast<float>(base.bottom[c] - 0.02))
                << LinearSchemeName(index);
        }
    }
}

TEST_F(LinearFormatTest, ShadedPreviewRunsFromTheBottomColourUpToAlmostTheTopColour) {
    const std::vector<SwatchFill> fills = LinearPreviewFills(0, false, 96, 40);
    ASSERT_EQ(fills.size(), 50u);
    EXPECT_EQ(fills[0].colour, (Rgb255{2, 20, 114}));  // 255 x (0.01, 0.08, 0.45), truncated
    EXPECT_EQ(fills[0].top, 0);
    EXPECT_EQ(fills[0].bottom, 40);
    EXPECT_EQ(fills[0].right, 96);
    // Step 49 paints the top strip: 255 x (B - (B - T) x 49/50).
    EXPECT_EQ(fills[49].colour, (Rgb255{25, 50, 239}));
    EXPECT_EQ(fills[49].bottom, 40 - 40 * 49 / 50);
    EXPECT_EQ(fills[25].bottom, 20);
    for (size_t i = 1; i < fills.size(); ++i) EXPECT_LE(fills[i].bottom, fills[i - 1].bottom);
}

TEST_F(LinearFormatTest, FlatPreviewIsTheSingleColourCdsColour) {
    struct Case {
        int scheme;
        Rgb255 colour;
    } cases[] = {{4, {196, 46, 60}}, {0, {20, 44, 216}}, {6, {164, 164, 164}}};
    for (const Case& c : cases) {
        const std::vector<SwatchFill> fills = LinearPreviewFills(c.scheme, true, 96, 40);
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].colour, c.colour) << LinearSchemeName(c.scheme);
        EXPECT_EQ(fills[0].bottom, 40);
        SetGeneColours(true, LinearSchemeName(c.scheme));
        EXPECT_EQ(static_cast<int>(255.0f * GeneColours()[kGeneCds][0]), c.colour.red);
    }
}

TEST_F(LinearFormatTest, ApplyCopiesWhatChangedAndSaysSo) {
    int reference = 0;
    LinearFormatChoice choice;
    GeneColours().clear();
    EXPECT_FALSE(ApplyLinearFormat(choice, reference));
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Not changed!"});
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Information);
    ASSERT_EQ(GeneColours().size(), 5u);  // rebuilt all the same
    EXPECT_FLOAT_EQ(GeneColours()[kGeneCds][0], 0.08f);

    choice.geneColourIndex = 4;  // red
    choice.singleColour = 1;
    choice.coordinateAxis = 1;
    EXPECT_TRUE(ApplyLinearFormat(choice, reference));
    EXPECT_EQ(platform->MessageTexts().back(), "Saved!");
    EXPECT_EQ(reference, 4);
    const LinearFormat& state = LinearFormatState();
    EXPECT_EQ(state.singleColour, 1);
    EXPECT_EQ(state.showCoordinateAxis, 1);
    EXPECT_EQ(state.showGeneDirection, 1);
    EXPECT_EQ(state.working, choice);
    EXPECT_NEAR(GeneColours()[kGeneCds][0], 0.772, 1e-6);
    EXPECT_NEAR(GeneColours()[kGeneCds][1], 0.184, 1e-6);
    EXPECT_NEAR(GeneColours()[kGeneCds][2], 0.236, 1e-6);

    EXPECT_FALSE(ApplyLinearFormat(choice, reference));
    EXPECT_EQ(platform->MessageTexts().back(), "Not changed!");

    choice.geneName = 0;  // a flag alone is a change too
    EXPECT_TRUE(ApplyLinearFormat(choice, reference));
    EXPECT_EQ(state.showGeneName, 0);
}

}  // namespace
}  // namespace tallowby::test
