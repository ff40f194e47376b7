#include "site/CircleInfo.h"

#include "app/Messages.h"
#include "app/Text.h"
#include "app/Workspace.h"
#include "site/SitePipeline.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <vector>

namespace tallowby {

namespace {

constexpr size_t kLongestFileName = 200;

bool WriteWhole(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (out) return true;
    ReportWriteFailure(path);
    return false;
}

// Drawn entries ordered by draw position, ties by name.
std::vector<std::pair<int, std::string>> DrawnEntries() {
    std::vector<std::pair<int, std::string>> drawn;
    for (const auto& [name, order] : SitePipeline().drawOrder)
        if (order >= 0) drawn.emplace_back(order, name);
    std::sort(drawn.begin(), drawn.end());
    return drawn;
}

}  // namespace

std::string SiteFolder() {
    const SiteRange& site = SitePipeline().drawSite;
    return WorkspaceFile(Format("output/R_result/%s_%d_%d", site.chrom.c_str(), site.start, site.end));
}

std::string EntryFileName(const std::string& entry, const std::set<std::string>& taken) {
    std::string name = entry;
    if (name.size() > kLongestFileName || name.find('/') != std::string::npos) {
        std::vector<std::string> isoforms = SplitText(entry, '&');
        name = isoforms.front().substr(0, kLongestFileName);
        if (isoforms.size() > 1) name += Format("&+%zu", isoforms.size() - 1);
        std::replace(name.begin(), name.end(), '/', '_');
    }
    std::string unique = name;
    for (int suffix = 2; taken.count(unique); ++suffix) unique = Format("%s~%d", name.c_str(), suffix);
    return unique;
}

bool WriteCircleInfo() {
    const SitePipelineState& state = SitePipeline();
    const std::string folder = SiteFolder();
    ::mkdir(folder.c_str(), 0777);
    const int siteLength = state.drawSite.end - state.drawSite.start;

    std::string namesLine = "no_gene";
    std::set<bool> strands;
    int count = 0;
    if (state.structureByEntry.empty()) {
        if (!WriteWhole(folder + "/no_gene", Format("\"inter\"\t%d\n", siteLength))) return false;
    } else {
        namesLine.clear();
        std::set<std::string> taken{"info.txt"};
        for (const auto& [order, entry] : DrawnEntries()) {
            for (const std::string& isoform : SplitText(entry, '&')) strands.insert(StrandOfName(isoform, true));
            std::string fileName = EntryFileName(entry, taken);
            taken.insert(fileName);
            if (count++ > 0) namesLine += '\t';
            namesLine += fileName;
            auto text = state.structureByEntry.find(entry);
            std::string structure = text == state.structureByEntry.end() ? std::string() : text->second;
            if (!WriteWhole(folder + "/" + fileName, structure + "\n")) return false;
        }
    }
    const char* strandText = strands.size() == 1 ? (*strands.begin() ? "+" : "-") : "0";
    return WriteWhole(folder + "/info.txt",
                      Format("%d\n%s\n%s_%d_%d\n%s\n", count == 0 ? 1 : count, namesLine.c_str(),
                             state.drawSite.chrom.c_str(), state.drawSite.start, state.drawSite.end, strandText));
}

}  // namespace tallowby
