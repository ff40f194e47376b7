// The splice-shift search on small hand-made sequences, where each case's bases are chosen to show
// one rule of the walks.

#include "site/SpliceShift.h"

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

using Index = std::map<int, std::vector<ExonRef>>;

struct ShiftCase {
    const char* what;
    const char* sequence;
    int start, end;
    Index starts, ends;  // exonStartIndex, exonEndIndex
    int forward, backward;
    const char* motif;
    int motifShift;
    bool both;
    int bothShift;
};

class SpliceShiftCases : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(SpliceShiftCases, WalkAndFind) {
    const ShiftCase& c = GetParam();
    SpliceShiftResult r = AnalyseSpliceShiftOn(c.sequence, c.start, c.end, {c.starts, c.ends});
    EXPECT_EQ(r.sameCircleForward, c.forward) << c.what;
    EXPECT_EQ(r.sameCircleBackward, c.backward) << c.what;
    EXPECT_EQ(r.motif, c.motif) << c.what;
    EXPECT_EQ(r.motifShift, c.motifShift) << c.what;
    EXPECT_EQ(r.bothBoundaries, c.both) << c.what;
    if (c.both) {
        EXPECT_EQ(r.bothShift, c.bothShift) << c.what;
    }
}

const ExonRef kRef{7, 2};

// Index:                    0123456789012345678901234
const char kCanonical[] =   "CCCCAGATTTTTTTTCGTCCCC";  // AG | ATTTTTTTTC | GT, site [6, 16)
const char kShifted[] =     "TTTTTAGCCCCCCCCCGGTTTTT"; // one base to the right: AG | CCCCCCCCCG | GT
const std::string kRun(90, 'A');
const char kRepeat[] =      "CCCCCAGTTTTTTTTTGCCCCCC"; // base before the start = last base (G)

INSTANTIATE_TEST_SUITE_P(
    Cases, SpliceShiftCases,
    ::testing::Values(
        ShiftCase{"canonical site in place", kCanonical, 6, 16, {}, {}, 0, 0, "AG/GT", 0, false, 0},
        ShiftCase{"soft-masked bases match", "ccccagattttttttcgtcccc", 6, 16, {}, {}, 0, 0, "AG/GT", 0, false, 0},
        ShiftCase{"minus-strand motif", "CCCCACATTTTTTTTGCTCCCC", 6, 16, {}, {}, 0, 0, "AC/CT", 0, false, 0},
        ShiftCase{"motif only one base backward", kShifted, 6, 16, {}, {}, 0, 1, "AG/GT", 1, false, 0},
        ShiftCase{"repeat base allows a forward shift", kRepeat, 7, 17, {}, {}, 1, 0, "", 0, false, 0},
        ShiftCase{"both ends on boundaries at shift 0", kShifted, 6, 16, {{6, {kRef}}}, {{16, {kRef}}}, 0, 1, "AG/GT",
                  1, true, 0},
        ShiftCase{"both ends on boundaries one base backward", kShifted, 6, 16, {{17, {kRef}}}, {{7, {kRef}}}, 0, 1,
                  "AG/GT", 1, true, 1},
        ShiftCase{"nothing at all", "ACGTACGTACGTACGTACGTACGT", 6, 16, {}, {}, 0, 0, "", 0, false, 0},
        ShiftCase{"site at the chromosome start", "TTAGCCCCGTTT", 0, 4, {}, {}, 0, 0, "", 0, false, 0},
        ShiftCase{"site reaching the chromosome end", "TTAGCCCCGT", 4, 10, {}, {}, 0, 0, "", 0, false, 0},
        ShiftCase{"site ending one base before the end", "TTAGCCCCGT", 4, 9, {}, {}, 1, 0, "", 0, false, 0},
        ShiftCase{"site of length 10 in a run walks 10 each way", kRun.c_str(), 40, 50,
                  {{61, {kRef}}, {60, {kRef}}}, {{29, {kRef}}, {50, {kRef}}}, 10, 10, "", 0, true, 10}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(SpliceShift, ForwardBoundaryLookupsInOrder) {
    // Start side before end side, and the end index before the start index on the start side.
    Index starts{{16, {{1, 1}}}, {6, {{2, 2}}}}, ends{{6, {{3, 3}}}};
    SpliceShiftResult r = AnalyseSpliceShiftOn(kCanonical, 6, 16, {starts, ends});
    EXPECT_EQ(r.forwardBoundaryShift, 0);
    ASSERT_EQ(r.forwardStartRefs.size(), 1u);
    EXPECT_EQ(r.forwardStartRefs[0].transcriptId, 3);
    EXPECT_EQ(r.forwardStartKind, kBoundaryFromEndIndex);
    EXPECT_TRUE(r.forwardEndRefs.empty());
    // The backward walk looks at the end side first.
    EXPECT_EQ(r.backwardBoundaryShift, 0);
    ASSERT_EQ(r.backwardEndRefs.size(), 1u);
    EXPECT_EQ(r.backwardEndRefs[0].transcriptId, 1);
    EXPECT_EQ(r.backwardEndKind, kBoundaryFromStartIndex);
    EXPECT_TRUE(r.backwardStartRefs.empty());
}

TEST(SpliceShift, CommonBoundaryScanStopsAtTheFirstShift) {
    // Pattern 2 (start in the start index, end in the end index) at -1 wins over pattern 1 at 0.
    std::string run(80, 'A');
    Index starts{{39, {{1, 1}}}, {50, {{2, 1}}}}, ends{{49, {{3, 1}}}, {40, {{4, 1}}}};
    SpliceShiftResult r = AnalyseSpliceShiftOn(run, 40, 50, {starts, ends});
    EXPECT_TRUE(r.bothBoundaries);
    EXPECT_EQ(r.bothShift, -1);
    EXPECT_EQ(r.bothFirstRefs[0].transcriptId, 3);  // the end index at the shifted end
    EXPECT_EQ(r.bothFirstKind, kBoundaryFromStartIndex);
    EXPECT_EQ(r.bothSecondRefs[0].transcriptId, 1);
    EXPECT_EQ(r.bothSecondKind, kBoundaryFromEndIndex);
}

TEST(SpliceShift, WalksStayInsideShortSequences) {
    for (const char* sequence : {"", "A", "AG", "AGGT", "AGCGT"}) {
        int length = static_cast<int>(std::string(sequence).size());
        for (int start = 0; start <= length; ++start)
            for (int end = start + 1; end <= length; ++end) {
                SpliceShiftResult r = AnalyseSpliceShiftOn(sequence, start, end, {Index{}, Index{}});
                EXPECT_TRUE(r.motif.empty()) << sequence << " " << start << ".." << end;
            }
    }
}

}  // namespace
}  // namespace tallowby::test
