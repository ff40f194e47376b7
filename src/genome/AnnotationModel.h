#pragma once
// The gene model: the in-memory picture of one chromosome of one annotation file (its genes, each
// gene's transcripts, each transcript's CDS and UTR pieces, and two indexes of exon boundaries).
// LoadAnnotation fills it; the site, sequence and viewer code read it.
//
// Coordinates: every start is 0-based and every end is the file's 1-based inclusive end, so a record
// covers [start, end) and its length is end - start; records touch when one's end is the next's start.
// Genes and transcripts share one id space, handed out from 0 in order of first appearance.
//
// One process-wide record, reached through Annotation(); ResetAnnotationModel() empties it and
// refills the type tables (every load does this first, and tests call it).

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

enum FeatureType : short {
    kTypeOther = 0,  // "OOO": any type not in the table
    kTypeGene = 1,
    kTypeMrna = 2,
    kTypeCds = 3,
    kTypeFivePrimeUtr = 4,
    kTypeThreePrimeUtr = 5,
    kTypeExon = 6,
    kTypeIntron = 7,  // never stored by the readers; drawings insert it between parts
    kTypeUtr = 8,
};

struct FeatureSpan {  // a gene or a transcript
    int start = 0;
    int end = 0;
    int id = 0;
    bool strand = true;  // true: "+"
};

struct StructurePart {  // one CDS or UTR piece of a transcript
    int start = 0;
    int end = 0;
    short type = kTypeOther;
    bool strand = true;
};

struct ExonRef {  // one transcript's exon at an indexed boundary position
    int transcriptId = 0;
    int exonNumber = 0;
};

struct NameId {  // id and strand of a gene or transcript name
    int id = 0;
    bool strand = true;
};

struct AnnotationModel {
    std::map<std::string, std::vector<FeatureSpan>> genesByChrom;  // one key after a load, genes by start
    std::map<int, std::vector<FeatureSpan>> transcriptsByGene;
    std::map<int, std::vector<StructurePart>> partsByTranscript;
    std::map<int, std::vector<ExonRef>> exonEndIndex;    // boundary position -> exons
    std::map<int, std::vector<ExonRef>> exonStartIndex;  // boundary position -> exons
    std::vector<std::string> typeNames;                  // FeatureType -> name
    std::vector<std::string> idNames;                    // id -> gene or transcript name
    std::map<std::string, short, std::less<>> typeIndex;   // name -> FeatureType
    std::map<std::string, NameId, std::less<>> nameIds;    // gene or transcript name -> id, strand
    std::string loadedAnnotationPath;                    // file whose chromosome is loaded
    std::map<int, int> geneOfTranscript;                 // transcript id -> gene id (GTF, refFlat)
    int nextNameId = 0;
};

AnnotationModel& Annotation();
void ResetAnnotationModel();

// The id of a name: its registered id, or 0 for a name never declared (nothing is added).
[[nodiscard]] int LookUpNameId(std::string_view name);
// Registers a name when it is new (next id, the given strand, an idNames entry); returns its id.
int RegisterName(std::string_view name, bool strand);
// The gene of a transcript id, 0 when it has none.
[[nodiscard]] int GeneOfTranscript(int transcriptId);
// The strand registered for an id's name; fallback when the id has no name.
[[nodiscard]] bool StrandOfId(int id, bool fallback);
// The strand registered for a name; fallback for a name never declared.
[[nodiscard]] bool StrandOfName(std::string_view name, bool fallback);
// The name of an id ("" for an id without one) and of a FeatureType ("OOO" outside the table).
[[nodiscard]] const std::string& NameOfId(int id);
[[nodiscard]] const std::string& TypeNameOf(short type);

}  // namespace tallowby
