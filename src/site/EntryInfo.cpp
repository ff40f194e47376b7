#include "site/EntryInfo.h"

#include "app/Text.h"
#include "site/SitePipeline.h"

#include <algorithm>

namespace tallowby {

namespace {

const char* StrandText(bool strand) { return strand ? "+" : "-"; }

bool SamePart(const StructurePart& a, const StructurePart& b) {
    return a.start == b.start && a.end == b.end && a.type == b.type && a.strand == b.strand;
}

const std::vector<StructurePart>& OverlapParts(const std::string& name) {
    static const std::vector<StructurePart> kNone;
    const auto& overlap = SitePipeline().overlapPartsByTranscript;
    auto found = overlap.find(name);
    return found == overlap.end() ? kNone : found->second;
}

const std::vector<StructurePart>& PartsOf(const std::string& name) {
    static const std::vector<StructurePart> kNone;
    auto id = Annotation().nameIds.find(name);
    if (id == Annotation().nameIds.end()) return kNone;
    auto parts = Annotation().partsByTranscript.find(id->second.id);
    return parts == Annotation().partsByTranscript.end() ? kNone : parts->second;
}

std::string AllStruct(const std::string& entry) {
    std::string text = "( * means having intersection with input site)\r\n";
    for (const std::string& name : SplitText(entry, '&')) {
        text += "\r\n" + name + "\r\n";
        const std::vector<StructurePart>& overlap = OverlapParts(name);
        for (const StructurePart& part : PartsOf(name)) {
            bool touches = std::any_of(overlap.begin(), overlap.end(),
                                       [&part](const StructurePart& o) { return SamePart(o, part); });
            text += Format("%s%d\t%d\t%s\t%s\r\n", touches ? "*" : "  ", part.start, part.end,
                           TypeNameOf(part.type).c_str(), StrandText(part.strand));
        }
    }
    return text;
}

std::string DrawStruct(const std::string& entry) {
    std::string text = entry + "\r\n";
    std::vector<StructurePart> parts = OverlapParts(entry.substr(0, entry.find('&')));
    if (!parts.empty()) {
        const SiteRange& site = SitePipeline().lookupSite;
        parts.front().start = std::max(parts.front().start, site.start);
        parts.back().end = std::min(parts.back().end, site.end);
    }
    for (const StructurePart& part : parts)
        text += Format("%d\t%d\t%s\t%s\r\n", part.start, part.end, TypeNameOf(part.type).c_str(), StrandText(part.strand));
    return text;
}

std::string ProStruct(const std::string& entry) {
    std::string text = entry + "\r\n";
    auto found = SitePipeline().structureByEntry.find(entry);
    std::string structure = found == SitePipeline().structureByEntry.end() ? std::string() : found->second;
    for (const std::string& line : SplitText(structure, '\n')) text += line + "\r\n";
    return text;
}

}  // namespace

std::string BuildEntryInfo(EntryInfoMode mode, const std::string& entry) {
    switch (mode) {
        case EntryInfoMode::AllStruct:
            return AllStruct(entry);
        case EntryInfoMode::DrawStruct:
            return DrawStruct(entry);
        case EntryInfoMode::ProStruct:
            return ProStruct(entry);
    }
    return {};
}

}  // namespace tallowby
