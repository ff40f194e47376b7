#include "genome/AnnotationColumns.h"

#include <climits>

namespace tallowby {

std::string_view ColumnAt(std::string_view line, int index) {
    for (int i = 0; i < index; ++i) {
        size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return {};
        line = line.substr(tab + 1);
    }
    return line.substr(0, line.find('\t'));
}

int DecimalValue(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace tallowby
