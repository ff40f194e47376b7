#pragma once
// The reference sequence store: what has been read of the reference genome (a FASTA file, or a
// chromosome set: a list of per-chromosome FASTA files, one file name a line, relative to the
// list's folder). Nothing is indexed on disk; each request reads only what it needs, and results
// stay cached in memory for the rest of the run.
//
// A sequence's name is its FASTA header up to the first blank or TAB. Sequences are kept byte for
// byte as written (case kept), without line ends. Positions into a sequence are 0-based indexes.
//
// One process-wide record, reached through Reference(); ResetReferenceStore() empties it (tests
// call it). The operations below show their own messages through the platform and return false
// after a failure.

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tallowby {

struct ReferenceStore {
    // Holds at most one chromosome: every load clears it first.
    std::map<std::string, std::string> chromSequences;
    // The database path whose chromosome is in chromSequences ("" when nothing is loaded).
    std::string loadedReferencePath;
    // (file path, chromosome) -> number of bases. Grows for the whole run; for a chromosome set an
    // entry exists for the listed file and for the list file.
    std::map<std::pair<std::string, std::string>, int> chromLengthIndex;
    // Names met by the latest search, for the "contains following chroms" messages.
    std::vector<std::string> chromosomesSeen;
};

ReferenceStore& Reference();
void ResetReferenceStore();

// Makes sure chromLengthIndex holds the chromosome's length for this database (a FASTA file, or a
// chromosome-set list when Shared().databaseFormat is 1). A known pair reads nothing.
[[nodiscard]] bool EnsureChromosomeLength(const std::string& databasePath, const std::string& chrom);

// Measures the chromosome in one FASTA file and records its length in chromLengthIndex. Names of
// the records before it are added to chromosomesSeen. Shows no message.
[[nodiscard]] bool MeasureChromosome(const std::string& filePath, const std::string& chrom);

// Measures the chromosome in a chromosome set: first in the file named like it, then, after asking
// the user, in every other listed file. Reports a missing chromosome.
[[nodiscard]] bool MeasureChromosomeInSet(const std::string& listPath, const std::string& chrom);

// Loads the chromosome's sequence of the database into chromSequences (nothing is read when that
// database's chromosome is already loaded) and records its length.
[[nodiscard]] bool LoadReferenceChromosome(const std::string& databasePath, const std::string& chrom);

// Appends the chromosome's sequence in one FASTA file to chromSequences[chrom]. Shows no message.
[[nodiscard]] bool LoadChromosome(const std::string& filePath, const std::string& chrom);

// LoadChromosome over a chromosome set, searched as MeasureChromosomeInSet searches it.
[[nodiscard]] bool LoadChromosomeFromSet(const std::string& listPath, const std::string& chrom);

// Windows of sequence around position pairs (a, b) of each requested chromosome, read in one pass
// over the FASTA file: the text from index a - 52 up to but not including b + 52, or "x" when that
// window does not lie wholly within the chromosome. Stops once requestCount chromosomes are done.
// On a missing chromosome the result is empty (after the message). Leaves the last requested
// chromosome of the file in chromSequences.
using WindowRequests = std::map<std::string, std::vector<std::pair<int, int>>>;
[[nodiscard]] std::map<std::string, std::vector<std::string>> ExtractSequenceWindows(
    const std::string& databasePath, const WindowRequests& requests, size_t requestCount);

// Appends (name, length) for every record of the FASTA file, in file order. A file that cannot be
// opened, or holds no header, adds nothing. Always true.
bool ReadChromosomeLengths(const std::string& filePath, std::vector<std::pair<std::string, int>>& lengths);

// The outcome of a chromosome search. Found: purpose "site" or "seq" records path as the loaded
// annotation, "reference" as loadedReferencePath, "reference_len" records nothing; true. Not found:
// the notice naming the chromosome, the path and the names in chromosomesSeen (and, when the file
// names the chromosome by one of its usual aliases, which one); false.
[[nodiscard]] bool ReportChromosomeCheck(bool found, const std::string& purpose, const std::string& chrom,
                                         const std::string& path);

}  // namespace tallowby
