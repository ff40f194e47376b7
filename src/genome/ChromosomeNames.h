#pragma once
// Chromosome names in messages: the names lists and the usual aliases of a name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

// Every name preceded by prefix and followed by suffix. Whole names are kept while the text stays
// within 4000 characters; when the next one no longer fits, the text ends with "..." instead.
[[nodiscard]] std::string NamesText(const std::vector<std::string>& names, std::string_view prefix,
                                    std::string_view suffix);

// The first of the names that is a usual alias of chrom: N and chrN; M, MT, chrM and chrMT.
[[nodiscard]] std::optional<std::string> FindChromosomeAlias(const std::string& chrom,
                                                             const std::vector<std::string>& names);

}  // namespace tallowby
