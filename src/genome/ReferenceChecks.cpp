#include "genome/ReferenceChecks.h"

#include "app/Messages.h"
#include "app/Text.h"
#include "genome/ReferenceStore.h"

namespace tallowby {

namespace {

void ReportMissingChromosome(const std::string& chrom) {
    ShowNotice(Format("Input chrom \"%s\" doesn't exist.", chrom.c_str()));
}

bool CheckSiteWithin(long long length, const std::string& chrom, int start, int end) {
    if (length >= end) return true;
    ShowNotice(Format("The length of %s is %lld.Input site %s:%d..%d is out of range.", chrom.c_str(), length,
                      chrom.c_str(), start, end));
    return false;
}

}  // namespace

bool CheckSiteInReference(const std::string& chrom, int start, int end) {
    const auto& sequences = Reference().chromSequences;
    auto found = sequences.find(chrom);
    if (found == sequences.end()) {
        ReportMissingChromosome(chrom);
        return false;
    }
    return CheckSiteWithin(static_cast<long long>(found->second.size()), chrom, start, end);
}

bool CheckSiteInLengthIndex(const std::string& databasePath, const std::string& chrom, int start, int end) {
    const auto& lengths = Reference().chromLengthIndex;
    auto found = lengths.find({databasePath, chrom});
    if (found == lengths.end()) {
        ReportMissingChromosome(chrom);
        return false;
    }
    return CheckSiteWithin(found->second, chrom, start, end);
}

int CheckSpliceEdge(const std::string& chrom, int start, int end) {
    const auto& sequences = Reference().chromSequences;
    auto found = sequences.find(chrom);
    if (found == sequences.end()) {
        ReportMissingChromosome(chrom);
        return 0;
    }
    long long length = static_cast<long long>(found->second.size());
    bool startAtEdge = start < 2;
    bool endAtEdge = static_cast<long long>(end) + 2 >= length;
    return (startAtEdge ? 1 : 0) + (endAtEdge ? 2 : 0);
}

}  // namespace tallowby
