// Whether the chosen circles and sequences fit the radius: the single-precision products at the
// limits, both refusal texts and the "sequence" branch.

#include "app/SharedState.h"
#include "site/CircleFormatFit.h"

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

std::string CircleRefusal(const char* prefix, const char* percent) {
    return std::string(prefix) + ", the sum of width and interval of circle-gene-format-setting is " + percent +
           "%((width + interval) / 50 * num), taking more than 90% space. The width or interval should be smaller. "
           "Please reset circle format (menu->Draw->format->circle gene)\n\nDo you want to reset now?";
}

std::string SequenceRefusal(const char* prefix, const char* percent, const char* limit) {
    return std::string(prefix) + ", the sum of width and interval of sequence-format-setting is " + percent +
           "%((width + interval) / 50 * num), taking more than " + limit +
           "% space(1.05 - gene radius). The width, interval or gene radius should be smaller. Please reset "
           "sequence format (menu->Draw->format->sequence)\n\nDo you want to reset now?";
}

struct FitCase {
    const char* kind;
    FormatFitInput input;
    std::string notice;  // "" when it fits
};

class FitCases : public ::testing::TestWithParam<FitCase> {
protected:
    void SetUp() override { ResetSharedState(); }
    void TearDown() override { ResetSharedState(); }
};

TEST_P(FitCases, RefusesWithTheQuestionInNoticeText) {
    const FitCase& c = GetParam();
    Shared().noticeText = "untouched";
    EXPECT_EQ(CheckCircleFormatFit(c.kind, c.input), c.notice.empty());
    EXPECT_EQ(Shared().noticeText, c.notice.empty() ? "untouched" : c.notice);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FitCases,
    ::testing::Values(
        FitCase{"site", {4, 0, 0.2f, 0, 0}, ""},
        FitCase{"site", {5, 0, 0.2f, 0, 0}, CircleRefusal("There are 5 iosforms", "100.0")},
        // 3 x 0.3 in single precision is 0.90000004: above the limit.
        FitCase{"site", {3, 0, 0.3f, 0, 0}, CircleRefusal("There are 3 iosforms", "90.0")},
        FitCase{"site", {2, 0, 0.45f, 0, 0}, ""},
        FitCase{"site", {1, 0, 0.92f, 0, 0}, CircleRefusal("There is only one struct", "92.0")},
        FitCase{"site", {0, 0, 5.0f, 0, 0}, ""},
        FitCase{"sequence", {2, 3, 0.2f, 0.08f, 0.8f}, ""},
        FitCase{"sequence", {2, 4, 0.2f, 0.08f, 0.8f}, SequenceRefusal("There are 4 sequences", "32.0", "25.0")},
        FitCase{"sequence", {1, 1, 0.2f, 0.3f, 0.8f}, SequenceRefusal("There is only one sequence", "30.0", "25.0")},
        // The circles are checked first and refuse on their own.
        FitCase{"sequence", {5, 1, 0.2f, 0.01f, 0.8f}, CircleRefusal("There are 5 iosforms", "100.0")},
        FitCase{"site", {2, 40, 0.2f, 0.5f, 0.9f}, ""},
        FitCase{"custom", {50, 50, 1.0f, 1.0f, 1.0f}, ""}));

}  // namespace
}  // namespace tallowby::test
