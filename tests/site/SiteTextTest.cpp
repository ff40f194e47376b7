// Cutting pasted site texts into chromosome, start and end.

#include "site/SiteText.h"

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

struct CutCase {
    const char* text;
    const char* chrom;  // nullptr: not cut
    const char* start;
    const char* end;
};

class ChromFieldCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(ChromFieldCut, CutsOnlyLikeSeparatorsOrColonThenDot) {
    const CutCase& c = GetParam();
    std::optional<SiteFields> fields = ParseSiteText(c.text);
    if (!c.chrom) {
        EXPECT_FALSE(fields) << c.text;
        return;
    }
    ASSERT_TRUE(fields) << c.text;
    EXPECT_EQ(fields->chrom, c.chrom);
    EXPECT_EQ(fields->start, c.start);
    EXPECT_EQ(fields->end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChromFieldCut,
    ::testing::Values(CutCase{"chr1_100_200", "chr1", "100", "200"}, CutCase{"chr1 100 200", "chr1", "100", "200"},
                      CutCase{"chr1-100-200", "chr1", "100", "200"}, CutCase{"chr1\t100\t200", "chr1", "100", "200"},
                      CutCase{"chr1:100.200", "chr1", "100", "200"}, CutCase{"chrUn_gl000220_1", "chrUn", "gl000220", "1"},
                      CutCase{"chr1_100_200_300", "chr1", "100", "200"}, CutCase{"chr1:100..200", nullptr, "", ""},
                      CutCase{"chr1:100-200", nullptr, "", ""}, CutCase{"chr1_100", nullptr, "", ""},
                      CutCase{"chr1_100_", nullptr, "", ""}, CutCase{"chr1:100:200", nullptr, "", ""},
                      CutCase{"chr1.100.200", nullptr, "", ""}, CutCase{"chr1__100", nullptr, "", ""},
                      CutCase{"chr1", nullptr, "", ""}, CutCase{"", nullptr, "", ""}));

struct SplitCase {
    const char* text;
    const char* start;  // nullptr: not split
    const char* end;
};

class StartFieldSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(StartFieldSplit, SplitsAtTabHyphenOrUnderscore) {
    auto parts = SplitStartText(GetParam().text);
    if (!GetParam().start) {
        EXPECT_FALSE(parts) << GetParam().text;
        return;
    }
    ASSERT_TRUE(parts) << GetParam().text;
    EXPECT_EQ(parts->first, GetParam().start);
    EXPECT_EQ(parts->second, GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(Texts, StartFieldSplit,
                         ::testing::Values(SplitCase{"100-200", "100", "200"}, SplitCase{"100_200", "100", "200"},
                                           SplitCase{"100--200", "100", "200"}, SplitCase{"100\t200", "100", "200"},
                                           SplitCase{"100-2-00", "100", "200"}, SplitCase{"100:200", nullptr, nullptr},
                                           SplitCase{"100 200", nullptr, nullptr}, SplitCase{"100-", nullptr, nullptr},
                                           SplitCase{"-200", nullptr, nullptr}, SplitCase{"100", nullptr, nullptr}));

}  // namespace
}  // namespace tallowby::test
