// Measuring and loading one chromosome of one FASTA file, and listing every record's length. A
// trusted .fai index beside the file lets these seek instead of scanning.

#include "genome/FaiIndex.h"
#include "genome/FastaReader.h"
#include "genome/ReferenceStore.h"
#include "genome/ReferenceReading_internal.h"

#include <climits>

namespace tallowby {

namespace {

int ClampLength(uint64_t bases) { return bases > INT_MAX ? INT_MAX : static_cast<int>(bases); }

// The names listed before the target (every name when there is no target), as a scan would meet them.
void AddNamesBefore(const FaiIndex& index, const FaiEntry* target) {
    for (const FaiEntry& entry : index.entries) {
        if (&entry == target) break;
        Reference().chromosomesSeen.push_back(entry.name);
    }
}

bool LoadChromosomeByIndex(const FaiIndex& index, const std::string& path, const std::string& chrom, bool& found) {
    const FaiEntry* entry = index.Find(chrom);
    AddNamesBefore(index, entry);
    found = entry != nullptr;
    if (!entry) return true;
    std::string sequence;
    if (!ReadFaiSequence(path, *entry, sequence)) return false;
    std::string& target = Reference().chromSequences[chrom];
    if (target.empty()) target = std::move(sequence);
    else target += sequence;
    return true;
}

}  // namespace

// A plain file is first skipped through to the next header, so that the sequence's room is reserved
// once instead of growing (which would hold up to three times the chromosome's size at a time).
bool AppendRecordBody(FastaReader& fasta, const std::string& path, std::string& target) {
    std::string_view piece;
    if (fasta.Compressed()) {
        while (fasta.NextPiece(piece)) target.append(piece);
        return fasta.NextHeader();
    }
    uint64_t bodyStart = fasta.BodyStart();
    bool more = fasta.NextHeader();
    uint64_t bodyEnd = more ? fasta.HeaderStart() : fasta.DataEnd();
    target.reserve(target.size() + (bodyEnd - bodyStart));
    FastaReader body;
    if (body.OpenRecordBody(path, bodyStart, bodyEnd))
        while (body.NextPiece(piece)) target.append(piece);
    return more;
}

bool MeasureChromosome(const std::string& filePath, const std::string& chrom) {
    ReferenceStore& store = Reference();
    if (std::optional<FaiIndex> index = TrustedFaiIndex(filePath)) {
        const FaiEntry* entry = index->Find(chrom);
        AddNamesBefore(*index, entry);
        if (!entry) return false;
        store.chromLengthIndex[{filePath, chrom}] = ClampLength(entry->length);
        return true;
    }
    FastaReader fasta;
    if (!fasta.Open(filePath)) return false;
    while (fasta.NextHeader()) {
        if (fasta.Name() != chrom) {
            store.chromosomesSeen.emplace_back(fasta.Name());
            continue;
        }
        uint64_t bases = 0;
        for (std::string_view piece; fasta.NextPiece(piece);) bases += piece.size();
        store.chromLengthIndex[{filePath, chrom}] = ClampLength(bases);
        return true;
    }
    return false;
}

bool LoadChromosome(const std::string& filePath, const std::string& chrom) {
    ReferenceStore& store = Reference();
    if (std::optional<FaiIndex> index = TrustedFaiIndex(filePath)) {
        size_t seenBefore = store.chromosomesSeen.size();
        bool found = false;
        if (LoadChromosomeByIndex(*index, filePath, chrom, found)) return found;
        // The bytes did not match the index after all: read the file as if it had none.
        store.chromosomesSeen.resize(seenBefore);
    }
    FastaReader fasta;
    if (!fasta.Open(filePath)) return false;
    while (fasta.NextHeader()) {
        if (fasta.Name() != chrom) {
            store.chromosomesSeen.emplace_back(fasta.Name());
            continue;
        }
        (void)AppendRecordBody(fasta, filePath, store.chromSequences[chrom]);
        return true;
    }
    return false;
}

bool ReadChromosomeLengths(const std::string& filePath, std::vector<std::pair<std::string, int>>& lengths) {
    if (std::optional<FaiIndex> index = TrustedFaiIndex(filePath)) {
        for (const FaiEntry& entry : index->entries) lengths.emplace_back(entry.name, ClampLength(entry.length));
        return true;
    }
    FastaReader fasta;
    if (!fasta.Open(filePath)) return true;
    while (fasta.NextHeader()) {
        std::string name(fasta.Name());
        uint64_t bases = 0;
        for (std::string_view piece; fasta.NextPiece(piece);) bases += piece.size();
        lengths.emplace_back(std::move(name), ClampLength(bases));
    }
    return true;
}

}  // namespace tallowby
