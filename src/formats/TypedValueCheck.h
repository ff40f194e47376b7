#pragma once
// The check of a value typed into an editable list of a format form, where the list's items are
// only suggestions. It always shows one notice: why the text is refused, or that the new value is
// used for this run only.

#include <string>

namespace tallowby {

struct TypedValueRule {
    std::string label;         // "Site with isoforms-Width"
    double lower = 0.0;
    double upper = 0.0;
    bool closedLower = false;  // true: lower <= v <= upper, false: lower < v <= upper
};

// Digits with an optional leading '+' and at most one '.', holding at least one digit.
[[nodiscard]] bool IsTypedNumberText(const std::string& text);

// True when the text is a number within the rule's range.
[[nodiscard]] bool CheckTypedValue(const TypedValueRule& rule, const std::string& text);

}  // namespace tallowby
