#include "site/CircleFormatFit.h"

#include "app/SharedState.h"
#include "app/Text.h"

namespace tallowby {

namespace {
constexpr double kCircleSpaceLimit = 0.9;
constexpr double kSequenceSpaceTop = 1.05;

// The product is formed in single precision, as the fractions are stored: 3 x 0.3 gives
// 0.90000004 and is refused.
double SinglePrecisionProduct(int count, float fraction) {
    return static_cast<double>(static_cast<float>(count) * fraction);
}

bool CirclesFit(const FormatFitInput& input) {
    int n = input.circleCount;
    if (SinglePrecisionProduct(n, input.circleFraction) <= kCircleSpaceLimit) return true;
    std::string prefix = n == 1 ? std::string("There is only one struct") : Format("There are %d iosforms", n);
    Shared().noticeText = Format(
        "%s, the sum of width and interval of circle-gene-format-setting is %.1f%%((width + interval) / 50 * num), "
        "taking more than 90%% space. The width or interval should be smaller. Please reset circle format "
        "(menu->Draw->format->circle gene)\n\nDo you want to reset now?",
        prefix.c_str(), static_cast<double>(input.circleFraction) * 100.0 * n);
    return false;
}

bool SequencesFit(const FormatFitInput& input) {
    int m = input.sequenceCount;
    double limit = kSequenceSpaceTop - static_cast<double>(input.geneRadius);
    if (SinglePrecisionProduct(m, input.sequenceFraction) <= limit) return true;
    std::string prefix = m == 1 ? std::string("There is only one sequence") : Format("There are %d sequences", m);
    Shared().noticeText = Format(
        "%s, the sum of width and interval of sequence-format-setting is %.1f%%((width + interval) / 50 * num), "
        "taking more than %.1f%% space(1.05 - gene radius). The width, interval or gene radius should be smaller. "
        "Please reset sequence format (menu->Draw->format->sequence)\n\nDo you want to reset now?",
        prefix.c_str(), static_cast<double>(input.sequenceFraction) * 100.0 * m, limit * 100.0);
    return false;
}
}  // namespace

bool CheckCircleFormatFit(const std::string& kind, const FormatFitInput& input) {
    if (kind != "site" && kind != "sequence") return true;
    if (!CirclesFit(input)) return false;
    return kind != "sequence" || SequencesFit(input);
}

}  // namespace tallowby
