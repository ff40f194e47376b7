#pragma once
// Small hand-made gene models for the site tests: genes, transcripts and parts placed directly in
// the process-wide model, as a loader would leave them.

#include "genome/AnnotationModel.h"

#include <string>
#include <vector>

namespace tallowby::test {

class ModelBuilder {
public:
    explicit ModelBuilder(std::string chrom) : chrom_(std::move(chrom)) { ResetAnnotationModel(); }

    // Adds a gene; its transcripts follow with AddTranscript until the next gene. The gene span is
    // given, so a test can make it differ from its transcripts'.
    int AddGene(const std::string& name, int start, int end, bool strand = true) {
        gene_ = RegisterName(name, strand);
        Annotation().genesByChrom[chrom_].push_back({start, end, gene_, strand});
        return gene_;
    }

    // Parts as stored (for a GFF3 minus-strand transcript: descending); the span covers them all.
    int AddTranscript(const std::string& name, std::vector<StructurePart> parts, bool strand = true) {
        int id = RegisterName(name, strand);
        int start = parts.empty() ? 0 : parts.front().start, end = 0;
        for (StructurePart& part : parts) {
            part.strand = strand;
            start = std::min(start, part.start);
            end = std::max(end, part.end);
        }
        Annotation().partsByTranscript[id] = parts;
        Annotation().transcriptsByGene[gene_].push_back({start, end, id, strand});
        Annotation().geneOfTranscript[id] = gene_;
        return id;
    }

private:
    std::string chrom_;
    int gene_ = 0;
};

inline StructurePart Cds(int start, int end) { return {start, end, kTypeCds, true}; }
inline StructurePart Utr5(int start, int end) { return {start, end, kTypeFivePrimeUtr, true}; }
inline StructurePart Utr3(int start, int end) { return {start, end, kTypeThreePrimeUtr, true}; }

}  // namespace tallowby::test
