#pragma once
// What one line of each annotation format adds to the gene model (see AnnotationModel.h for the
// coordinates: starts are stored 0-based, ends as written). Lines with too few columns are read as
// far as they go; missing or non-numeric numbers read as 0 (a GFF3/GTF start then stores -1).
//
// Use: AnnotationLine fields; ReadGtfLine(line, fields); ... BuildGtfExonIndex(); BuildGtfModel(chrom);

#include "genome/AnnotationModel.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

// The per-line fields every reader clears first, and scratch text reused from line to line.
struct AnnotationLine {
    std::string chromosome;
    short type = 0;
    int ownId = 0;
    int parentId = 0;
    std::string scratchA, scratchB;
};

// GFF3 lines are read in two steps: the chromosome's lines are gone through once to learn which
// IDs are gene-level and to register gene and transcript IDs in line order, so that a Parent is
// resolved against the whole chromosome whatever the line order; then each line is read.
class Gff3Chromosome {
public:
    // Every line of the chromosome, in file order, before any ReadGff3Line.
    void LearnIds(const std::vector<std::string_view>& lines);
    bool IsTranscriptId(int id) const { return transcriptIds_.count(id) != 0; }
    // Transcript-level: an mRNA, or any feature with an ID whose Parent is a gene-level feature of
    // the chromosome (exon, CDS, UTR and codon pieces aside).
    bool IsTranscriptLine(std::string_view type, std::string_view id, std::string_view parent) const;

    // Exon lines of transcripts, kept aside for transcripts without CDS or UTR lines.
    std::map<int, std::vector<StructurePart>>& ExonsByTranscript() { return exons_; }

private:
    std::set<std::string, std::less<>> geneIds_;
    std::set<int> transcriptIds_;
    std::map<int, std::vector<StructurePart>> exons_;
};

// Gene-level GFF3 types: "gene", Ensembl's "ncRNA_gene" and "pseudogene", and the older Ensembl
// names ending in "_gene" ("lincRNA_gene", "miRNA_gene" ...).
[[nodiscard]] bool IsGff3GeneType(std::string_view type);

void ReadGff3Line(std::string_view line, Gff3Chromosome& chromosome, AnnotationLine& fields);
void ReadGtfLine(std::string_view line, AnnotationLine& fields);
void ReadRefFlatLine(std::string_view line, AnnotationLine& fields);

}  // namespace tallowby
