// What the forms ask of the reference: a chromosome's length and a chromosome's sequence, each read
// once and then served from memory.

#include "app/SharedState.h"
#include "genome/ReferenceStore.h"

#include <algorithm>
#include <climits>

namespace tallowby {

bool EnsureChromosomeLength(const std::string& databasePath, const std::string& chrom) {
    ReferenceStore& store = Reference();
    if (store.chromLengthIndex.count({databasePath, chrom})) return true;
    store.chromosomesSeen.clear();
    if (Shared().databaseFormat == 1) return MeasureChromosomeInSet(databasePath, chrom);
    bool found = MeasureChromosome(databasePath, chrom);
    return ReportChromosomeCheck(found, "reference_len", chrom, databasePath);
}

bool LoadReferenceChromosome(const std::string& databasePath, const std::string& chrom) {
    ReferenceStore& store = Reference();
    if (databasePath == store.loadedReferencePath && store.chromSequences.count(chrom)) return true;
    store.chromSequences.clear();
    store.loadedReferencePath.clear();
    store.chromosomesSeen.clear();
    bool loaded;
    if (Shared().databaseFormat == 1) {
        loaded = LoadChromosomeFromSet(databasePath, chrom);
    } else {
        bool found = LoadChromosome(databasePath, chrom);
        loaded = ReportChromosomeCheck(found, "reference", chrom, databasePath);
    }
    if (!loaded) return false;
    size_t bases = store.chromSequences[chrom].size();
    store.chromLengthIndex.try_emplace({databasePath, chrom}, static_cast<int>(std::min<size_t>(bases, INT_MAX)));
    return true;
}

}  // namespace tallowby
