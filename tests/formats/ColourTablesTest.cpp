// The colour tables: the named shades exactly, the gene schemes with their darkening and
// flattening, and the viewer defaults.

#include "formats/ColourNames.h"
#include "formats/ColourSwatch.h"
#include "formats/ViewerColours.h"

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

class ColourTablesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetColourTables(); }
    void TearDown() override { ResetColourTables(); }
};

void ExpectColour(const std::vector<float>& colours, size_t colour, float red, float green, float blue) {
    ASSERT_GE(colours.size(), colour * 3 + 3);
    EXPECT_FLOAT_EQ(colours[colour * 3], red);
    EXPECT_FLOAT_EQ(colours[colour * 3 + 1], green);
    EXPECT_FLOAT_EQ(colours[colour * 3 + 2], blue);
}

TEST_F(ColourTablesTest, BuildsThirteenNamesOfNineShadesOnce) {
    BuildColourNameTable();
    BuildColourNameTable();
    ASSERT_EQ(ColourNames().size(), 13u);
    for (const auto& [name, shades] : ColourNames()) EXPECT_EQ(shades.size(), 27u) << name;
    EXPECT_EQ(*FindColourShades("pink_blue"), *FindColourShades("pink_white_blue"));
    EXPECT_EQ(*FindColourShades("red_gold"), *FindColourShades("red_wood_gold"));
    EXPECT_EQ(FindColourShades("blue"), nullptr);
}

TEST_F(ColourTablesTest, ShadesStandWhereTheFormsAndPicturesReadThem) {
    BuildColourNameTable();
    struct Probe {
        const char* name;
        int shade;
        Rgb255 colour;
    };
    for (const Probe& probe : {Probe{"Blue", 0, {0, 0, 255}}, Probe{"Blue", 8, {63, 118, 164}},
                               Probe{"Red", 6, {238, 106, 167}}, Probe{"Red", 7, {238, 106, 167}},
                               Probe{"Yellow", 4, {255, 255, 0}}, Probe{"Green", 3, {188, 238, 104}},
                               Probe{"Purple", 2, {104, 34, 139}}, Probe{"Brown", 5, {205, 133, 63}},
                               Probe{"Grey", 1, {46, 46, 46}}, Probe{"pink_white_blue", 7, {181, 202, 229}},
                               Probe{"red_wood_gold", 6, {238, 180, 34}}, Probe{"blue_red_green", 3, {139, 0, 0}},
                               Probe{"blue_yellow_green", 8, {24, 102, 24}}})
        EXPECT_EQ(ShadeOf(*FindColourShades(probe.name), probe.shade), probe.colour) << probe.name << " " << probe.shade;
}

TEST_F(ColourTablesTest, ShadedSchemesAreDrawnSlightlyDarker) {
    SetGeneColours(false, "blue");
    const GeneColourSet& set = GeneColours();
    ASSERT_EQ(set.size(), 5u);
    EXPECT_EQ(set[kGeneCds].size(), 6u);
    EXPECT_EQ(set[kGeneUtr].size(), 9u);
    ExpectColour(set[kGeneCds], 0, static_cast<float>(0.1 - 0.02), static_cast<float>(0.2 - 0.02),
                 static_cast<float>(0.95 - 0.02));
    ExpectColour(set[kGeneExpression], 1, static_cast<float>(-0.02), static_cast<float>(-0.02),
                 static_cast<float>(-0.02));
}

TEST_F(ColourTablesTest, SingleColourSchemesAreFlat) {
    SetGeneColours(true, "blue");
    const GeneColourSet& set = GeneColours();
    ExpectColour(set[kGeneCds], 0, 0.082f, 0.176f, 0.85f);
    ExpectColour(set[kGeneCds], 1, 0.082f, 0.176f, 0.85f);
    ExpectColour(set[kGeneUtr], 1, 1.0f, 1.0f, 1.0f);
    ExpectColour(set[kGeneUtr], 2, 0.5f, 0.5f, 0.68f);  // the outline takes the intron colour
    ExpectColour(set[kGeneSiteBand], 1, 0.7f, 0.8f, 0.95f);
}

TEST_F(ColourTablesTest, UnknownSchemeGivesBlueAndSchemesDiffer) {
    SetGeneColours(false, "no such scheme");
    GeneColourSet unknown = GeneColours();
    SetGeneColours(false, "blue");
    EXPECT_EQ(unknown, GeneColours());
    SetGeneColours(false, "green & blue");
    ExpectColour(GeneColours()[kGeneCds], 0, static_cast<float>(0.2 - 0.02), static_cast<float>(0.8 - 0.02),
                 static_cast<float>(0.8 - 0.02));
}

TEST_F(ColourTablesTest, ViewerDefaultsFillOnlyEmptySets) {
    PrepareViewerColours(false);
    ExpectColour(GeneColours()[kGeneCds], 0, 0.1f, 0.2f, 0.95f);  // not darkened
    const SeqColourSet& sequences = SeqColours();
    ASSERT_EQ(sequences.size(), 2u);
    ExpectColour(sequences[0], 0, 61 / 255.0f, 153 / 255.0f, 61 / 255.0f);
    ExpectColour(sequences[0], 2, 205 / 255.0f, 205 / 255.0f, 0.0f);
    ExpectColour(sequences[0], 3, 179 / 255.0f, 179 / 255.0f, 0.0f);
    ExpectColour(sequences[1], 1, 24 / 255.0f, 102 / 255.0f, 24 / 255.0f);

    SetGeneColours(true, "red");
    GeneColourSet chosen = GeneColours();
    PrepareViewerColours(false);
    EXPECT_EQ(GeneColours(), chosen);
}

TEST_F(ColourTablesTest, SingleColourViewersLoseTheSequenceGradients) {
    PrepareViewerColours(true);
    const SeqColourSet& sequences = SeqColours();
    ExpectColour(sequences[0], 1, 61 / 255.0f, 153 / 255.0f, 61 / 255.0f);
    ExpectColour(sequences[0], 3, 205 / 255.0f, 205 / 255.0f, 0.0f);
    ExpectColour(sequences[1], 1, 42 / 255.0f, 143 / 255.0f, 42 / 255.0f);
}

TEST_F(ColourTablesTest, SwatchShowsThreeGroupsAndTheirGradient) {
    BuildColourNameTable();
    const std::vector<int>& blue = *FindColourShades("Blue");
    std::vector<SwatchFill> flat = ColourSwatchFills(blue, 90, 40, false);
    ASSERT_EQ(flat.size(), 3u);
    EXPECT_EQ(flat[1].left, 30);
    EXPECT_EQ(flat[1].right, 60);
    EXPECT_EQ(flat[1].colour, (Rgb255{0, 238, 238}));

    std::vector<SwatchFill> shaded = ColourSwatchFills(blue, 90, 40, true);
    ASSERT_EQ(shaded.size(), 3u * 22u);
    const SwatchFill& band = shaded[1];
    EXPECT_EQ(band.top, 8);
    EXPECT_EQ(band.bottom, 16);
    EXPECT_EQ(band.colour, (Rgb255{46, 69, 246}));
    // Darker shade 167 at the bottom; steps of (167 - 255) / 20 = -4, truncated toward zero.
    const SwatchFill& first = shaded[2];
    const SwatchFill& last = shaded[21];
    EXPECT_EQ(first.colour, (Rgb255{0, 0, 167}));
    EXPECT_EQ(first.top, 20);
    EXPECT_EQ(first.bottom, 40);
    EXPECT_EQ(last.colour, (Rgb255{0, 0, 167 + 19 * 4}));
    EXPECT_EQ(last.bottom, 21);

    EXPECT_TRUE(ColourSwatchFills(std::vector<int>(26, 0), 90, 40, true).empty());
}

}  // namespace
}  // namespace tallowby::test
