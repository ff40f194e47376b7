// The site checks against the loaded chromosome and the length index.

#include "GenomeTest.h"
#include "genome/ReferenceChecks.h"

namespace tallowby::test {
namespace {

struct SiteCase {
    const char* chrom;
    int start, end;
    bool passes;
    const char* message;  // "" for none
};

class SiteInReference : public GenomeTest, public ::testing::WithParamInterface<SiteCase> {};

TEST_P(SiteInReference, ChecksBothStoresAlike) {
    Reference().chromSequences["chr1"] = std::string(100, 'A');
    Reference().chromLengthIndex[{"/g.fa", "chr1"}] = 100;
    Reference().chromLengthIndex[{"/other.fa", "chr2"}] = 1000;
    const SiteCase& c = GetParam();
    EXPECT_EQ(CheckSiteInReference(c.chrom, c.start, c.end), c.passes);
    EXPECT_EQ(CheckSiteInLengthIndex("/g.fa", c.chrom, c.start, c.end), c.passes);
    std::vector<std::string> expected;
    if (*c.message) expected = {c.message, c.message};
    EXPECT_EQ(platform->MessageTexts(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sites, SiteInReference,
    ::testing::Values(SiteCase{"chr1", 10, 100, true, ""}, SiteCase{"chr1", 0, 1, true, ""},
                      SiteCase{"chr1", 10, 101, false, "The length of chr1 is 100.Input site chr1:10..101 is out of range."},
                      // Known for another database only.
                      SiteCase{"chr2", 10, 20, false, "Input chrom \"chr2\" doesn't exist."},
                      SiteCase{"1", 10, 20, false, "Input chrom \"1\" doesn't exist."}));

struct EdgeCase {
    int start, end, code;
};

class SpliceEdge : public GenomeTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(SpliceEdge, TellsWhichEndsLackRoomForAMotif) {
    Reference().chromSequences["chr1"] = std::string(100, 'A');
    EXPECT_EQ(CheckSpliceEdge("chr1", GetParam().start, GetParam().end), GetParam().code);
    EXPECT_TRUE(platform->messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Ends, SpliceEdge,
                         ::testing::Values(EdgeCase{2, 97, 0}, EdgeCase{1, 97, 1}, EdgeCase{0, 50, 1},
                                           EdgeCase{2, 98, 2}, EdgeCase{1, 98, 3}, EdgeCase{50, 100, 2}));

TEST_F(GenomeTest, SpliceEdgeOfAnUnloadedChromosomeIsReported) {
    EXPECT_EQ(CheckSpliceEdge("chr9", 10, 20), 0);
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Input chrom \"chr9\" doesn't exist."});
}

}  // namespace
}  // namespace tallowby::test
