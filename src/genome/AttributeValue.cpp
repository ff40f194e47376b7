#include "genome/AttributeValue.h"

namespace tallowby {

namespace {

bool EndsValue(char c, AttributeDialect dialect) {
    return c == ';' || (c == ':' && dialect == AttributeDialect::Gtf);
}

bool Skipped(char c, AttributeDialect dialect) {
    return dialect == AttributeDialect::Gtf && (c == ' ' || c == '"');
}

// The value when the segment (text between two value ends), skipped characters left out, starts
// with the key and goes on after it.
bool ValueOfSegment(std::string_view segment, std::string_view key, AttributeDialect dialect, std::string& out) {
    size_t matched = 0, at = 0;
    for (; at < segment.size() && matched < key.size(); ++at) {
        if (Skipped(segment[at], dialect)) continue;
        if (segment[at] != key[matched]) return false;
        ++matched;
    }
    if (matched < key.size()) return false;
    out.clear();
    for (; at < segment.size(); ++at)
        if (!Skipped(segment[at], dialect)) out += segment[at];
    return !out.empty();
}

}  // namespace

void AttributeValueInto(std::string_view attributes, std::string_view key, AttributeDialect dialect,
                        std::string& out) {
    out.clear();
    size_t begin = 0;
    while (begin <= attributes.size()) {
        size_t end = begin;
        while (end < attributes.size() && !EndsValue(attributes[end], dialect)) ++end;
        if (ValueOfSegment(attributes.substr(begin, end - begin), key, dialect, out)) return;
        begin = end + 1;
    }
    out.clear();
}

std::string AttributeValue(std::string_view attributes, std::string_view key, AttributeDialect dialect) {
    std::string value;
    AttributeValueInto(attributes, key, dialect, value);
    return value;
}

}  // namespace tallowby
