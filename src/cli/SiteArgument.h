#pragma once
// The --site argument of the site commands: "chr1:100-200".

#include <string>

namespace tallowby {

// Splits at the last ':' and then at the first '-' after it; the texts go to the site checks as
// typed. False after an error message when the text has no such form.
[[nodiscard]] bool SplitSiteArgument(const std::string& text, std::string& chrom, std::string& start, std::string& end);

}  // namespace tallowby
