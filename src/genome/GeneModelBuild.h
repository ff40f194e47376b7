#pragma once
// The building steps that turn the lines read from an annotation file into the finished gene model
// (spans, derived UTR pieces, order, exon boundary indexes). Each runs once after the chromosome's
// lines have been read, on the model reached through Annotation().

#include "genome/AnnotationModel.h"

#include <string>
#include <vector>

namespace tallowby {

// GFF3: exon-only transcripts get their exons as UTR pieces; transcripts with CDS but no UTR lines
// get UTR pieces derived from exons and CDS; then every transcript's pieces are put in transcript
// order (ascending start on "+", descending on "-").
void FinishGff3Transcripts(std::map<int, std::vector<StructurePart>>& exonsByTranscript);
// GFF3: the exon boundary indexes, in transcript direction, from the ordered pieces.
void BuildGff3Model();

// GTF: exon numbers per transcript from 1 (file order on "+", reverse file order on "-").
void BuildGtfExonIndex();
// GTF: CDS and UTR pieces from exon and CDS lines, transcript spans, gene spans.
void BuildGtfModel(const std::string& chrom);

// refFlat: transcript spans and gene spans.
void BuildRefFlatModel(const std::string& chrom);

// CDS pieces and the UTR pieces around them from a transcript's exon and CDS parts (file order),
// sorted by start. Exons no CDS covers become UTR pieces whole.
[[nodiscard]] std::vector<StructurePart> DeriveCdsAndUtrParts(const std::vector<StructurePart>& parts);

// Each gene of transcriptsByGene spans its transcripts (strand of its first one); genesByChrom
// then lists them by start.
void BuildGeneSpans(const std::string& chrom);
// genesByChrom in start order (stable), whatever the file's order.
void SortGenesByStart();

}  // namespace tallowby
