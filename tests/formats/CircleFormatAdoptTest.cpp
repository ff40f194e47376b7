// Batch drawings follow the circle format file as the user edited it.

#include "formats/CircleFormat.h"
#include "formats/CircleFormatAdopt.h"
#include "support/TestWorkspace.h"

namespace tallowby::test {
namespace {

struct AdoptCase {
    const char* file;
    bool adopted;
    float fraction;
    int draw2D;
};

class AdoptCircleFormat : public WorkspaceTest, public ::testing::WithParamInterface<AdoptCase> {};

TEST_P(AdoptCircleFormat, TakesFractionAndScriptFromTheFile) {
    ResetCircleFormat();
    CircleFormatState().circleDraw2D = 0;
    WriteFile(workspace + "circ_format.txt", GetParam().file);
    EXPECT_EQ(AdoptCircleFormatFile(workspace + "circ_format.txt"), GetParam().adopted) << GetParam().file;
    EXPECT_FLOAT_EQ(CircleFormatState().circleSpaceFraction, GetParam().fraction) << GetParam().file;
    EXPECT_EQ(CircleFormatState().circleDraw2D, GetParam().draw2D) << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, AdoptCircleFormat,
    ::testing::Values(
        AdoptCase{"Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n", true, 0.2f, 0},
        AdoptCase{"Red\r\n10_4\t10_10\r\nclockwise\r\nno_UTR\r\nshow_gene_direction\r\n2D\r\n", true, 0.4f, 1},
        AdoptCase{"Blue\n8_4\t2.5_0\nunclockwise\nshow_UTR\nno_gene_direction\n2D", true, 0.05f, 1},
        AdoptCase{"Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n", false, 0.2f, 0},
        AdoptCase{"Blue\n10_4\t5_x\nunclockwise\nshow_UTR\nno_gene_direction\n2D\n", false, 0.2f, 0},
        AdoptCase{"Blue\n10_4 5_5\nunclockwise\nshow_UTR\nno_gene_direction\n2D\n", false, 0.2f, 0},
        AdoptCase{"Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n4D\n", false, 0.2f, 0},
        AdoptCase{"", false, 0.2f, 0}));

using AdoptMissingFile = WorkspaceTest;

TEST_F(AdoptMissingFile, ChangesNothing) {
    ResetCircleFormat();
    EXPECT_FALSE(AdoptCircleFormatFile(workspace + "absent.txt"));
    EXPECT_FLOAT_EQ(CircleFormatState().circleSpaceFraction, 0.2f);
}

}  // namespace
}  // namespace tallowby::test
