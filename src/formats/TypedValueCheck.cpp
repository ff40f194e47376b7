#include "formats/TypedValueCheck.h"

#include "app/Messages.h"
#include "app/Text.h"

#include <cctype>
#include <cstdlib>

namespace tallowby {

bool IsTypedNumberText(const std::string& text) {
    bool seenDot = false, seenDigit = false;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            seenDigit = true;
        } else if (c == '.' && !seenDot) {
            seenDot = true;
        } else if (!(c == '+' && i == 0)) {
            return false;
        }
    }
    // A text without a digit ("", "+", ".") has no value and would write a broken settings line.
    return seenDigit;
}

bool CheckTypedValue(const TypedValueRule& rule, const std::string& text) {
    const char* label = rule.label.c_str();
    if (!IsTypedNumberText(text)) {
        ShowNotice(Format("Please check your %s input.", label));
        return false;
    }
    double value = std::strtod(text.c_str(), nullptr);
    bool aboveLower = rule.closedLower ? value >= rule.lower : value > rule.lower;
    if (!aboveLower || value > rule.upper) {
        ShowNotice(Format(rule.closedLower ? "The range of %s input is [%.1f,%.1f]."
                                           : "The range of %s input is (%.1f,%.1f].",
                          label, rule.lower, rule.upper));
        return false;
    }
    ShowNotice(Format("You input a new %s value: %s.\nIt will be saved only for current and will be replaced when "
                      "you open the window again.",
                      label, text.c_str()));
    return true;
}

}  // namespace tallowby
