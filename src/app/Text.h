#pragma once
// printf-style formatting into a std::string of whatever length the result needs. The system's
// messages and command formats are printf formats ("%s:%d..%d"), so they are used as they stand.

#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

[[nodiscard]] std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Joins names with a separator for a message box: whole names are kept while the text stays within
// 4000 characters; when a name no longer fits, the text ends with "..." instead.
[[nodiscard]] std::string JoinNamesForMessage(const std::vector<std::string>& names, std::string_view separator);

// The pieces of a text between separators ("a&b" -> {"a", "b"}; "" -> {""}).
[[nodiscard]] std::vector<std::string> SplitText(const std::string& text, char separator);

// The line without a trailing carriage return (files written on Windows read the same).
[[nodiscard]] inline std::string_view DropCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace tallowby
