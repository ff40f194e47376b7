#include "site/SiteText.h"

namespace tallowby {

namespace {
bool IsSiteSeparator(char c) { return c == '\t' || c == ' ' || c == '-' || c == '_' || c == ':' || c == '.'; }
bool IsStartSeparator(char c) { return c == '\t' || c == '-' || c == '_'; }
}  // namespace

std::optional<SiteFields> ParseSiteText(const std::string& text) {
    SiteFields fields;
    char first = 0, second = 0;
    int state = 0;
    for (char c : text) {
        bool separator = IsSiteSeparator(c);
        if (state == 0) {
            if (separator) first = c, state = 1;
            else fields.chrom += c;
        } else if (state == 1) {
            if (separator) second = c, state = 2;
            else fields.start += c;
        } else if (state == 2) {
            if (separator) state = 3;
            else fields.end += c;
        } else {
            break;
        }
    }
    if (fields.chrom.empty() || fields.start.empty() || fields.end.empty()) return std::nullopt;
    bool sameSeparator = first == second && first != ':' && first != '.';
    bool colonThenDot = first == ':' && second == '.';
    if (!sameSeparator && !colonThenDot) return std::nullopt;
    return fields;
}

std::optional<std::pair<std::string, std::string>> SplitStartText(const std::string& text) {
    std::string before, after;
    bool separated = false;
    for (char c : text) {
        if (IsStartSeparator(c))
            separated = true;
        else
            (separated ? after : before) += c;
    }
    if (!separated || before.empty() || after.empty()) return std::nullopt;
    return std::make_pair(before, after);
}

}  // namespace tallowby
