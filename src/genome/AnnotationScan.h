#pragma once
// Finding one chromosome's lines in an annotation file (GFF3, GTF or refFlat, plain or gzip).
//
// Comment lines ("#", "###") and empty lines are skipped and never end a chromosome's block; a
// chromosome whose lines stand in several blocks is read whole. The first read of a plain file goes
// through it once and remembers the byte ranges of every chromosome's blocks; a later read of the
// same, unchanged file (same size and modification time) reads only the requested chromosome's
// ranges, and a chromosome the file lacks is answered without reading. A compressed file cannot be
// entered in the middle and is read whole every time.
//
// Fills chromosomesSeen of the reference store: the file's chromosome names in order of first
// appearance, up to the requested one (all of them when it is missing).

#include <functional>
#include <string>
#include <string_view>

namespace tallowby {

struct ChromosomeScan {
    bool opened = false;  // the file could be read
    bool found = false;   // it holds lines of the chromosome
};

// Hands each line of chrom (the name in column chromColumn) to onLine, in file order, without its
// line end. The view is valid during the call only.
[[nodiscard]] ChromosomeScan ScanChromosomeLines(const std::string& path, int chromColumn, const std::string& chrom,
                                                 const std::function<void(std::string_view)>& onLine);

// Forgets every remembered file (tests call it).
void ResetAnnotationBlocks();

}  // namespace tallowby
