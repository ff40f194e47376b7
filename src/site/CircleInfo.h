#pragma once
// The site folder the R scripts draw from: output/R_result/<chrom>_<start>_<end>/ with one
// structure file per drawn entry (or no_gene) and info.txt naming them in draw order.

#include <set>
#include <string>

namespace tallowby {

// The site folder of drawSite, without a trailing '/'.
[[nodiscard]] std::string SiteFolder();

// The file name an entry is written under: its own name when that can be a file name; otherwise
// (over 200 bytes, or holding '/') its first isoform's name with "&+N" for the N further isoforms,
// '/' made '_', and "~2", "~3"... when that name is already taken in this folder.
[[nodiscard]] std::string EntryFileName(const std::string& entry, const std::set<std::string>& taken);

// Writes the site folder from drawSite, structureByEntry and drawOrder. A file that cannot be
// written is reported ("Failed to write ...") and stops the writing: false.
[[nodiscard]] bool WriteCircleInfo();

}  // namespace tallowby
