#include "genome/ChromosomeNames.h"

namespace tallowby {

namespace {

constexpr size_t kNamesTextLimit = 4000;

bool IsMitochondrial(std::string_view name) {
    return name == "M" || name == "MT" || name == "chrM" || name == "chrMT";
}

std::string_view WithoutChrPrefix(std::string_view name) {
    return name.size() > 3 && name.substr(0, 3) == "chr" ? name.substr(3) : name;
}

bool AreAliases(std::string_view a, std::string_view b) {
    if (a == b) return false;
    if (IsMitochondrial(a) || IsMitochondrial(b)) return IsMitochondrial(a) && IsMitochondrial(b);
    bool aPrefixed = WithoutChrPrefix(a).size() != a.size();
    bool bPrefixed = WithoutChrPrefix(b).size() != b.size();
    return aPrefixed != bPrefixed && WithoutChrPrefix(a) == WithoutChrPrefix(b);
}

}  // namespace

std::string NamesText(const std::vector<std::string>& names, std::string_view prefix, std::string_view suffix) {
    std::string text;
    for (const std::string& name : names) {
        if (text.size() + prefix.size() + name.size() + suffix.size() > kNamesTextLimit) return text + "...";
        text.append(prefix).append(name).append(suffix);
    }
    return text;
}

std::optional<std::string> FindChromosomeAlias(const std::string& chrom, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (AreAliases(chrom, name)) return name;
    return std::nullopt;
}

}  // namespace tallowby
