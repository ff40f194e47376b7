#pragma once
// Splitting an annotation line into its TAB-separated columns, and the numbers in them.

#include <array>
#include <string_view>

namespace tallowby {

// The first N columns; the last one holds the rest of the line (TABs included). Missing columns
// are empty.
template <size_t N>
std::array<std::string_view, N> SplitColumns(std::string_view line) {
    std::array<std::string_view, N> columns{};
    for (size_t i = 0; i + 1 < N; ++i) {
        size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            columns[i] = line;
            return columns;
        }
        columns[i] = line.substr(0, tab);
        line = line.substr(tab + 1);
    }
    columns[N - 1] = line;
    return columns;
}

// Column index of a line without splitting the rest (empty when the line has fewer columns).
[[nodiscard]] std::string_view ColumnAt(std::string_view line, int index);

// The ordinary decimal conversion: leading blanks, an optional sign, then digits; no digits give 0.
// Values beyond the int range are held at its limits.
[[nodiscard]] int DecimalValue(std::string_view text);

// "+" is the plus strand; any other text (including "-" and ".") is minus.
[[nodiscard]] inline bool PlusStrand(std::string_view text) { return text == "+"; }

}  // namespace tallowby
