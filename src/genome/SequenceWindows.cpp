// Windows of reference sequence around position pairs, for several chromosomes in one pass.

#include "genome/FaiIndex.h"
#include "genome/FastaReader.h"
#include "genome/ReferenceReading_internal.h"
#include "genome/ReferenceStore.h"

#include <algorithm>
#include <set>

namespace tallowby {

namespace {

constexpr long long kFlank = 52;

using WindowResult = std::map<std::string, std::vector<std::string>>;

// [a - 52, b + 52) of the sequence, or "x" when that does not lie wholly within it.
std::vector<std::string> CutWindows(const std::string& sequence, const std::vector<std::pair<int, int>>& pairs) {
    std::vector<std::string> windows;
    for (auto [a, b] : pairs) {
        long long from = a - kFlank, to = b + kFlank;
        bool fits = from >= 0 && from <= to && to <= static_cast<long long>(sequence.size());
        windows.push_back(fits ? sequence.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)) : "x");
    }
    return windows;
}

// The sequence store is about to hold another chromosome: it no longer holds any database's.
std::string& ReplaceStoredSequence(const std::string& chrom) {
    ReferenceStore& store = Reference();
    store.chromSequences.clear();
    store.loadedReferencePath.clear();
    return store.chromSequences[chrom];
}

// Each requested chromosome is done once, from its first record.
struct WindowPass {
    const WindowRequests& requests;
    size_t needed;
    WindowResult result;
    std::set<std::string> done;

    bool Wanted(const std::string& name) const { return requests.count(name) && !done.count(name); }
    bool Finished() const { return done.size() >= needed; }
    void Cut(const std::string& name, const std::string& sequence) {
        result[name] = CutWindows(sequence, requests.at(name));
        done.insert(name);
    }
};

// False when the index did not describe the file after all (the pass is then redone by scanning).
bool PassByIndex(const FaiIndex& index, const std::string& path, WindowPass& pass) {
    for (const FaiEntry& entry : index.entries) {
        Reference().chromosomesSeen.push_back(entry.name);
        if (!pass.Wanted(entry.name)) continue;
        std::string& sequence = ReplaceStoredSequence(entry.name);
        if (!ReadFaiSequence(path, entry, sequence)) return false;
        pass.Cut(entry.name, sequence);
        if (pass.Finished()) break;
    }
    return true;
}

void PassByScanning(const std::string& path, WindowPass& pass) {
    FastaReader fasta;
    bool more = fasta.Open(path) && fasta.NextHeader();
    while (more) {
        std::string name(fasta.Name());
        Reference().chromosomesSeen.push_back(name);
        if (!pass.Wanted(name)) {
            more = fasta.NextHeader();
            continue;
        }
        std::string& sequence = ReplaceStoredSequence(name);
        more = AppendRecordBody(fasta, path, sequence);
        pass.Cut(name, sequence);
        if (pass.Finished()) break;
    }
}

}  // namespace

WindowResult ExtractSequenceWindows(const std::string& databasePath, const WindowRequests& requests,
                                    size_t requestCount) {
    ReferenceStore& store = Reference();
    store.chromosomesSeen.clear();
    WindowPass pass{requests, std::min(requestCount, requests.size()), {}, {}};
    if (pass.needed == 0) return {};
    std::optional<FaiIndex> index = TrustedFaiIndex(databasePath);
    if (!index || !PassByIndex(*index, databasePath, pass)) {
        pass.result.clear();
        pass.done.clear();
        store.chromosomesSeen.clear();
        PassByScanning(databasePath, pass);
    }
    if (!pass.Finished()) {
        for (const auto& [chrom, pairs] : requests)
            if (!pass.result.count(chrom)) {
                (void)ReportChromosomeCheck(false, "reference", chrom, databasePath);
                break;
            }
        return {};
    }
    (void)ReportChromosomeCheck(true, "reference", "", databasePath);
    return std::move(pass.result);
}

}  // namespace tallowby
