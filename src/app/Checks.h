#pragma once
// The checks every form runs on its inputs. Each shows at most one message box and returns false at
// the first problem; nothing else changes when a check fails.

#include <string>

namespace tallowby {

// Decimal value of a site text; values beyond the int range become 2147483647 (or the int minimum
// for negative texts). Reading stops at the first character that is not a digit.
[[nodiscard]] int ParseSiteNumber(const std::string& text);

// Checks a typed site and stores start and end as the current site's. Asks before accepting a site
// longer than 10000 bases.
[[nodiscard]] bool CheckSite(const std::string& chrom, const std::string& startText, const std::string& endText,
                             int start, int end);
[[nodiscard]] bool CheckNotEmpty(const std::string& label, const std::string& text);
// which: "start" or "end".
[[nodiscard]] bool CheckSiteNumber(const std::string& text, const std::string& which);

enum class InputKind {
    File,           // must exist and not be a folder
    NoMessageFile,  // as File, but an empty value fails silently
    Dir,            // must be an existing folder
    Sequence,       // any non-empty text
};
[[nodiscard]] bool CheckInput(const std::string& value, const std::string& label, InputKind kind);

// The .nhr, .nin and .nsq files of a BLAST database, in that order.
[[nodiscard]] bool CheckBlastIndex(const std::string& databasePath);

// hint: "circ_format", "seq_format", "site", "config" add a line saying where to make or reset the
// file; "fail" starts the message with "Failed!" instead of naming the path.
[[nodiscard]] bool RequireFile(const std::string& path, const std::string& hint);

[[nodiscard]] bool HasNoSpace(const std::string& path);
[[nodiscard]] bool CheckNoSpace(const std::string& path, const std::string& label);

}  // namespace tallowby
