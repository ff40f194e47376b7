#pragma once
// A samtools-style .fai index beside a FASTA file (NAME, LENGTH, OFFSET, LINEBASES, LINEWIDTH per
// line). The program never writes one; when the user has one, and it can be trusted, chromosomes
// are measured and read by seeking instead of scanning the file.
//
// Trusted means: the FASTA is plain (not compressed), "<fasta>.fai" is newer than the FASTA, every
// line parses, and every entry's bases and line ends lie inside the FASTA's size. An index that
// fails any of these is ignored as if absent.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tallowby {

struct FaiEntry {
    std::string name;
    uint64_t length = 0;     // bases
    uint64_t offset = 0;     // byte offset of the first base
    uint64_t lineBases = 0;  // bases per full line
    uint64_t lineWidth = 0;  // bytes per full line, line end included
};

struct FaiIndex {
    std::vector<FaiEntry> entries;          // in index order (the file's order)
    std::map<std::string, size_t> byName;   // first entry of each name
    const FaiEntry* Find(const std::string& name) const;
};

// The index of fastaPath when it can be trusted, otherwise nothing.
[[nodiscard]] std::optional<FaiIndex> TrustedFaiIndex(const std::string& fastaPath);

// Bytes the entry's sequence occupies in the file, from its offset to its last base.
[[nodiscard]] uint64_t FaiSequenceBytes(const FaiEntry& entry);

// Reads the entry's sequence into out (line ends dropped). False, with out empty, when the bytes at
// the entry do not give exactly its length in bases (the index does not describe the file).
[[nodiscard]] bool ReadFaiSequence(const std::string& fastaPath, const FaiEntry& entry, std::string& out);

}  // namespace tallowby
