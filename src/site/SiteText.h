#pragma once
// Cutting a pasted site text into its fields, as the site forms do while the user types.

#include <optional>
#include <string>

namespace tallowby {

struct SiteFields {
    std::string chrom, start, end;
};

// A chromosome-field text such as "chr1_100_200", "chr1 100 200" or "chr1:100.200": the three
// fields when both separators are the same (and neither ':' nor '.'), or ':' then '.'.
// Separators are TAB, blank, '-', '_', ':' and '.'.
[[nodiscard]] std::optional<SiteFields> ParseSiteText(const std::string& text);

// A start-field text such as "100-200" or "100_200" (TAB, '-' and '_' separate; further
// separators are skipped): the start and end parts.
[[nodiscard]] std::optional<std::pair<std::string, std::string>> SplitStartText(const std::string& text);

}  // namespace tallowby
